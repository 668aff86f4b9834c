#include "imaging/raster_image.h"
#include "objects/image.h"
#include "view/clipboard_commands.h"

#include <QImage>

#include <gtest/gtest.h>

TEST(ClipboardPicture, AnImageBecomesAPictureOfItsNaturalSize) {
    QImage image(5, 3, QImage::Format_RGB32);
    image.fill(QColor(10, 20, 30));
    image.setPixel(0, 0, qRgb(200, 0, 0));
    const std::unique_ptr<CImage> picture = MakePictureFromClipboardImage(image);
    ASSERT_NE(picture, nullptr);
    const UnitConversion units;
    EXPECT_EQ(picture->Width(), units.PixelsToUnits(5));
    EXPECT_EQ(picture->Height(), -units.PixelsToUnits(3));
    EXPECT_FALSE(picture->Image().HasAlpha());
    EXPECT_EQ(picture->Image().Width(), 5);
    EXPECT_EQ(picture->Image().Height(), 3);
    const RgbQuad topLeft = picture->Image().ReadPixel(0, 2);
    EXPECT_EQ(topLeft.red, 200);
    EXPECT_EQ(picture->Image().ReadPixel(4, 0).blue, 30);
    EXPECT_EQ(MakePictureFromClipboardImage(QImage()), nullptr);
}

// A PNG with transparency pasted from another program kept its colours and
// lost its alpha: the transparent parts turned black.
TEST(ClipboardPicture, TransparencyIsKeptAsTheAlphaChannel) {
    QImage image(4, 2, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setPixel(1, 0, qRgba(255, 128, 0, 255));
    image.setPixel(2, 1, qRgba(0, 0, 200, 100));
    for (QImage::Format format : {QImage::Format_ARGB32, QImage::Format_ARGB32_Premultiplied}) {
        const std::unique_ptr<CImage> picture =
            MakePictureFromClipboardImage(image.convertToFormat(format));
        ASSERT_NE(picture, nullptr);
        const CRasterImage& pixels = picture->Image();
        ASSERT_TRUE(pixels.HasAlpha());
        EXPECT_EQ(pixels.Info().useAlphaChannel, 1);
        EXPECT_EQ(pixels.Info().colorType, 4);
        // Rows bottom-up: the top row is row 1.
        EXPECT_EQ(pixels.Alpha()[1 * 4 + 0], 0);
        EXPECT_EQ(pixels.Alpha()[1 * 4 + 1], 255);
        EXPECT_EQ(pixels.Alpha()[0 * 4 + 2], 100);
        EXPECT_EQ(pixels.ReadPixel(1, 1), (RgbQuad{0, 128, 255, 0}));
        EXPECT_NEAR(pixels.ReadPixel(2, 0).blue, 200, 2); // not premultiplied
    }
}
