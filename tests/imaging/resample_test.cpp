#include "image_test_support.h"

#include "imaging/resample.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

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

// The filter written plainly, one output row and one output pixel at a time.
std::vector<uint8_t> ReferenceResample(const std::vector<uint8_t>& source, int width, int height,
                                       int stride, int newWidth, int newHeight) {
    const auto round = [](float v) { return uint8_t(std::clamp(int(v + 0.5f), 0, 255)); };
    const auto vertical = ResampleWeights(newHeight, height);
    const auto horizontal = ResampleWeights(newWidth, width);
    std::vector<uint8_t> middle(size_t(width) * 3 * newHeight);
    for (int i = 0; i < newHeight; ++i)
        for (int k = 0; k < width * 3; ++k) {
            float sum = 0;
            for (size_t t = 0; t < vertical[i].weights.size(); ++t)
                if (vertical[i].weights[t] != 0)
                    sum += vertical[i].weights[t] *
                           float(source[size_t(vertical[i].first + int(t)) * stride + k]);
            middle[size_t(i) * width * 3 + k] = round(sum);
        }
    const int newStride = DibStride(newWidth, 24);
    std::vector<uint8_t> out(size_t(newStride) * newHeight);
    for (int i = 0; i < newHeight; ++i)
        for (int x = 0; x < newWidth; ++x)
            for (int c = 0; c < 3; ++c) {
                float sum = 0;
                for (size_t t = 0; t < horizontal[x].weights.size(); ++t)
                    sum += horizontal[x].weights[t] *
                           middle[size_t(i) * width * 3 + (horizontal[x].first + t) * 3 + c];
                out[size_t(i) * newStride + x * 3 + c] = round(sum);
            }
    return out;
}

TEST(Resample, MatchesThePlainFilterExactly) {
    // The fast passes read each source row once; every byte must still come
    // out as the plain filter computes it, shrinking and enlarging alike.
    const int width = 97, height = 83, stride = DibStride(width, 24);
    std::vector<uint8_t> source(size_t(stride) * height);
    uint32_t seed = 99;
    for (uint8_t& b : source) {
        seed = seed * 1664525u + 1013904223u;
        b = uint8_t(seed >> 24);
    }
    for (auto [w, h] : {std::pair{13, 11}, std::pair{9, 2}, std::pair{1, 1}, std::pair{96, 82},
                        std::pair{150, 120}, std::pair{97, 7}, std::pair{5, 300}}) {
        const std::vector<uint8_t> want = ReferenceResample(source, width, height, stride, w, h);
        std::vector<uint8_t> got(want.size());
        Resample24(source.data(), width, height, stride, got.data(), w, h, DibStride(w, 24));
        EXPECT_EQ(got, want) << w << " x " << h;
    }
}

} // namespace
