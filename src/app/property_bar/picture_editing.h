#pragma once

#include <QtGlobal>

class CImage;

// The image effects of the picture panel's buttons, in button order.
enum class PictureEffect : int {
    kFlip,
    kMirror,
    kRotateLeft,
    kRotateRight,
    kLighten,
    kDarken,
    kSoften,
    kSharpen,
    kNegative,
    kGrayscale,
};
inline constexpr int kPictureEffectCount = 10;

// The picture options the panel edits.
struct PictureOptions {
    int keepAspectRatio = 1;
    int transparency = 0; // 0 opaque ... 255 invisible
    bool useAlphaChannel = true;
    bool transparentColourOn = false;
};

// What the picture panel needs from a picture beyond its position: its
// options, its pixels' alpha channel and corner colour, and the effects.
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
    // Runs `effect` on the image's pixels. The rotations also exchange the
    // object's width and height, unless it is a face's background picture.
    virtual void RunEffect(CImage& image, PictureEffect effect) = 0;
};

// The editing of real pictures: options in the image's information block,
// effects through the image's transforms.
PictureEditing& DefaultPictureEditing();
