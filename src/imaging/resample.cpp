#include "imaging/resample.h"

#include "imaging/raster_image.h"

#include <algorithm>
#include <cmath>

std::vector<ResampleContribution> ResampleWeights(int newSize, int oldSize) {
    std::vector<ResampleContribution> result(size_t(std::max(newSize, 0)));
    const double s = double(newSize) / oldSize;
    // Shrinking widens the triangle to 1/s source pixels and flattens it by s.
    const double w = s < 1 ? 1 / s : 1;
    const double f = s < 1 ? s : 1;
    for (int i = 0; i < newSize; ++i) {
        const double c = i / s;
        const int lo = std::max(0, int(std::floor(c - w)));
        const int hi = std::min(oldSize - 1, int(std::ceil(c + w)));
        auto& contribution = result[size_t(i)];
        contribution.first = lo;
        std::vector<double> weights;
        double sum = 0;
        for (int j = lo; j <= hi; ++j) {
            const double magnitude = std::fabs((c - j) * f);
            const double weight = magnitude < 1 ? f * (1 - magnitude) : 0;
            weights.push_back(weight);
            sum += weight;
        }
        contribution.weights.reserve(weights.size());
        for (double weight : weights)
            contribution.weights.push_back(float(sum > 0 ? weight / sum : 0));
    }
    return result;
}

namespace {

inline uint8_t RoundChannel(float v) {
    return uint8_t(std::clamp(int(v + 0.5f), 0, 255));
}

} // namespace

void Resample24(const uint8_t* source, int width, int height, int sourceStride, uint8_t* target,
                int newWidth, int newHeight, int targetStride) {
    const auto vertical = ResampleWeights(newHeight, height);
    const auto horizontal = ResampleWeights(newWidth, width);
    const size_t rowBytes = size_t(width) * 3;
    // Kept between calls: repeated draws at new sizes reuse the pages.
    thread_local std::vector<float> accumulator;
    thread_local std::vector<uint8_t> middle;
    accumulator.resize(rowBytes);
    middle.resize(rowBytes * newHeight);
    float* acc = accumulator.data();
    for (int i = 0; i < newHeight; ++i) {
        const auto& contribution = vertical[size_t(i)];
        std::fill(acc, acc + rowBytes, 0.0f);
        for (size_t t = 0; t < contribution.weights.size(); ++t) {
            const float weight = contribution.weights[t];
            if (weight == 0)
                continue;
            const uint8_t* row = source + size_t(contribution.first + int(t)) * sourceStride;
            for (size_t k = 0; k < rowBytes; ++k)
                acc[k] += weight * float(row[k]);
        }
        uint8_t* out = middle.data() + size_t(i) * rowBytes;
        for (size_t k = 0; k < rowBytes; ++k)
            out[k] = RoundChannel(acc[k]);
    }
    for (int i = 0; i < newHeight; ++i) {
        const uint8_t* row = middle.data() + size_t(i) * rowBytes;
        uint8_t* out = target + size_t(i) * targetStride;
        for (int x = 0; x < newWidth; ++x) {
            const auto& contribution = horizontal[size_t(x)];
            float b = 0, g = 0, r = 0;
            const uint8_t* p = row + size_t(contribution.first) * 3;
            for (float weight : contribution.weights) {
                b += weight * p[0];
                g += weight * p[1];
                r += weight * p[2];
                p += 3;
            }
            out[3 * x] = RoundChannel(b);
            out[3 * x + 1] = RoundChannel(g);
            out[3 * x + 2] = RoundChannel(r);
        }
    }
}

const uint8_t* CRasterImage::ResampledCopy(int width, int height) {
    if (!IsValid() || BitCount() != 24 || width <= 0 || height <= 0)
        return nullptr;
    if (width == Width() && height == Height())
        return Bits();
    if (!m_resampled.empty() && width == m_resampledWidth && height == m_resampledHeight)
        return m_resampled.data();
    if (!CheckImageSize(*this, width, height))
        return nullptr;
    const int stride = DibStride(width, 24);
    m_resampled.resize(size_t(stride) * height);
    Resample24(Bits(), Width(), Height(), Stride(), m_resampled.data(), width, height, stride);
    m_resampledWidth = m_cachedWidth = width;
    m_resampledHeight = m_cachedHeight = height;
    return m_resampled.data();
}
