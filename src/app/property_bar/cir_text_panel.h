#pragma once

#include "object_panel.h"

class CCirText;
class QLineEdit;
class QToolButton;
class TextControls;

// The panel for circular text: "Angle", "Radius", text, font, style, the
// circular and inverse layouts, and colour.
class CCirTextPanel : public CObjectPanel {
    Q_OBJECT
public:
    CCirTextPanel(EditingHost& host, const UnitConversion& units, QWidget* parent);

    // Shows the angle and the radius the object has on screen now (both
    // truncated), and keeps that radius, unzoomed, as the object's radius.
    void RefreshPosition(const LogicalRect& rect) override;

    QLineEdit* m_angle;
    QLineEdit* m_radius;
    TextControls* m_controls;
    QToolButton* m_circular;
    QToolButton* m_inverse;

protected:
    void Load() override;

private:
    CCirText* CirText() const;
    // Writes text, colour, radius and angle (placing the text on its circle
    // again), then takes one undo step.
    void ApplyTo();
};
