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

    // Takes where the text was moved to on screen as its radius and angle,
    // then shows both (truncated).
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
    // Shows the object's angle and radius, truncated, and remembers them.
    void ShowCircle(const CCirText& text);
    // Writes text, colour, radius and angle (placing the text on its circle
    // again), then takes one undo step.
    void ApplyTo();

    int m_shownAngle = 0; // what the fields were given last
    int m_shownRadius = 0;
};
