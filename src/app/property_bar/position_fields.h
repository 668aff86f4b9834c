#pragma once

#include "platform/unit_conversion.h"

#include <QObject>

#include <functional>

class CBaseObject;
class QHBoxLayout;
class QLineEdit;

// The "X", "Y", "W" and "H" edits of a panel, in logical units with the y
// axis turned down: they show x, -y, width and -height, so an object on the
// face normally shows positive numbers. They accept digits only.
class PositionFields : public QObject {
    Q_OBJECT
public:
    explicit PositionFields(QWidget* parent);

    // Adds the labelled edits to `layout`.
    void AddTo(QHBoxLayout* layout);

    void Show(const CBaseObject& object);
    void Show(const LogicalRect& rect);
    // Writes the four fields into the object's position and size.
    void WriteTo(CBaseObject& object) const;
    void SetEnabled(bool enabled);

    int X() const;
    int Y() const;
    int W() const;
    int H() const;
    void SetW(int w);
    void SetH(int h);

    QLineEdit* m_x;
    QLineEdit* m_y;
    QLineEdit* m_w;
    QLineEdit* m_h;

signals:
    // The user finished changing one field (it lost the focus or took Enter).
    void Edited(QLineEdit* field);
};

// A single-line edit that accepts digits only and reports a finished change
// (focus lost or Enter) only when the user changed its text.
QLineEdit* NewDigitsEdit(QWidget* parent, int width = 56);
// Calls `onEdited` when the user finished changing `edit`.
void OnEdited(QLineEdit* edit, QObject* context, const std::function<void()>& onEdited);
int FieldValue(const QLineEdit* edit);
void ShowValue(QLineEdit* edit, int value);
