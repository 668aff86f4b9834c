#pragma once

#include "object_panel.h"
#include "picture_editing.h"

class CImage;
class ColourButton;
class PictureEffectRunner;
class PositionFields;
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

    PositionFields* m_position;
    QCheckBox* m_keepAspect;
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
    // Writes position (also as the saved rectangle), keep aspect ratio,
    // transparency and the two options, and draws the face again. The caller
    // takes the undo step.
    void ApplyTo();
    // W or H edited: with keep aspect ratio the other changes by the same amount.
    void SizeEdited(bool widthEdited);
    // Takes the picker's colour as the transparent colour; magenta stands for
    // the colour of the picture's top-left pixel.
    void TakeTransparentColour();
    void UpdateTransparentControls();

    PictureEffectRunner* m_effectRunner;
    PictureEditing& m_editing;
};
