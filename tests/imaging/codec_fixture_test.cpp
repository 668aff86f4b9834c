#include "image_test_support.h"

#include "imaging/image_codec.h"

#include <gtest/gtest.h>

namespace {

// The fixtures' picture (see tests/data/images/make_fixtures.sh).
constexpr uint32_t kColours[8] = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF,
                                  0xFFFF00, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
uint32_t ExpectedColour(int x, int topRow) {
    return kColours[(x + 3 * topRow) % 8];
}
uint32_t ExpectedBw(int x, int topRow) {
    return (x + topRow) % 2 ? 0xFFFFFF : 0x000000;
}
int ExpectedAlpha(int x) {
    return x < 3 ? 255 : x == 3 ? 0 : 128;
}

enum class Content { Colours, BlackWhite };

struct Fixture {
    const char* file;
    int format;
    int bits;
    Content content;
    bool alpha; // the alpha pattern is expected
    int frame = 0;
    int dpi = 0; // checked when not 0
};

class CodecFixture : public testing::TestWithParam<Fixture> {};

TEST_P(CodecFixture, DecodesEveryPixel) {
    const Fixture& f = GetParam();
    CRasterImage image;
    image.SetFrame(f.frame);
    ASSERT_TRUE(image.DecodeFromFile(ImageFixture(f.file), f.format))
        << f.file << ": " << image.LastError().toStdString();
    EXPECT_EQ(image.Width(), 7);
    EXPECT_EQ(image.Height(), 5);
    EXPECT_EQ(image.BitCount(), f.bits) << f.file;
    EXPECT_EQ(image.Info().formatId, f.format);
    EXPECT_EQ(image.HasAlpha(), f.alpha) << f.file;
    EXPECT_EQ(image.Info().colorType, f.bits == 24 ? (f.alpha ? 4 : 2) : 1);
    if (f.dpi) {
        EXPECT_EQ(image.Info().xDpi, f.dpi) << f.file;
    }
    for (int y = 0; y < 5; ++y) {
        const int top = 4 - y;
        for (int x = 0; x < 7; ++x) {
            const uint32_t want =
                f.content == Content::Colours ? ExpectedColour(x, top) : ExpectedBw(x, top);
            ASSERT_EQ(PixelRgb(image, x, y), want) << f.file << " at " << x << "," << top;
            if (f.alpha) {
                ASSERT_EQ(image.Alpha()[y * 7 + x], ExpectedAlpha(x)) << f.file << " x " << x;
            }
        }
    }
}

constexpr Content C = Content::Colours, BW = Content::BlackWhite;

INSTANTIATE_TEST_SUITE_P(
    Formats, CodecFixture,
    testing::Values(Fixture{"bmp_24.bmp", kFormatBmp, 24, C, false, 0, 300},
                    Fixture{"bmp_24_top_down.bmp", kFormatBmp, 24, C, false, 0, 72},
                    Fixture{"bmp_8.bmp", kFormatBmp, 8, C, false},
                    Fixture{"bmp_8_rle.bmp", kFormatBmp, 8, C, false},
                    Fixture{"bmp_4.bmp", kFormatBmp, 4, C, false},
                    Fixture{"bmp_4_rle.bmp", kFormatBmp, 4, C, false},
                    Fixture{"bmp_1.bmp", kFormatBmp, 1, BW, false},
                    Fixture{"bmp_os2.bmp", kFormatBmp, 24, C, false},
                    Fixture{"bmp_os2_8.bmp", kFormatBmp, 8, C, false},
                    Fixture{"bmp_16.bmp", kFormatBmp, 24, C, false},
                    Fixture{"bmp_16_565.bmp", kFormatBmp, 24, C, false},
                    Fixture{"bmp_16_plain.bmp", kFormatBmp, 24, C, false},
                    Fixture{"bmp_32_alpha.bmp", kFormatBmp, 24, C, false},
                    Fixture{"gif_8.gif", kFormatGif, 4, C, false},
                    Fixture{"gif_interlaced.gif", kFormatGif, 4, C, false},
                    Fixture{"gif_two_frames.gif", kFormatGif, 4, C, false, 0},
                    Fixture{"gif_two_frames.gif", kFormatGif, 1, BW, false, 1},
                    Fixture{"png_rgb.png", kFormatPng, 24, C, false},
                    Fixture{"png_rgba.png", kFormatPng, 24, C, true},
                    Fixture{"png_palette.png", kFormatPng, 4, C, false},
                    Fixture{"png_interlaced.png", kFormatPng, 24, C, false},
                    Fixture{"png_grey16.png", kFormatPng, 8, BW, false},
                    Fixture{"ico_32.ico", kFormatIco, 24, C, true},
                    Fixture{"ico_8.ico", kFormatIco, 4, C, false},
                    Fixture{"tiff_rgb.tif", kFormatTiff, 24, C, false, 0, 150},
                    Fixture{"tiff_alpha.tif", kFormatTiff, 24, C, true},
                    Fixture{"tiff_palette_strips.tif", kFormatTiff, 24, C, false},
                    Fixture{"tiff_two_pages.tif", kFormatTiff, 24, BW, false, 1},
                    Fixture{"tga_24.tga", kFormatTga, 24, C, false},
                    Fixture{"tga_24_rle.tga", kFormatTga, 24, C, false},
                    Fixture{"tga_32.tga", kFormatTga, 24, C, true},
                    Fixture{"tga_32_rle.tga", kFormatTga, 24, C, true},
                    Fixture{"tga_mapped.tga", kFormatTga, 8, C, false},
                    Fixture{"tga_mapped_rle.tga", kFormatTga, 8, C, false},
                    Fixture{"tga_grey.tga", kFormatTga, 8, BW, false},
                    Fixture{"tga_grey_rle.tga", kFormatTga, 8, BW, false},
                    Fixture{"pcx_24.pcx", kFormatPcx, 24, C, false},
                    Fixture{"pcx_8.pcx", kFormatPcx, 8, C, false},
                    Fixture{"pcx_4_planes.pcx", kFormatPcx, 4, C, false},
                    Fixture{"pcx_1.pcx", kFormatPcx, 1, BW, false}),
    [](const testing::TestParamInfo<Fixture>& info) {
        std::string name = info.param.file;
        for (char& c : name)
            if (!isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name + "_frame" + std::to_string(info.param.frame);
    });

TEST(CodecFixtures, SixteenBitTgaKeepsItsAttributeBitAsAlpha) {
    CRasterImage image;
    ASSERT_TRUE(image.DecodeFromFile(ImageFixture("tga_16.tga"), kFormatTga));
    ASSERT_TRUE(image.HasAlpha());
    EXPECT_EQ(image.Alpha()[4 * 7 + 0], 255);
    EXPECT_EQ(image.Alpha()[4 * 7 + 5], 0);
    EXPECT_EQ(PixelRgb(image, 1, 4), kColours[1]); // top row, x = 1
}

TEST(CodecFixtures, IconMaskMakesPixelsTransparent) {
    // One 2 x 1 icon of 1 bit: colour indices 1 0, mask bits 0 1.
    std::vector<uint8_t> ico = {0, 0, 1, 0, 1, 0, 2, 1, 2, 0, 1, 0, 1, 0, 0, 0, 0, 0, 22, 0, 0, 0};
    const uint8_t header[40] = {40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 1, 0};
    ico.insert(ico.end(), header, header + 40);
    for (uint8_t b : {0, 0, 0, 0, 255, 255, 255, 0}) // black, white
        ico.push_back(b);
    for (uint8_t b : {0x80, 0, 0, 0}) // colour row
        ico.push_back(b);
    for (uint8_t b : {0x40, 0, 0, 0}) // mask row
        ico.push_back(b);
    CRasterImage image;
    ASSERT_TRUE(image.DecodeFrom(ico, kFormatIco)) << image.LastError().toStdString();
    EXPECT_EQ(image.BitCount(), 1);
    EXPECT_EQ(PixelRgb(image, 0, 0), 0xFFFFFFu);
    ASSERT_TRUE(image.HasAlpha());
    EXPECT_EQ(image.Alpha()[0], 255);
    EXPECT_EQ(image.Alpha()[1], 0);
}

TEST(CodecFixtures, GifTransparentIndexBecomesTheBackgroundIndex) {
    CRasterImage image;
    ASSERT_TRUE(image.DecodeFromFile(ImageFixture("gif_transparent.gif"), kFormatGif));
    ASSERT_GE(image.Info().backgroundIndex, 0);
    EXPECT_EQ(image.PixelIndex(1, 4), image.Info().backgroundIndex); // the red pixel
    EXPECT_NE(image.PixelIndex(2, 4), image.Info().backgroundIndex);
}

TEST(CodecFixtures, GreyJpegGetsTheIdentityGreyPalette) {
    CRasterImage image;
    ASSERT_TRUE(image.DecodeFromFile(ImageFixture("jpeg_grey.jpg"), kFormatJpeg));
    EXPECT_EQ(image.BitCount(), 8);
    EXPECT_TRUE(image.IsGreyRamp());
}

TEST(CodecFixtures, JpegColourSpacesLookAlike) {
    // An Adobe CMYK file comes out as the RGB file does.
    for (const char* file : {"jpeg_flat_rgb.jpg", "jpeg_flat_cmyk.jpg"}) {
        CRasterImage image;
        ASSERT_TRUE(image.DecodeFromFile(ImageFixture(file), kFormatJpeg)) << file;
        EXPECT_EQ(image.BitCount(), 24);
        const RgbQuad c = image.ReadPixel(8, 8);
        EXPECT_NEAR(c.red, 200, 8) << file;
        EXPECT_NEAR(c.green, 100, 8) << file;
        EXPECT_NEAR(c.blue, 50, 8) << file;
    }
}

TEST(CodecFixtures, JpegDensityInCentimetresBecomesDotsPerInch) {
    CRasterImage image;
    ASSERT_TRUE(image.DecodeFromFile(ImageFixture("jpeg_rgb.jpg"), kFormatJpeg));
    EXPECT_EQ(image.Info().xDpi, 300); // 118 per cm
    EXPECT_EQ(image.Header().xPelsPerMeter, 11811);
}

TEST(CodecFixtures, PackedDibLoadsLikeTheFile) {
    CRasterImage image;
    ASSERT_TRUE(image.LoadFromPackedDib(ReadFixtureBytes("dib_8.dib")));
    EXPECT_EQ(image.BitCount(), 8);
    EXPECT_EQ(PixelRgb(image, 2, 4), ExpectedColour(2, 0));
    EXPECT_EQ(image.Info().xDpi, 72); // 2835 per metre
}

TEST(CodecFixtures, PackedDibWithMasksBecomesTwentyFourBits) {
    // 2 x 1, 32 bits, masks red 0xFF, green 0xFF00, blue 0xFF0000.
    std::vector<uint8_t> dib = {40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 32, 0, 3, 0, 0, 0};
    dib.resize(40, 0);
    for (uint32_t mask : {0xFFu, 0xFF00u, 0xFF0000u})
        for (int i = 0; i < 4; ++i)
            dib.push_back(uint8_t(mask >> (8 * i)));
    for (uint8_t b : {0x10, 0x20, 0x30, 0x00, 0xAA, 0xBB, 0xCC, 0x00})
        dib.push_back(b);
    CRasterImage image;
    ASSERT_TRUE(image.LoadFromPackedDib(dib)) << image.LastError().toStdString();
    EXPECT_EQ(image.BitCount(), 24);
    EXPECT_EQ(PixelRgb(image, 0, 0), 0x102030u);
    EXPECT_EQ(PixelRgb(image, 1, 0), 0xAABBCCu);
}

TEST(CodecFixtures, FormatsAreFoundByExtensionAndBySignature) {
    EXPECT_EQ(ImageFormatFromExtension(QStringLiteral("a/B.JPG")), kFormatJpeg);
    EXPECT_EQ(ImageFormatFromExtension(QStringLiteral("x.tiff")), kFormatTiff);
    EXPECT_EQ(ImageFormatFromExtension(QStringLiteral("x.jpe")), -1);
    EXPECT_EQ(ImageFormatFromExtension(QStringLiteral("noextension")), -1);
    const struct {
        const char* file;
        int format;
    } sniffed[] = {{"bmp_24.bmp", kFormatBmp},    {"gif_8.gif", kFormatGif},
                   {"jpeg_rgb.jpg", kFormatJpeg}, {"png_rgb.png", kFormatPng},
                   {"ico_32.ico", kFormatIco},    {"tiff_rgb.tif", kFormatTiff},
                   {"tga_24.tga", kFormatTga},    {"pcx_24.pcx", kFormatPcx}};
    for (const auto& s : sniffed)
        EXPECT_EQ(SniffImageFormat(ReadFixtureBytes(s.file)), s.format) << s.file;
}

TEST(CodecFixtures, EncodersRoundTrip) {
    CRasterImage image;
    ASSERT_TRUE(image.DecodeFromFile(ImageFixture("png_rgba.png"), kFormatPng));
    std::vector<uint8_t> png;
    ASSERT_TRUE(image.EncodeTo(png, kFormatPng));
    CRasterImage back;
    ASSERT_TRUE(back.DecodeFrom(png, kFormatPng));
    ASSERT_TRUE(back.HasAlpha());
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) {
            EXPECT_EQ(PixelRgb(back, x, y), PixelRgb(image, x, y));
            EXPECT_EQ(back.Alpha()[y * 7 + x], image.Alpha()[y * 7 + x]);
        }

    CRasterImage palette;
    ASSERT_TRUE(palette.DecodeFromFile(ImageFixture("bmp_8.bmp"), kFormatBmp));
    std::vector<uint8_t> bytes;
    EXPECT_FALSE(palette.EncodeTo(bytes, kFormatJpeg));
    EXPECT_EQ(palette.LastError(), QStringLiteral("JPEG can save only RGB or GreyScale images"));
    EXPECT_FALSE(palette.EncodeTo(bytes, kFormatBmp));
    EXPECT_EQ(palette.LastError(), QStringLiteral("Unsupported operation for this format"));
    ASSERT_TRUE(palette.EncodeTo(bytes, kFormatPng));
    ASSERT_TRUE(back.DecodeFrom(bytes, kFormatPng));
    EXPECT_EQ(PixelRgb(back, 3, 2), PixelRgb(palette, 3, 2));
}

} // namespace
