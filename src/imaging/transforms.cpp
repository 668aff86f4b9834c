#include "imaging/raster_image.h"

#include "imaging/pixel_rows.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

// The picture effects. Each works on the whole image and fails only when
// there is no DIB.

bool CRasterImage::Flip() {
    if (!IsValid())
        return false;
    const int h = Height(), stride = Stride();
    std::vector<uint8_t> swap(size_t(std::max(stride, Width())));
    for (int y = 0; y < h / 2; ++y) {
        uint8_t* a = Row(y);
        uint8_t* b = Row(h - 1 - y);
        std::memcpy(swap.data(), a, size_t(stride));
        std::memcpy(a, b, size_t(stride));
        std::memcpy(b, swap.data(), size_t(stride));
    }
    if (HasAlpha()) {
        const size_t w = size_t(Width());
        for (int y = 0; y < h / 2; ++y)
            std::swap_ranges(m_alpha.data() + y * w, m_alpha.data() + (y + 1) * w,
                             m_alpha.data() + (h - 1 - y) * w);
    }
    return true;
}

bool CRasterImage::Mirror() {
    if (!IsValid())
        return false;
    const int w = Width(), h = Height();
    std::vector<uint8_t> indices(BitCount() < 8 ? size_t(w) : 0); // one row of packed indices
    for (int y = 0; y < h; ++y) {
        uint8_t* row = Row(y);
        if (BitCount() == 24) {
            for (int x = 0; x < w / 2; ++x)
                std::swap_ranges(row + 3 * x, row + 3 * x + 3, row + 3 * (w - 1 - x));
        } else if (BitCount() == 8) {
            std::reverse(row, row + w);
        } else {
            UnpackIndexRow(row, indices.data(), w, BitCount());
            std::reverse(indices.begin(), indices.end());
            PackIndexRow(row, indices.data(), w, BitCount());
        }
        if (HasAlpha())
            std::reverse(m_alpha.data() + size_t(y) * w, m_alpha.data() + size_t(y + 1) * w);
    }
    return true;
}

namespace {

// Rotation into a new image; `source(x, y)` gives the old coordinates of new
// pixel (x, y).
template <typename Map> bool Rotate(CRasterImage& image, Map source) {
    if (!image.IsValid())
        return false;
    const int oldW = image.Width(), oldH = image.Height();
    const ImageInfo info = image.Info();
    CRasterImage rotated;
    if (!rotated.Allocate(oldH, oldW, image.BitCount(), info.formatId))
        return false;
    const int newW = oldH, newH = oldW;
    if (image.PaletteSize())
        std::memcpy(rotated.Palette(), image.Palette(), size_t(image.PaletteSize()) * 4);
    for (int y = 0; y < newH; ++y) {
        for (int x = 0; x < newW; ++x) {
            const auto [ox, oy] = source(x, y, newW, newH);
            if (image.BitCount() == 24)
                std::memcpy(rotated.Row(y) + size_t(x) * 3, image.Row(oy) + size_t(ox) * 3, 3);
            else
                rotated.SetPixelIndex(x, y, image.PixelIndex(ox, oy));
        }
    }
    if (image.HasAlpha()) {
        rotated.AlphaCreate();
        for (int y = 0; y < newH; ++y)
            for (int x = 0; x < newW; ++x) {
                const auto [ox, oy] = source(x, y, newW, newH);
                rotated.Alpha()[size_t(y) * newW + x] = image.Alpha()[size_t(oy) * oldW + ox];
            }
    }
    const uint32_t stride = rotated.Info().rowStride;
    const uint8_t colorType = rotated.Info().colorType;
    rotated.Info() = info;
    rotated.Info().rowStride = stride;
    rotated.Info().colorType = colorType;
    rotated.SetDpi(info.xDpi, info.yDpi);
    image = std::move(rotated);
    return true;
}

struct Point {
    int x, y;
};

} // namespace

bool CRasterImage::RotateLeft() {
    return Rotate(*this, [](int x, int y, int newW, int) { return Point{y, newW - 1 - x}; });
}

bool CRasterImage::RotateRight() {
    return Rotate(*this, [](int x, int y, int, int newH) { return Point{newH - 1 - y, x}; });
}

bool CRasterImage::Light(int brightness, int contrast) {
    if (!IsValid())
        return false;
    uint8_t table[256];
    const double factor = contrast * 0.01;
    for (int v = 0; v < 256; ++v) {
        const double value = (v - 128) * factor + brightness + 128;
        table[v] = uint8_t(std::clamp(int(std::trunc(value)), 0, 255));
    }
    if (BitCount() < 24) {
        for (int i = 0; i < PaletteSize(); ++i) {
            RgbQuad& entry = Palette()[i];
            entry.red = table[entry.red];
            entry.green = table[entry.green];
            entry.blue = table[entry.blue];
        }
        return true;
    }
    const size_t bytes = size_t(Width()) * 3;
    for (int y = 0; y < Height(); ++y) {
        uint8_t* row = Row(y);
        for (size_t k = 0; k < bytes; ++k)
            row[k] = table[row[k]];
    }
    return true;
}

bool CRasterImage::Filter(const int kernel[9], int divisor, int offset) {
    if (!IsValid())
        return false;
    const int w = Width(), h = Height();
    CRasterImage copy = *this;
    auto finish = [&](int sum) {
        const int value = divisor != 0 ? offset + sum / divisor : offset + sum;
        return uint8_t(std::clamp(value, 0, 255));
    };
    const bool direct = BitCount() == 24;
    for (int y = 0; y < h; ++y) {
        if (m_info.escape)
            return true; // stopped: the image stays as it was
        m_info.progress = int(int64_t(y) * 100 / h);
        for (int x = 0; x < w; ++x) {
            int sumR = 0, sumG = 0, sumB = 0;
            const bool interior = direct && x > 0 && y > 0 && x < w - 1 && y < h - 1;
            for (int j = -1; j <= 1; ++j) {
                for (int i = -1; i <= 1; ++i) {
                    const int k = kernel[(i + 1) + 3 * (j + 1)];
                    if (interior) {
                        const uint8_t* p = Row(y + j) + size_t(x + i) * 3;
                        sumB += k * p[0], sumG += k * p[1], sumR += k * p[2];
                    } else {
                        const RgbQuad c = ReadPixel(x + i, y + j);
                        sumB += k * c.blue, sumG += k * c.green, sumR += k * c.red;
                    }
                }
            }
            copy.WritePixel(x, y, RgbQuad{finish(sumB), finish(sumG), finish(sumR), 0});
        }
    }
    m_info.progress = 100;
    const ImageInfo info = m_info;
    *this = std::move(copy);
    m_info = info;
    ResetCache();
    return true;
}

bool CRasterImage::Negative() {
    if (!IsValid())
        return false;
    if (BitCount() == 24) {
        const size_t bytes = size_t(Width()) * 3;
        for (int y = 0; y < Height(); ++y) {
            uint8_t* row = Row(y);
            for (size_t k = 0; k < bytes; ++k)
                row[k] = uint8_t(~row[k]);
        }
        RgbQuad& key = m_info.backgroundColor;
        key.red = uint8_t(~key.red), key.green = uint8_t(~key.green), key.blue = uint8_t(~key.blue);
    } else if (!IsGreyRamp()) {
        for (int i = 0; i < PaletteSize(); ++i) {
            RgbQuad& e = Palette()[i];
            e.red = uint8_t(~e.red), e.green = uint8_t(~e.green), e.blue = uint8_t(~e.blue);
        }
    } else {
        const int top = (1 << BitCount()) - 1;
        for (int y = 0; y < Height(); ++y)
            for (int x = 0; x < Width(); ++x)
                SetPixelIndex(x, y, uint8_t(top - PixelIndex(x, y)));
    }
    return true;
}

namespace {

inline uint8_t GreyOf(uint8_t red, uint8_t green, uint8_t blue) {
    return uint8_t((green * 59 + blue * 11 + red * 30) / 100);
}

} // namespace

bool CRasterImage::GrayScale() {
    if (!IsValid())
        return false;
    const int w = Width(), h = Height();
    const ImageInfo info = m_info;
    CRasterImage grey;
    if (!grey.Allocate(w, h, 8, info.formatId))
        return false;
    for (int i = 0; i < 256; ++i)
        grey.Palette()[i] = RgbQuad{uint8_t(i), uint8_t(i), uint8_t(i), 0};
    int background = info.backgroundIndex;
    if (BitCount() == 24) {
        for (int y = 0; y < h; ++y) {
            const uint8_t* s = Row(y);
            uint8_t* d = grey.Row(y);
            for (int x = 0; x < w; ++x, s += 3)
                d[x] = GreyOf(s[2], s[1], s[0]);
        }
    } else {
        uint8_t value[256] = {};
        for (int i = 0; i < PaletteSize(); ++i)
            value[i] = GreyOf(Palette()[i].red, Palette()[i].green, Palette()[i].blue);
        for (int y = 0; y < h; ++y) {
            uint8_t* d = grey.Row(y);
            for (int x = 0; x < w; ++x)
                d[x] = value[PixelIndex(x, y)];
        }
        if (background >= 0 && background < PaletteSize())
            background = value[background];
    }
    if (HasAlpha()) {
        grey.m_alpha = m_alpha;
    }
    const uint32_t stride = grey.m_info.rowStride;
    grey.m_info = info;
    grey.m_info.rowStride = stride;
    grey.m_info.colorType = 1;
    grey.m_info.backgroundIndex = background;
    grey.SetDpi(info.xDpi, info.yDpi);
    *this = std::move(grey);
    return true;
}
