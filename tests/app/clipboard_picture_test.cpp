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
    EXPECT_EQ(picture->m_width, -1);
    EXPECT_EQ(picture->m_height, -1);
    EXPECT_EQ(picture->Image().Width(), 5);
    EXPECT_EQ(picture->Image().Height(), 3);
    const RgbQuad topLeft = picture->Image().ReadPixel(0, 2);
    EXPECT_EQ(topLeft.red, 200);
    EXPECT_EQ(picture->Image().ReadPixel(4, 0).blue, 30);
    EXPECT_EQ(MakePictureFromClipboardImage(QImage()), nullptr);
}
