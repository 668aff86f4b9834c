#pragma once

#include "object_panel.h"

class CText;
class PositionFields;
class QComboBox;
class QToolButton;
class TextControls;

// The panel for a text block: position, text, font, style, alignment and colour.
class CTextPanel : public CObjectPanel {
    Q_OBJECT
public:
    CTextPanel(EditingHost& host, const UnitConversion& units, QWidget* parent);

    void RefreshPosition(const LogicalRect& rect) override;

    PositionFields* m_position;
    TextControls* m_controls;
    QToolButton* m_alignLeft;
    QToolButton* m_alignCentre;
    QToolButton* m_alignRight;
    QComboBox* m_rotation; // kept hidden: rotation is not offered here

protected:
    void Load() override;

private:
    CText* Text() const;
    // Writes the position fields and the text, then takes one undo step.
    void ApplyTo();
    void ApplyIfActive();
    // Alignment from the buttons: centre, else left, else right, else as it was.
    void ReadAlignment();
};
