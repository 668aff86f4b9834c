#pragma once

#include "object_panel.h"

class CVectorImage;
class PositionFields;
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

    PositionFields* m_position;
    QCheckBox* m_keepAspect;
    QLabel* m_note;

protected:
    void Load() override;

private:
    CVectorImage* Picture() const;
    // Writes the position fields and keep aspect ratio into the picture.
    void ApplyTo();
    // W or H edited: with keep aspect ratio the other side follows in
    // proportion, so the picture keeps its shape.
    void SizeEdited(bool widthEdited);
};
