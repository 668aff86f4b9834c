#include "image_test_support.h"

#include "imaging/resample.h"

#include <gtest/gtest.h>

namespace {

void ExpectWeights(const ResampleContribution& c, int first, std::vector<float> want) {
    EXPECT_EQ(c.first, first);
    ASSERT_EQ(c.weights.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i)
        EXPECT_NEAR(c.weights[i], want[i], 1e-6) << i;
}

TEST(Resample, ShrinkingWidensTheTriangle) {
    // 4 -> 2: s = 0.5, width 2, scale 0.5; centres 0 and 2.
    const auto w = ResampleWeights(2, 4);
    ASSERT_EQ(w.size(), 2u);
    ExpectWeights(w[0], 0, {2.0f / 3, 1.0f / 3, 0});
    ExpectWeights(w[1], 0, {0, 0.25f, 0.5f, 0.25f});
}

TEST(Resample, EnlargingInterpolatesBetweenNeighbours) {
    // 2 -> 4: s = 2, centres 0, 0.5, 1, 1.5.
    const auto w = ResampleWeights(4, 2);
    ExpectWeights(w[0], 0, {1, 0});
    ExpectWeights(w[1], 0, {0.5f, 0.5f});
    ExpectWeights(w[2], 0, {0, 1});
    ExpectWeights(w[3], 0, {0, 1}); // 1.5: only index 1 lies inside
}

TEST(Resample, PassesRoundEachChannel) {
    // One row 0, 255 stretched to 4: 0, 127.5 -> 128, 255, 255.
    CRasterImage image = MakeRgbImage(2, 1, {0x000000, 0xFFFFFF});
    const uint8_t* rows = image.ResampledCopy(4, 1);
    ASSERT_NE(rows, nullptr);
    EXPECT_EQ(rows[0], 0);
    EXPECT_EQ(rows[3], 128);
    EXPECT_EQ(rows[6], 255);
    EXPECT_EQ(image.CachedWidth(), 4);
    // The same size again is the cached copy; the image's own size is itself.
    EXPECT_EQ(image.ResampledCopy(4, 1), rows);
    EXPECT_EQ(image.ResampledCopy(2, 1), image.Bits());
    image.ResetCache();
    EXPECT_EQ(image.CachedWidth(), -1);
}

TEST(Resample, UniformImagesStayUniform) {
    CRasterImage image;
    image.Allocate(37, 23, 24, 0);
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 37; ++x)
            image.WritePixel(x, y, Rgb(200, 100, 7));
    for (auto [w, h] : {std::pair{5, 3}, std::pair{80, 51}, std::pair{36, 23}}) {
        const uint8_t* rows = image.ResampledCopy(w, h);
        ASSERT_NE(rows, nullptr);
        const int stride = DibStride(w, 24);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const uint8_t* p = rows + y * stride + x * 3;
                ASSERT_EQ(p[0], 7);
                ASSERT_EQ(p[1], 100);
                ASSERT_EQ(p[2], 200);
            }
    }
}

} // namespace
