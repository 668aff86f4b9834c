#include "picture_editing.h"

#include "imaging/raster_image.h"
#include "objects/image.h"

namespace {

class ImageEditing : public PictureEditing {
public:
    PictureOptions Options(const CImage& image) const override {
        PictureOptions options;
        options.keepAspectRatio = image.m_keepAspectRatio;
        options.transparency = image.m_transparency;
        options.useAlphaChannel = image.Image().Info().useAlphaChannel != 0;
        options.transparentColourOn = image.Image().Info().transparentColour != 0;
        return options;
    }

    void SetOptions(CImage& image, const PictureOptions& options) override {
        image.SetKeepAspectRatio(options.keepAspectRatio);
        image.SetTransparency(options.transparency);
        image.SetUseAlphaChannel(options.useAlphaChannel);
        image.SetTransparentColourOption(options.transparentColourOn);
    }

    bool HasAlphaChannel(const CImage& image) const override { return image.Image().HasAlpha(); }

    quint32 TransparentColour(const CImage& image) const override {
        return ColourRefOf(image.Image().KeyColour());
    }

    void SetTransparentColour(CImage& image, quint32 colour) override {
        image.SetTransparentColour(colour);
    }

    quint32 CornerPixel(const CImage& image) const override {
        return ColourRefOf(image.Image().ReadPixel(0, 0));
    }

    void RunEffect(CImage& image, PictureEffect effect) override {
        static constexpr int kSoften[9] = {1, 1, 1, 1, 8, 1, 1, 1, 1};
        static constexpr int kSharpen[9] = {-1, -1, -1, -1, 15, -1, -1, -1, -1};
        if (!image.Image().IsValid())
            return;
        CRasterImage& pixels = image.EditImage();
        pixels.Info().progress = 0;
        pixels.Info().escape = 0;
        bool turned = false;
        switch (effect) {
        case PictureEffect::kFlip:
            pixels.Flip();
            break;
        case PictureEffect::kMirror:
            pixels.Mirror();
            break;
        case PictureEffect::kRotateLeft:
            turned = pixels.RotateLeft();
            break;
        case PictureEffect::kRotateRight:
            turned = pixels.RotateRight();
            break;
        case PictureEffect::kLighten:
            pixels.Light(20, 100);
            break;
        case PictureEffect::kDarken:
            pixels.Light(-20, 100);
            break;
        case PictureEffect::kSoften:
            pixels.Filter(kSoften, 16, 0);
            break;
        case PictureEffect::kSharpen:
            pixels.Filter(kSharpen, 7, 0);
            break;
        case PictureEffect::kNegative:
            pixels.Negative();
            break;
        case PictureEffect::kGrayscale:
            pixels.GrayScale();
            break;
        }
        // The next paint resamples the changed pixels.
        pixels.ResetCache();
        // A background picture keeps covering its face; a picture whose size
        // is still unknown takes the turned size at its first paint.
        const bool natural = image.m_width == -1 && image.m_height == -1;
        if (turned && image.m_isBackground == 0 && !natural) {
            const int width = image.m_width;
            image.m_width = -image.m_height;
            image.m_height = -width;
        }
    }
};

} // namespace

PictureEditing& DefaultPictureEditing() {
    static ImageEditing editing;
    return editing;
}
