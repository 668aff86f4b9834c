#include "image_test_support.h"

#include "imaging/blend.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

QImage Canvas(int w, int h, QRgb colour) {
    QImage canvas(w, h, QImage::Format_RGB32);
    canvas.fill(colour);
    return canvas;
}

QRgb At(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

TEST(Blend, OpacityHalfMixesWithTheFace) {
    CRasterImage image = MakeRgbImage(2, 2, {0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000});
    QImage device = Canvas(4, 4, qRgb(0, 0, 0));
    QPainter painter(&device);
    ASSERT_TRUE(BlendOntoDevice(image, painter, Canvas(4, 4, qRgb(255, 255, 255)),
                                QRect(1, 1, 2, 2), 128, QRect(0, 0, 4, 4), QPoint(0, 0), false));
    painter.end();
    // (255 × 128 + 255 × 127) >> 8 = 254; (0 × 128 + 255 × 127) >> 8 = 126.
    EXPECT_EQ(At(device, 1, 1), 0xFE7E7Eu);
    EXPECT_EQ(At(device, 0, 0), 0u); // outside the image: untouched
}

TEST(Blend, OpacityFullIsOpaqueAndOptionOffIgnoresOpacity) {
    CRasterImage image = MakeRgbImage(1, 1, {0x102030});
    BlendedSection out;
    ASSERT_TRUE(ComposeSection(image, Canvas(1, 1, qRgb(255, 255, 255)), QRect(0, 0, 1, 1), 255,
                               QRect(0, 0, 1, 1), false, out));
    EXPECT_EQ(At(out.section, 0, 0), 0x102030u);
    image.Info().useAlphaChannel = 0;
    ASSERT_TRUE(ComposeSection(image, Canvas(1, 1, qRgb(255, 255, 255)), QRect(0, 0, 1, 1), 0,
                               QRect(0, 0, 1, 1), false, out));
    EXPECT_EQ(At(out.section, 0, 0), 0x102030u);
}

TEST(Blend, AlphaChannelAndMaximumOpacity) {
    CRasterImage image = MakeRgbImage(3, 1, {0xFF0000, 0xFF0000, 0xFF0000});
    image.AlphaCreate();
    image.Alpha()[0] = 0;
    image.Alpha()[1] = 128;
    BlendedSection out;
    const QImage white = Canvas(3, 1, qRgb(255, 255, 255));
    ASSERT_TRUE(ComposeSection(image, white, QRect(0, 0, 3, 1), 255, QRect(0, 0, 3, 1), true, out));
    EXPECT_EQ(At(out.section, 0, 0), 0xFFFFFFu);
    EXPECT_EQ(At(out.section, 1, 0), 0xFE7E7Eu);
    EXPECT_EQ(At(out.section, 2, 0), 0xFF0000u);
    EXPECT_EQ(qGray(out.mask.pixel(0, 0)), 255); // alpha 0 is left out when printing
    EXPECT_EQ(qGray(out.mask.pixel(1, 0)), 0);
    // Maximum opacity 127 halves every alpha: 255 × 128 >> 8 = 127.
    image.Info().maxOpacity = 127;
    ASSERT_TRUE(
        ComposeSection(image, white, QRect(0, 0, 3, 1), 255, QRect(0, 0, 3, 1), false, out));
    EXPECT_EQ(At(out.section, 2, 0), (((255 * 127 + 255 * 128) >> 8) << 16 |
                                      ((255 * 128) >> 8) << 8 | ((255 * 128) >> 8)));
}

TEST(Blend, TransparentColourOnScreenAndOnPaper) {
    CRasterImage image = MakeRgbImage(2, 1, {0x00FF00, 0x0000FF});
    image.Info().backgroundColor = Rgb(0, 255, 0);
    const QImage face = Canvas(2, 1, qRgb(9, 9, 9));
    BlendedSection out;
    // Option off: the key colour is an ordinary colour.
    ASSERT_TRUE(ComposeSection(image, face, QRect(0, 0, 2, 1), 255, QRect(0, 0, 2, 1), true, out));
    EXPECT_EQ(At(out.section, 0, 0), 0x00FF00u);
    EXPECT_EQ(qGray(out.mask.pixel(0, 0)), 0);
    // Option on: the face shows through on screen, the pixel is masked on paper.
    image.Info().transparentColour = 1;
    ASSERT_TRUE(ComposeSection(image, face, QRect(0, 0, 2, 1), 255, QRect(0, 0, 2, 1), false, out));
    EXPECT_EQ(At(out.section, 0, 0), 0x090909u);
    EXPECT_EQ(At(out.section, 1, 0), 0x0000FFu);

    QImage paper = Canvas(2, 1, qRgb(200, 0, 200));
    QPainter painter(&paper);
    ASSERT_TRUE(BlendOntoDevice(image, painter, face, QRect(0, 0, 2, 1), 255, QRect(0, 0, 2, 1),
                                QPoint(0, 0), true));
    painter.end();
    EXPECT_EQ(At(paper, 0, 0), 0xC800C8u); // masked: the paper keeps its pixel
    EXPECT_EQ(At(paper, 1, 0), 0x0000FFu);
}

TEST(Blend, DevicePixelsMapWithFloorAndCeil) {
    // A 2 x 2 palette image (top row indices 1 2, bottom row 3 4) at 3 x 3.
    CRasterImage image;
    image.Allocate(2, 2, 8, 0);
    for (int i = 1; i <= 4; ++i)
        image.Palette()[i] = Rgb(uint8_t(i * 10), 0, 0);
    image.SetPixelIndex(0, 1, 1);
    image.SetPixelIndex(1, 1, 2);
    image.SetPixelIndex(0, 0, 3);
    image.SetPixelIndex(1, 0, 4);
    BlendedSection out;
    ASSERT_TRUE(ComposeSection(image, Canvas(3, 3, 0), QRect(0, 0, 3, 3), 255, QRect(0, 0, 3, 3),
                               false, out));
    // Columns floor(c × 2 / 3) = 0 0 1; rows 2 − ceil(r × 2 / 3) = 1 0 0.
    const int want[3][3] = {{1, 1, 2}, {3, 3, 4}, {3, 3, 4}};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(qRed(out.section.pixel(x, y)), want[y][x] * 10) << x << "," << y;
}

TEST(Blend, ClipsToTheFaceAndSkipsEmptyDraws) {
    CRasterImage image = MakeRgbImage(2, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF});
    BlendedSection out;
    ASSERT_TRUE(ComposeSection(image, Canvas(4, 4, 0), QRect(-1, -1, 2, 2), 255, QRect(0, 0, 4, 4),
                               false, out));
    EXPECT_EQ(out.visible, QRect(0, 0, 1, 1));
    EXPECT_EQ(At(out.section, 0, 0), 0xFFFFFFu); // bottom-right pixel of the image
    EXPECT_FALSE(ComposeSection(image, Canvas(4, 4, 0), QRect(10, 10, 2, 2), 255, QRect(0, 0, 4, 4),
                                false, out));
    image.Info().enabled = 0;
    EXPECT_FALSE(ComposeSection(image, Canvas(4, 4, 0), QRect(0, 0, 2, 2), 255, QRect(0, 0, 4, 4),
                                false, out));
}

TEST(Blend, IntoBufferSkipsTheKeyIndexAndZeroAlpha) {
    CRasterImage image;
    image.Allocate(3, 1, 8, 0);
    image.Palette()[1] = Rgb(255, 0, 0);
    image.Palette()[2] = Rgb(0, 0, 255);
    image.SetPixelIndex(0, 0, 1);
    image.SetPixelIndex(1, 0, 2);
    image.SetPixelIndex(2, 0, 2);
    image.Info().backgroundIndex = 1;
    image.AlphaCreate();
    image.Alpha()[2] = 0;
    QImage buffer(4, 1, QImage::Format_BGR888);
    buffer.fill(qRgb(7, 7, 7));
    ASSERT_TRUE(BlendIntoBuffer(image, buffer, QRect(1, 0, 3, 1), 255));
    EXPECT_EQ(At(buffer, 0, 0), 0x070707u);
    EXPECT_EQ(At(buffer, 1, 0), 0x070707u); // key colour of the background index
    EXPECT_EQ(At(buffer, 2, 0), 0x0000FFu);
    EXPECT_EQ(At(buffer, 3, 0), 0x070707u); // alpha 0
    // Opacity 128 blends the opaque pixels.
    buffer.fill(qRgb(7, 7, 7));
    ASSERT_TRUE(BlendIntoBuffer(image, buffer, QRect(1, 0, 3, 1), 128));
    EXPECT_EQ(At(buffer, 2, 0),
              uint32_t((7 * 127) >> 8) * 0x010100u | ((255 * 128 + 7 * 127) >> 8));
}

TEST(Blend, ScaledTrueColourDrawsFromTheResampledCopy) {
    CRasterImage image = MakeRgbImage(2, 1, {0x000000, 0xFFFFFF});
    BlendedSection out;
    ASSERT_TRUE(ComposeSection(image, Canvas(4, 1, 0), QRect(0, 0, 4, 1), 255, QRect(0, 0, 4, 1),
                               false, out));
    EXPECT_EQ(At(out.section, 1, 0), 0x808080u);
    EXPECT_EQ(image.CachedWidth(), 4);
}

} // namespace
