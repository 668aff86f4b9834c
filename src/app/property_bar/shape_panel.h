#pragma once

#include "object_panel.h"

class CShape;
class ColourButton;
class PositionFields;
class QComboBox;
class QLineEdit;

// The panel for a shape: position, border width, fill and border colours,
// and the kind of figure.
class CShapePanel : public CObjectPanel {
    Q_OBJECT
public:
    CShapePanel(EditingHost& host, const UnitConversion& units, QWidget* parent);

    void RefreshPosition(const LogicalRect& rect) override;

    PositionFields* m_position;
    QLineEdit* m_lineWidth;
    ColourButton* m_fill;
    ColourButton* m_line;
    QComboBox* m_kind;

protected:
    void Load() override;

private:
    CShape* Shape() const;
    // Writes every field back, then takes one undo step.
    void ApplyTo();
};
