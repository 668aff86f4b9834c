#include "app/property_bar/picture_editing.h"
#include "imaging/raster_image.h"
#include "objects/image.h"
#include "support/picture_test_access.h"

#include <gtest/gtest.h>

namespace {

// 4 × 2 pixels: the bottom-left one red, the rest white.
std::unique_ptr<CImage> Picture(int w, int h) {
    CRasterImage image;
    image.Allocate(4, 2, 24, kFormatBmp);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            image.WritePixel(x, y, RgbQuad{255, 255, 255, 0});
    image.WritePixel(0, 0, RgbQuad{0, 0, 255, 0});
    auto picture = std::make_unique<CImage>(0, 0, w, -h);
    picture->SetImage(std::move(image));
    PictureTestAccess::SetRecord(*picture, "stale");
    return picture;
}

} // namespace

TEST(PictureEditing, RotationsTurnThePictureAndItsSizeUnlessBackground) {
    for (PictureEffect effect : {PictureEffect::kRotateLeft, PictureEffect::kRotateRight}) {
        auto picture = Picture(4000, 3000);
        picture->RunEffect(effect);
        EXPECT_EQ(picture->Width(), 3000);
        EXPECT_EQ(picture->Height(), -4000);
        EXPECT_EQ(picture->Image().Width(), 2);
        EXPECT_EQ(picture->Image().Height(), 4);
        EXPECT_TRUE(picture->EncodedRecord().isEmpty());

        auto background = Picture(4000, 3000);
        background->SetIsBackground(1);
        background->RunEffect(effect);
        EXPECT_EQ(background->Width(), 4000);
        EXPECT_EQ(background->Height(), -3000);
        EXPECT_EQ(background->Image().Width(), 2);
    }
}

TEST(PictureEditing, EffectsChangePixelsAndOptionsLiveInTheImage) {
    PictureEditing& editing = DefaultPictureEditing();
    auto picture = Picture(100, 100);
    EXPECT_EQ(editing.CornerPixel(*picture), 0x0000FFu); // red as 0x00BBGGRR
    picture->RunEffect(PictureEffect::kMirror);
    EXPECT_EQ(editing.CornerPixel(*picture), 0xFFFFFFu);
    picture->RunEffect(PictureEffect::kMirror);
    picture->RunEffect(PictureEffect::kNegative);
    EXPECT_EQ(editing.CornerPixel(*picture), 0xFFFF00u);
    picture->RunEffect(PictureEffect::kGrayscale);
    EXPECT_EQ(picture->Image().BitCount(), 8);
    picture->RunEffect(PictureEffect::kDarken);
    picture->RunEffect(PictureEffect::kSoften);

    PictureOptions options = editing.Options(*picture);
    EXPECT_TRUE(options.useAlphaChannel);
    EXPECT_FALSE(options.transparentColourOn);
    EXPECT_EQ(options.keepAspectRatio, 1);
    options.useAlphaChannel = false;
    options.transparentColourOn = true;
    options.keepAspectRatio = 0;
    PictureTestAccess::SetRecord(*picture, "stale");
    editing.SetOptions(*picture, options);
    EXPECT_TRUE(picture->EncodedRecord().isEmpty());
    EXPECT_EQ(picture->Image().Info().useAlphaChannel, 0);
    EXPECT_EQ(picture->Image().Info().transparentColour, 1);
    EXPECT_EQ(picture->KeepAspectRatio(), 0);
    editing.SetTransparentColour(*picture, 0x123456);
    EXPECT_EQ(editing.TransparentColour(*picture), 0x123456u);
}
