#include "image_test_support.h"

#include <gtest/gtest.h>

namespace {

// 3 x 2, top row A B C, bottom row D E F; alpha 1..6 in the same order.
CRasterImage Sample() {
    CRasterImage image = MakeRgbImage(3, 2, {0xA, 0xB, 0xC, 0xD, 0xE, 0xF});
    image.AlphaCreate();
    const uint8_t alpha[6] = {4, 5, 6, 1, 2, 3}; // rows bottom-up
    std::copy(alpha, alpha + 6, image.Alpha());
    return image;
}

std::vector<uint32_t> TopDown(const CRasterImage& image) {
    std::vector<uint32_t> out;
    for (int y = image.Height() - 1; y >= 0; --y)
        for (int x = 0; x < image.Width(); ++x)
            out.push_back(PixelRgb(image, x, y) | uint32_t(image.Alpha()[y * image.Width() + x])
                                                      << 24);
    return out;
}

uint32_t P(uint32_t colour, uint32_t alpha) {
    return colour | alpha << 24;
}

TEST(Transforms, GeometryMovesPixelsAndAlphaTogether) {
    const uint32_t A = P(0xA, 1), B = P(0xB, 2), C = P(0xC, 3), D = P(0xD, 4), E = P(0xE, 5),
                   F = P(0xF, 6);
    const struct {
        const char* name;
        bool (CRasterImage::*transform)();
        int width;
        std::vector<uint32_t> want;
    } cases[] = {
        {"flip", &CRasterImage::Flip, 3, {D, E, F, A, B, C}},
        {"mirror", &CRasterImage::Mirror, 3, {C, B, A, F, E, D}},
        {"rotate left", &CRasterImage::RotateLeft, 2, {C, F, B, E, A, D}},
        {"rotate right", &CRasterImage::RotateRight, 2, {D, A, E, B, F, C}},
    };
    for (const auto& c : cases) {
        CRasterImage image = Sample();
        ASSERT_TRUE((image.*c.transform)()) << c.name;
        EXPECT_EQ(image.Width(), c.width) << c.name;
        EXPECT_EQ(TopDown(image), c.want) << c.name;
    }
    CRasterImage empty;
    EXPECT_FALSE(empty.Flip());
    EXPECT_FALSE(empty.GrayScale());
}

TEST(Transforms, MirrorAndRotateHandlePackedIndices) {
    CRasterImage image;
    image.Allocate(5, 1, 1, 0);
    image.SetPixelIndex(0, 0, 1);
    image.SetPixelIndex(1, 0, 1);
    ASSERT_TRUE(image.Mirror());
    EXPECT_EQ(image.PixelIndex(4, 0), 1);
    EXPECT_EQ(image.PixelIndex(3, 0), 1);
    EXPECT_EQ(image.PixelIndex(0, 0), 0);
    ASSERT_TRUE(image.RotateLeft());
    EXPECT_EQ(image.Width(), 1);
    EXPECT_EQ(image.Height(), 5);
    EXPECT_EQ(image.PaletteSize(), 2);
    // old (x, y) = (y', newWidth - 1 - x') = (y', 0): old column 4 is new row 4.
    EXPECT_EQ(image.PixelIndex(0, 4), 1);
    EXPECT_EQ(image.PixelIndex(0, 0), 0);
}

TEST(Transforms, LightTruncatesAndClamps) {
    const struct {
        int value, brightness, contrast, want;
    } cases[] = {
        {200, 20, 100, 220}, {250, 20, 100, 255}, {10, -20, 100, 0},
        {200, 0, 50, 164},   {129, 0, 50, 128},  // 128.5 truncates
        {0, 0, 150, 0},      {127, 0, 150, 126}, // 126.5 truncates
        {100, -20, 100, 80},
    };
    for (const auto& c : cases) {
        CRasterImage image = MakeRgbImage(1, 1, {uint32_t(c.value) * 0x010101u});
        ASSERT_TRUE(image.Light(c.brightness, c.contrast));
        EXPECT_EQ(PixelRgb(image, 0, 0), uint32_t(c.want) * 0x010101u)
            << c.value << " " << c.brightness << " " << c.contrast;
    }
    // Palette images change their palette only.
    CRasterImage palette;
    palette.Allocate(1, 1, 8, 0);
    palette.Palette()[0] = Rgb(100, 100, 100);
    palette.Light(20, 100);
    EXPECT_EQ(palette.Palette()[0], Rgb(120, 120, 120));
    EXPECT_EQ(palette.PixelIndex(0, 0), 0);
}

TEST(Transforms, SharpenKeepsTheInteriorAndDarkensTheBorder) {
    CRasterImage image;
    image.Allocate(4, 4, 24, 0);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            image.WritePixel(x, y, Rgb(70, 70, 70));
    const int sharpen[9] = {-1, -1, -1, -1, 15, -1, -1, -1, -1};
    ASSERT_TRUE(image.Filter(sharpen, 7, 0));
    EXPECT_EQ(PixelRgb(image, 1, 1), 0x464646u); // (15 - 8) × 70 / 7
    EXPECT_EQ(PixelRgb(image, 2, 2), 0x464646u);
    // Neighbours outside read as the background colour, so the border moves
    // away from it: on black, (15 − 5) × 70 / 7 = 100.
    EXPECT_EQ(PixelRgb(image, 0, 1), 0x646464u);
    // Corner with a white background: (15 × 70 − 3 × 70 − 5 × 255) / 7.
    CRasterImage light;
    light.Allocate(3, 3, 24, 0);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            light.WritePixel(x, y, Rgb(70, 70, 70));
    light.Info().backgroundColor = Rgb(255, 255, 255);
    ASSERT_TRUE(light.Filter(sharpen, 7, 0));
    EXPECT_EQ(PixelRgb(light, 0, 0), 0u); // (1050 - 210 - 1275) / 7 < 0
    EXPECT_EQ(PixelRgb(light, 1, 1), 0x464646u);
    EXPECT_EQ(light.Info().progress, 100);
}

TEST(Transforms, SoftenDividesWithIntegerTruncation) {
    CRasterImage image = MakeRgbImage(3, 3, {0, 0, 0, 0, 0x640000, 0, 0, 0, 0});
    const int soften[9] = {1, 1, 1, 1, 8, 1, 1, 1, 1};
    ASSERT_TRUE(image.Filter(soften, 16, 0));
    EXPECT_EQ(PixelRgb(image, 1, 1), 0x320000u); // 800 / 16
    EXPECT_EQ(PixelRgb(image, 0, 0), 0x060000u); // 100 / 16 = 6
}

TEST(Transforms, NegativeInvertsByKind) {
    CRasterImage rgb = MakeRgbImage(1, 1, {0x102030});
    rgb.Info().backgroundColor = Rgb(0, 0, 255);
    ASSERT_TRUE(rgb.Negative());
    EXPECT_EQ(PixelRgb(rgb, 0, 0), 0xEFDFCFu);
    EXPECT_EQ(rgb.Info().backgroundColor, Rgb(255, 255, 0));

    CRasterImage palette;
    palette.Allocate(1, 1, 8, 0);
    palette.Palette()[0] = Rgb(10, 20, 30);
    ASSERT_TRUE(palette.Negative());
    EXPECT_EQ(palette.Palette()[0], Rgb(245, 235, 225));

    CRasterImage grey;
    grey.Allocate(2, 1, 8, 0);
    for (int i = 0; i < 256; ++i)
        grey.Palette()[i] = Rgb(uint8_t(i), uint8_t(i), uint8_t(i));
    grey.SetPixelIndex(0, 0, 10);
    ASSERT_TRUE(grey.Negative());
    EXPECT_EQ(grey.PixelIndex(0, 0), 245);
    EXPECT_EQ(grey.PixelIndex(1, 0), 255);
    EXPECT_TRUE(grey.IsGreyRamp());
}

TEST(Transforms, GrayScaleUsesTheIntegerWeights) {
    CRasterImage rgb = MakeRgbImage(2, 1, {0xFF0000, 0x0A141E});
    rgb.AlphaCreate();
    ASSERT_TRUE(rgb.GrayScale());
    EXPECT_EQ(rgb.BitCount(), 8);
    EXPECT_TRUE(rgb.IsGreyRamp());
    EXPECT_TRUE(rgb.HasAlpha());
    EXPECT_EQ(rgb.PixelIndex(0, 0), 76); // 255 × 30 / 100
    EXPECT_EQ(rgb.PixelIndex(1, 0), (20 * 59 + 30 * 11 + 10 * 30) / 100);

    CRasterImage palette;
    palette.Allocate(2, 1, 4, 0);
    palette.Palette()[1] = Rgb(0, 255, 0);
    palette.Palette()[2] = Rgb(0, 0, 255);
    palette.SetPixelIndex(0, 0, 1);
    palette.SetPixelIndex(1, 0, 2);
    palette.Info().backgroundIndex = 2;
    ASSERT_TRUE(palette.GrayScale());
    EXPECT_EQ(palette.BitCount(), 8);
    EXPECT_EQ(palette.PixelIndex(0, 0), 150); // 255 × 59 / 100
    EXPECT_EQ(palette.PixelIndex(1, 0), 28);
    EXPECT_EQ(palette.Info().backgroundIndex, 28);
}

} // namespace
