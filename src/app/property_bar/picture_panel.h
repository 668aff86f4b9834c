#pragma once

#include "object_panel.h"
#include "picture_editing.h"

class CImage;
class ColourButton;
class PictureEffectRunner;
class EditScope;
class PositionFields;
class PositionSizePanel;
class QCheckBox;
class QLineEdit;
class QToolButton;

// The panel for a raster picture: position (fixed for a face's background
// picture), keep aspect ratio, the alpha channel and transparent colour
// options, and the image effects.
class CPicturePanel : public CObjectPanel {
    Q_OBJECT
public:
    CPicturePanel(EditingHost& host, const UnitConversion& units, PictureEditing& editing,
                  QWidget* parent);

    void RefreshPosition(const LogicalRect& rect) override;
    // Starts one effect as its button does: it runs away from the window,
    // and its result is taken as one undo step when it completes.
    void RunEffect(PictureEffect effect);
    bool EffectRunning() const;
    // Cancels a running effect, as its progress dialog's Cancel does.
    void CancelEffect();

    QCheckBox* m_keepAspect;
    PositionSizePanel* m_frame; // position, size and the box above
    PositionFields* m_position; // the frame's fields
    QCheckBox* m_alpha;
    QCheckBox* m_transparent;
    ColourButton* m_transparentColour;
    QToolButton* m_effects[kPictureEffectCount];
    QLineEdit* m_transparency; // kept hidden: transparency is not offered here

protected:
    void Load() override;

private:
    CImage* Image() const;
    bool IsBackground() const;
    // Writes position and size, then the options, within `edit`.
    void ApplyTo(EditScope& edit);
    // Writes keep aspect ratio, transparency and the two options.
    void ApplyOptions();
    // Takes the picker's colour as the transparent colour; magenta stands for
    // the colour of the picture's top-left pixel.
    void TakeTransparentColour();
    void UpdateTransparentControls();

    PictureEffectRunner* m_effectRunner;
    PictureEditing& m_editing;
};
