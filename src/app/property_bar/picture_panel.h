#pragma once

#include "object_panel.h"
#include "picture_editing.h"

class CImage;
class ColourButton;
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
    // Runs one effect as its button does.
    void RunEffect(PictureEffect effect);

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

    PictureEditing& m_editing;
};
