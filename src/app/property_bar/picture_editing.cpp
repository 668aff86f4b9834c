#include "picture_editing.h"

#include "imaging/raster_image.h"
#include "objects/image.h"

namespace {

class ImageEditing : public PictureEditing {
public:
    PictureOptions Options(const CImage& image) const override {
        PictureOptions options;
        options.keepAspectRatio = image.KeepAspectRatio();
        options.transparency = image.Transparency();
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
};

} // namespace

PictureEditing& DefaultPictureEditing() {
    static ImageEditing editing;
    return editing;
}
