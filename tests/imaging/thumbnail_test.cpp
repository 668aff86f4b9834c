#include "image_test_support.h"

#include "imaging/thumbnail.h"

#include <gtest/gtest.h>

namespace {

std::vector<uint8_t> GradientJpeg(int w, int h) {
    CRasterImage image;
    image.Allocate(w, h, 24, kFormatBmp);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.WritePixel(x, y, Rgb(uint8_t(x * 255 / w), uint8_t(y * 255 / h), 128));
    std::vector<uint8_t> bytes;
    image.EncodeTo(bytes, kFormatJpeg);
    return bytes;
}

} // namespace

TEST(DecodeHint, JpegDecodesAtTheSmallestFractionStillLargeEnough) {
    const auto bytes = GradientJpeg(400, 300);
    struct Case {
        int hintW, hintH, w, h;
    } cases[] = {{0, 0, 400, 300},    {50, 30, 50, 38},    {51, 30, 100, 75},  {100, 75, 100, 75},
                 {100, 80, 200, 150}, {150, 10, 200, 150}, {300, 10, 400, 300}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.hintW << "x" << c.hintH);
        CRasterImage image;
        image.SetDecodeHint(c.hintW, c.hintH);
        ASSERT_TRUE(image.DecodeFrom(bytes, kFormatJpeg));
        EXPECT_EQ(image.Width(), c.w);
        EXPECT_EQ(image.Height(), c.h);
    }
}

TEST(DecodeHint, ThumbnailsFitTheirBoxAndKeepTheColours) {
    const auto bytes = GradientJpeg(400, 300);
    CRasterImage thumb;
    ASSERT_TRUE(DecodeThumbnail(bytes, kFormatJpeg, 120, 120, thumb));
    EXPECT_EQ(thumb.Width(), 120);
    EXPECT_EQ(thumb.Height(), 90);
    EXPECT_EQ(thumb.BitCount(), 24);
    const RgbQuad right = thumb.ReadPixel(119, 45);
    EXPECT_GT(right.red, 230);
    EXPECT_NEAR(right.blue, 128, 4);

    // Palette pictures come out as 24-bit; small ones are never enlarged.
    ASSERT_TRUE(DecodeThumbnail(ReadFixtureBytes("gif_8.gif"), kFormatGif, 1000, 1000, thumb));
    CRasterImage gif;
    ASSERT_TRUE(gif.DecodeFromFile(ImageFixture("gif_8.gif"), kFormatGif));
    EXPECT_EQ(thumb.Width(), gif.Width());
    EXPECT_EQ(thumb.BitCount(), 24);
    EXPECT_EQ(PixelRgb(thumb, 0, 0), PixelRgb(gif, 0, 0));

    EXPECT_FALSE(DecodeThumbnail(std::vector<uint8_t>{1, 2, 3}, kFormatJpeg, 10, 10, thumb));
    EXPECT_EQ(thumb.Width(), gif.Width()); // unchanged on failure
}
