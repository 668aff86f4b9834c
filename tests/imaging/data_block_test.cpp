#include "image_test_support.h"

#include "imaging/image_data_block.h"

#include <gtest/gtest.h>

namespace {

uint32_t U32At(const std::vector<uint8_t>& b, size_t at) {
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 |
           uint32_t(b[at + 3]) << 24;
}

TEST(ImageDataBlock, PaletteImagesAreStoredByteForByte) {
    CRasterImage image;
    ASSERT_TRUE(image.DecodeFromFile(ImageFixture("bmp_4.bmp"), kFormatBmp));
    std::vector<uint8_t> block;
    ASSERT_TRUE(WriteImageDataBlock(image, 0, block));
    ASSERT_EQ(U32At(block, 0), image.Dib().size());
    EXPECT_TRUE(std::equal(block.begin() + 4, block.end(), image.Dib().begin(), image.Dib().end()));

    CRasterImage back;
    back.Info().jpegQuality = 33; // the information block stays the caller's
    ByteReader in(block);
    ASSERT_TRUE(ReadImageDataBlock(back, 0, in)) << back.LastError().toStdString();
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_TRUE(
        std::equal(back.Dib().begin(), back.Dib().end(), image.Dib().begin(), image.Dib().end()));
    EXPECT_EQ(back.Info().jpegQuality, 33);
    EXPECT_EQ(back.Stride(), image.Stride());
}

TEST(ImageDataBlock, TrueColourGoesThroughJpegAtQualityHundred) {
    CRasterImage image;
    image.Allocate(16, 16, 24, 0);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            image.WritePixel(x, y, Rgb(uint8_t(x * 16), uint8_t(y * 16), 90));
    std::vector<uint8_t> block;
    ASSERT_TRUE(WriteImageDataBlock(image, 0, block));
    EXPECT_EQ(U32At(block, 0), 0u);
    EXPECT_EQ(U32At(block, 4), block.size() - 8);
    EXPECT_EQ(block[8], 0xFF); // a JPEG stream
    EXPECT_EQ(image.Info().jpegQuality, 100);

    CRasterImage back;
    ByteReader in(block);
    ASSERT_TRUE(ReadImageDataBlock(back, 0, in));
    EXPECT_EQ(back.Info().formatId, kFormatJpeg);
    for (int y = 0; y < 16; y += 5)
        for (int x = 0; x < 16; x += 5) {
            const RgbQuad a = image.ReadPixel(x, y), b = back.ReadPixel(x, y);
            EXPECT_NEAR(a.red, b.red, 12);
            EXPECT_NEAR(a.green, b.green, 12);
            EXPECT_NEAR(a.blue, b.blue, 12);
        }
}

TEST(ImageDataBlock, AlphaOrTransparentColourGoThroughPng) {
    CRasterImage image;
    ASSERT_TRUE(image.DecodeFromFile(ImageFixture("png_rgba.png"), kFormatPng));
    for (int transparent : {0, 1}) {
        const int hasAlpha = transparent ? 0 : 1;
        image.Info().transparentColour = uint8_t(transparent);
        std::vector<uint8_t> block;
        ASSERT_TRUE(WriteImageDataBlock(image, hasAlpha, block));
        EXPECT_EQ(block[9], 'P');
        CRasterImage back;
        back.Info().transparentColour = uint8_t(transparent);
        ByteReader in(block);
        ASSERT_TRUE(ReadImageDataBlock(back, hasAlpha, in));
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x)
                ASSERT_EQ(PixelRgb(back, x, y), PixelRgb(image, x, y));
        ASSERT_TRUE(back.HasAlpha());
        EXPECT_EQ(back.Alpha()[3], 0);
    }
}

TEST(ImageDataBlock, GreyRampImagesAreCompressed) {
    CRasterImage image;
    ASSERT_TRUE(image.DecodeFromFile(ImageFixture("jpeg_grey.jpg"), kFormatJpeg));
    std::vector<uint8_t> block;
    ASSERT_TRUE(WriteImageDataBlock(image, 0, block));
    EXPECT_EQ(U32At(block, 0), 0u);
}

TEST(ImageDataBlock, ShortBlocksFailAndKeepTheImage) {
    CRasterImage image;
    ASSERT_TRUE(image.DecodeFromFile(ImageFixture("bmp_8.bmp"), kFormatBmp));
    std::vector<uint8_t> block;
    ASSERT_TRUE(WriteImageDataBlock(image, 0, block));
    for (size_t cut : {size_t(2), size_t(50), block.size() - 1}) {
        std::vector<uint8_t> shortBlock(block.begin(), block.begin() + long(cut));
        CRasterImage target = MakeRgbImage(1, 1, {0x010203});
        ByteReader in(shortBlock);
        EXPECT_FALSE(ReadImageDataBlock(target, 0, in)) << cut;
        EXPECT_EQ(target.Width(), 1);
        EXPECT_EQ(PixelRgb(target, 0, 0), 0x010203u);
    }
}

} // namespace
