#pragma once

#include "object_panel.h"

class CVectorImage;
class EditScope;
class PositionFields;
class PositionSizePanel;
class QCheckBox;
class QLabel;
class QLineEdit;

// The panel for a vector picture: position and size, keep aspect ratio, and
// a note that the picture is a vector image (it has no image effects).
class CVectorPanel : public CObjectPanel {
    Q_OBJECT
public:
    CVectorPanel(EditingHost& host, const UnitConversion& units, QWidget* parent);

    void RefreshPosition(const LogicalRect& rect) override;

    QCheckBox* m_keepAspect;
    PositionSizePanel* m_frame; // position, size and the box above
    PositionFields* m_position; // the frame's fields
    QLabel* m_note;

protected:
    void Load() override;

private:
    CVectorImage* Picture() const;
    // Writes position and size (after the field `edited`, see
    // PositionSizePanel) and keep aspect ratio into the picture within `edit`.
    void ApplyTo(EditScope& edit, const QLineEdit* edited);
};
