#pragma once

#include "platform/unit_conversion.h"

#include <QObject>

#include <functional>

class CBaseObject;
class EditScope;
class QHBoxLayout;
class QLineEdit;

// The "X", "Y", "W" and "H" edits of a panel, with the y axis turned down:
// they show x, -y, width and -height, so an object on the face normally shows
// positive numbers. They show millimetres with two decimals and the unit
// ("12.34 mm") and take a number of millimetres with up to two decimals (the
// unit may be typed or left out; X and Y may be negative, for objects partly
// off the face); the values they give and take stay in hundredths of a
// millimetre, as objects store them.
class PositionFields : public QObject {
    Q_OBJECT
public:
    explicit PositionFields(QWidget* parent);

    // Adds the labelled edits to `layout`.
    void AddTo(QHBoxLayout* layout);

    void Show(const CBaseObject& object);
    void Show(const LogicalRect& rect);
    // Writes the four fields into the object's position and size, within `edit`.
    void WriteTo(EditScope& edit, CBaseObject& object) const;
    void SetEnabled(bool enabled);

    int X() const;
    int Y() const;
    int W() const;
    int H() const;
    void SetW(int w);
    void SetH(int h);
    // After W (or H) was typed, sets the other field so that the size keeps
    // the proportions of the object's size before the edit.
    void KeepProportions(bool widthEdited, int oldWidth, int oldDepth);

    QLineEdit* m_x;
    QLineEdit* m_y;
    QLineEdit* m_w;
    QLineEdit* m_h;

signals:
    // The user finished changing one field (it lost the focus or took Enter).
    void Edited(QLineEdit* field);
};

// "12.34" for 1234 hundredths of a millimetre, "-0.05" for -5.
QString MillimetreNumber(int hundredths);
// The hundredths of a millimetre of "12.34", "12,3 mm" or "-7mm"; 0 for text
// that holds no number.
int MillimetreHundredths(const QString& text);

// A single-line edit that accepts digits only and reports a finished change
// (focus lost or Enter) only when the user changed its text.
QLineEdit* NewDigitsEdit(QWidget* parent, int width = 56);
// Calls `onEdited` when the user finished changing `edit`.
void OnEdited(QLineEdit* edit, QObject* context, const std::function<void()>& onEdited);
int FieldValue(const QLineEdit* edit);
void ShowValue(QLineEdit* edit, int value);
