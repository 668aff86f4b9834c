#pragma once

#include "objects/picture_effects.h"

#include <QtGlobal>

class CImage;

// The picture options the panel edits.
struct PictureOptions {
    int keepAspectRatio = 1;
    int transparency = 0; // 0 opaque ... 255 invisible
    bool useAlphaChannel = true;
    bool transparentColourOn = false;
};

// What the picture panel needs from a picture beyond its position: its
// options and its pixels' alpha channel and corner colour. (The effects run
// on the picture itself, away from the window: see PictureEffectRunner.)
// Colours are 0x00BBGGRR.
class PictureEditing {
public:
    virtual ~PictureEditing() = default;

    virtual PictureOptions Options(const CImage& image) const = 0;
    virtual void SetOptions(CImage& image, const PictureOptions& options) = 0;
    virtual bool HasAlphaChannel(const CImage& image) const = 0;
    virtual quint32 TransparentColour(const CImage& image) const = 0;
    virtual void SetTransparentColour(CImage& image, quint32 colour) = 0;
    // The colour of the image's pixel at (0, 0).
    virtual quint32 CornerPixel(const CImage& image) const = 0;
};

// The editing of real pictures: options in the image's information block,
// effects through the image's transforms.
PictureEditing& DefaultPictureEditing();
