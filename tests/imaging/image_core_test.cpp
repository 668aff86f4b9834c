#include "image_test_support.h"

#include <cstring>

#include <QImage>

#include <gtest/gtest.h>

namespace {

TEST(ImageCore, AllocateRoundsTheBitCountAndPadsRows) {
    const struct {
        int width, bits, wantBits, wantPalette, wantStride;
    } cases[] = {{7, 1, 1, 2, 4},   {33, 1, 1, 2, 8},   {7, 2, 4, 16, 4},  {9, 4, 4, 16, 8},
                 {5, 8, 8, 256, 8}, {5, 16, 24, 0, 16}, {1, 24, 24, 0, 4}, {3, 32, 24, 0, 12}};
    for (const auto& c : cases) {
        CRasterImage image;
        ASSERT_TRUE(image.Allocate(c.width, 3, c.bits, kFormatPng));
        EXPECT_EQ(image.BitCount(), c.wantBits) << c.bits;
        EXPECT_EQ(image.PaletteSize(), c.wantPalette) << c.bits;
        EXPECT_EQ(image.Stride(), c.wantStride) << c.width << " x " << c.bits;
        EXPECT_EQ(int(image.Header().sizeImage), c.wantStride * 3);
        EXPECT_EQ(image.Dib().size(), 40u + 4u * c.wantPalette + size_t(c.wantStride) * 3);
        EXPECT_EQ(image.CachedWidth(), c.width);
        EXPECT_EQ(image.Info().formatId, kFormatPng);
    }
    CRasterImage tooBig;
    EXPECT_FALSE(tooBig.Allocate(30001, 1, 24, 0));
    EXPECT_FALSE(tooBig.IsValid());
    EXPECT_TRUE(tooBig.LastError().startsWith(QStringLiteral("Image too large")));
}

TEST(ImageCore, InformationBlockFieldsSitAtTheirOffsets) {
    CRasterImage image;
    image.Allocate(5, 2, 24, kFormatTga);
    ImageInfo& info = image.Info();
    info.backgroundIndex = 7;
    info.backgroundColor = Rgb(1, 2, 3);
    info.useAlphaChannel = 0;
    info.transparentColour = 1;
    image.SetDpi(300, 150);
    image.SetError("Read Error");
    uint8_t raw[348];
    std::memcpy(raw, &info, sizeof raw);
    auto i32 = [&](int at) {
        int32_t v;
        std::memcpy(&v, raw + at, 4);
        return v;
    };
    EXPECT_EQ(i32(0), 16);          // stride of 5 pixels at 24 bits
    EXPECT_EQ(i32(12), kFormatTga); // format id
    EXPECT_EQ(raw[16], 2);          // true colour
    EXPECT_STREQ(reinterpret_cast<const char*>(raw + 17), "Read Error");
    EXPECT_EQ(i32(284), 7);
    EXPECT_EQ(raw[288], 3); // blue first
    EXPECT_EQ(raw[290], 1);
    EXPECT_EQ(raw[292], 75); // JPEG quality
    EXPECT_EQ(i32(308), 300);
    EXPECT_EQ(i32(312), 150);
    EXPECT_EQ(raw[332], 255); // maximum opacity
    EXPECT_EQ(raw[334], 1);   // painting enabled
    EXPECT_EQ(raw[344], 0);
    EXPECT_EQ(raw[345], 1);
    // Dots per inch to pixels per metre: floor(dpi × 39.37007874015748 + 0.5).
    EXPECT_EQ(image.Header().xPelsPerMeter, 11811);
    EXPECT_EQ(image.Header().yPelsPerMeter, 5906);
    image.SetDpiFromHeader(2835, 3780);
    EXPECT_EQ(image.Info().xDpi, 72);
    EXPECT_EQ(image.Info().yDpi, 96);
    image.AlphaCreate();
    EXPECT_EQ(image.Info().colorType, 4);
    // Found by fuzzing: a file's extreme pixels per metre, converted to dots
    // per inch and back (as a rotation does), saturates instead of overflowing.
    image.SetDpiFromHeader(INT32_MAX, INT32_MIN);
    ASSERT_TRUE(image.RotateLeft());
    EXPECT_EQ(image.Header().xPelsPerMeter, INT32_MAX);
    EXPECT_EQ(image.Header().yPelsPerMeter, INT32_MIN);
}

TEST(ImageCore, ReadPixelOutsideGivesTheBackground) {
    CRasterImage image;
    image.Allocate(2, 2, 8, 0);
    image.Palette()[3] = Rgb(9, 8, 7);
    image.Info().backgroundColor = Rgb(1, 2, 3);
    EXPECT_EQ(PixelRgb(image, -1, 0), 0x010203u);
    image.Info().backgroundIndex = 3;
    EXPECT_EQ(PixelRgb(image, 0, 2), 0x090807u);
    EXPECT_EQ(PixelRgb(image, 0, 0), 0u);
    EXPECT_EQ(image.KeyColour(), Rgb(9, 8, 7));
}

TEST(ImageCore, WritePixelTakesTheNearestPaletteEntry) {
    CRasterImage image;
    image.Allocate(4, 1, 4, 0);
    image.Palette()[0] = Rgb(0, 0, 0);
    image.Palette()[1] = Rgb(100, 0, 0);
    image.Palette()[2] = Rgb(100, 0, 0); // equal distance: the first wins
    image.Palette()[3] = Rgb(200, 200, 200);
    image.WritePixel(0, 0, Rgb(90, 10, 0));
    image.WritePixel(1, 0, Rgb(190, 210, 200));
    image.WritePixel(2, 0, Rgb(10, 0, 0));
    EXPECT_EQ(image.PixelIndex(0, 0), 1);
    EXPECT_EQ(image.PixelIndex(1, 0), 3);
    EXPECT_EQ(image.PixelIndex(2, 0), 0);
}

TEST(ImageCore, QtImagesConvertBothWays) {
    QImage face(3, 2, QImage::Format_RGB32);
    face.fill(qRgb(10, 20, 30));
    face.setPixel(0, 0, qRgb(255, 0, 0)); // top-left
    CRasterImage image;
    ASSERT_TRUE(image.LoadFromQImage(face));
    EXPECT_EQ(image.BitCount(), 24);
    EXPECT_EQ(PixelRgb(image, 0, 1), 0xFF0000u); // top row is DIB row 1
    EXPECT_EQ(PixelRgb(image, 2, 0), 0x0A141Eu);
    image.AlphaCreate();
    image.Alpha()[0] = 7; // bottom-left
    const QImage back = image.ToQImage();
    EXPECT_EQ(back.pixel(0, 0), qRgba(255, 0, 0, 255));
    EXPECT_EQ(qAlpha(back.pixel(0, 1)), 7);
}

} // namespace
