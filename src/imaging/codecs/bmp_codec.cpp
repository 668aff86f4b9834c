#include "imaging/image_codec.h"
#include "imaging/raster_image.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

constexpr uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3;

// One colour channel taken out through its mask and spread over 0..255.
struct MaskChannel {
    uint32_t mask = 0;
    int shift = 0;
    uint32_t max = 0;

    explicit MaskChannel(uint32_t m) : mask(m) {
        if (m) {
            shift = std::countr_zero(m);
            max = m >> shift;
        }
    }
    uint8_t operator()(uint32_t pixel) const {
        if (!max)
            return 0;
        const uint32_t v = (pixel & mask) >> shift;
        // 64-bit so that a full 32-bit mask cannot overflow.
        return uint8_t((uint64_t(v) * 255 + max / 2) / max);
    }
};

bool Fail(CRasterImage& out, const char* text) {
    out.SetError(text);
    return false;
}

// Run-length rows: 8-bit (two indices per byte pair) or 4-bit (two nibbles).
// Runs and literals are clipped to the row, and deltas to the image. Pixels
// go straight into the row, a run at a time, so a long run costs one fill.
bool DecodeRle(ByteReader& in, CRasterImage& out, bool fourBit) {
    const int w = out.Width(), h = out.Height();
    int x = 0, y = 0;
    // Indices `count` pixels long from x on the current row, clipped to it;
    // `index(i)` gives the i-th.
    const auto put = [&](int count, auto index) {
        const int n = std::clamp(w - x, 0, count);
        if (y < h && n > 0) {
            uint8_t* row = out.Row(y);
            if (fourBit) {
                for (int i = 0; i < n; ++i) {
                    uint8_t& cell = row[(x + i) >> 1];
                    cell = ((x + i) & 1) ? uint8_t((cell & 0xF0) | index(i))
                                         : uint8_t((cell & 0x0F) | index(i) << 4);
                }
            } else {
                for (int i = 0; i < n; ++i)
                    row[x + i] = index(i);
            }
        }
        x += count;
    };
    while (y < h) {
        if (out.Cancelled())
            return Fail(out, "Cancelled");
        uint8_t count, value;
        if (!in.U8(count) || !in.U8(value))
            return true; // a stream without its end marker keeps what it drew
        if (count > 0) {
            if (!fourBit) {
                const int n = std::clamp(w - x, 0, int(count));
                if (n > 0)
                    std::memset(out.Row(y) + x, value, size_t(n));
                x += count;
            } else {
                const uint8_t high = value >> 4, low = value & 0x0F;
                put(count, [&](int i) { return (i & 1) ? low : high; });
            }
            continue;
        }
        if (value == 0) { // end of line
            x = 0;
            ++y;
        } else if (value == 1) { // end of bitmap
            return true;
        } else if (value == 2) { // delta
            uint8_t dx, dy;
            if (!in.U8(dx) || !in.U8(dy))
                return true;
            x += dx;
            y += dy;
        } else { // literal run of `value` indices, padded to 16 bits
            const int bytes = fourBit ? (value + 1) / 2 : value;
            const auto data = in.Take(size_t((bytes + 1) & ~1));
            if (data.empty())
                return true;
            if (fourBit)
                put(value, [&](int i) {
                    return uint8_t((i & 1) ? data[i / 2] & 0x0F : data[i / 2] >> 4);
                });
            else
                put(value, [&](int i) { return data[size_t(i)]; });
        }
    }
    return true;
}

// Run-length data draws at most 255 pixels per two bytes; an image far larger
// than its data could draw is a claim, not a picture, and is refused before
// anything is allocated. The slack of one row keeps tiny images legal.
bool RlePlausible(size_t dataBytes, int64_t width, int64_t height) {
    constexpr int64_t kPixelsPerRun = 255;
    return width * height <= int64_t(dataBytes / 2 + 1) * kPixelsPerRun + width;
}

} // namespace

bool DecodeDib(ByteReader& in, CRasterImage& out, size_t pixelOffset) {
    const size_t start = in.Position();
    uint32_t headerSize;
    if (!in.U32(headerSize))
        return Fail(out, "Error reading BMP info");
    int32_t width = 0, height = 0;
    uint16_t planes = 1, bitCount = 0;
    uint32_t compression = kRgb, clrUsed = 0;
    int32_t xPels = 0, yPels = 0;
    bool os2 = false;
    if (headerSize == 12) {
        uint16_t w16, h16;
        if (!in.U16(w16) || !in.U16(h16) || !in.U16(planes) || !in.U16(bitCount))
            return Fail(out, "Error reading BMP info");
        width = w16;
        height = int16_t(h16);
        os2 = true;
    } else if (headerSize >= 40 && headerSize <= 1024) {
        uint32_t sizeImage, important;
        if (!in.I32(width) || !in.I32(height) || !in.U16(planes) || !in.U16(bitCount) ||
            !in.U32(compression) || !in.U32(sizeImage) || !in.I32(xPels) || !in.I32(yPels) ||
            !in.U32(clrUsed) || !in.U32(important))
            return Fail(out, "Error reading BMP info");
    } else {
        return Fail(out, "Not a BMP");
    }
    const bool topDown = height < 0;
    const int64_t rows = topDown ? -int64_t(height) : height;
    if (!CheckImageSize(out, width, rows))
        return false;

    // Colour masks follow a 40-byte header, or sit inside the longer ones.
    uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F};
    if (bitCount == 32)
        masks[0] = 0xFF0000, masks[1] = 0x00FF00, masks[2] = 0x0000FF;
    switch (bitCount) {
    case 1:
    case 4:
    case 8:
        if (compression != kRgb && !(compression == kRle8 && bitCount == 8) &&
            !(compression == kRle4 && bitCount == 4))
            return Fail(out, "compression type not supported");
        break;
    case 16:
    case 32:
        if (compression != kRgb && compression != kBitFields)
            return Fail(out, "unknown compression");
        break;
    case 24:
        if (compression != kRgb)
            return Fail(out, "unknown compression");
        break;
    default:
        return Fail(out, "Not a BMP");
    }
    if (!in.Seek(start + headerSize))
        return Fail(out, "Error reading BMP info");
    if (compression == kBitFields) {
        if (headerSize == 40) {
            if (!in.U32(masks[0]) || !in.U32(masks[1]) || !in.U32(masks[2]))
                return Fail(out, "Error reading BMP info");
        } else {
            ByteReader inner(in.Data());
            inner.Seek(start + 40);
            if (!inner.U32(masks[0]) || !inner.U32(masks[1]) || !inner.U32(masks[2]))
                return Fail(out, "Error reading BMP info");
        }
    }
    // The palette: entries of 3 bytes (OS/2) or 4 bytes, at most 2^bits.
    const uint32_t maxColours = bitCount <= 8 ? 1u << bitCount : 0;
    uint32_t colours = clrUsed ? std::min(clrUsed, maxColours) : maxColours;
    if (bitCount > 8 && clrUsed) // a palette beside true colour is skipped
        in.Skip(size_t(std::min<uint32_t>(clrUsed, 256)) * 4);
    const int entrySize = os2 ? 3 : 4;
    const auto palette = in.Take(size_t(colours) * entrySize);
    if (colours && palette.empty())
        return Fail(out, "Error reading BMP info");
    if (pixelOffset && !in.Seek(pixelOffset))
        return Fail(out, "Error reading BMP info");

    const int w = width, h = int(rows);
    const int srcStride = DibStride(w, bitCount);
    const bool rle = compression == kRle8 || compression == kRle4;
    // Uncompressed rows must all be there before anything is allocated; the
    // last row may come without its padding.
    const size_t needed = size_t(srcStride) * (h - 1) + (size_t(w) * bitCount + 7) / 8;
    if (!rle && in.Remaining() < needed)
        return Fail(out, "Error reading BMP info");
    if (rle && !RlePlausible(in.Remaining(), w, h))
        return Fail(out, "Error reading BMP info: the compressed data cannot fill the image");

    CRasterImage image;
    image.Info().escape = out.Info().escape;
    if (!image.Allocate(w, h, bitCount > 8 ? 24 : bitCount, kFormatBmp)) {
        std::memcpy(out.Info().lastError, image.Info().lastError, sizeof image.Info().lastError);
        return false;
    }
    for (uint32_t i = 0; i < colours; ++i) {
        const uint8_t* e = palette.data() + size_t(i) * entrySize;
        image.Palette()[i] = RgbQuad{e[0], e[1], e[2], os2 ? uint8_t(0) : e[3]};
    }
    image.SetDpiFromHeader(xPels, yPels);

    if (rle) {
        if (!DecodeRle(in, image, compression == kRle4)) {
            out.SetError(image.Info().lastError);
            return false;
        }
    } else if (bitCount <= 8 || bitCount == 24) {
        const uint8_t* src = in.Current();
        const size_t rowBytes = (size_t(w) * bitCount + 7) / 8;
        if (!topDown && size_t(srcStride) * h <= in.Remaining()) {
            std::memcpy(image.Bits(), src, size_t(srcStride) * h);
        } else {
            for (int y = 0; y < h; ++y)
                std::memcpy(image.Row(y), src + size_t(y) * srcStride, rowBytes);
        }
    } else {
        const MaskChannel red(masks[0]), green(masks[1]), blue(masks[2]);
        const uint8_t* src = in.Current();
        const bool plain32 =
            bitCount == 32 && masks[0] == 0xFF0000 && masks[1] == 0xFF00 && masks[2] == 0xFF;
        for (int y = 0; y < h; ++y) {
            if (out.Cancelled())
                return Fail(out, "Cancelled");
            const uint8_t* s = src + size_t(y) * srcStride;
            uint8_t* d = image.Row(y);
            if (plain32) {
                for (int x = 0; x < w; ++x, s += 4, d += 3)
                    d[0] = s[0], d[1] = s[1], d[2] = s[2];
            } else if (bitCount == 32) {
                for (int x = 0; x < w; ++x, s += 4, d += 3) {
                    const uint32_t p = uint32_t(s[0]) | uint32_t(s[1]) << 8 | uint32_t(s[2]) << 16 |
                                       uint32_t(s[3]) << 24;
                    d[0] = blue(p), d[1] = green(p), d[2] = red(p);
                }
            } else {
                for (int x = 0; x < w; ++x, s += 2, d += 3) {
                    const uint32_t p = uint32_t(s[0]) | uint32_t(s[1]) << 8;
                    d[0] = blue(p), d[1] = green(p), d[2] = red(p);
                }
            }
        }
    }
    if (topDown)
        image.Flip();
    image.Info().escape = 0;
    out = std::move(image);
    return true;
}

namespace {

class BmpCodecImpl final : public ImageCodec {
public:
    int FormatId() const override { return kFormatBmp; }
    bool Sniff(std::span<const uint8_t> head) const override {
        return head.size() >= 2 && head[0] == 'B' && head[1] == 'M';
    }
    bool Decode(ByteReader& in, CRasterImage& out) const override {
        if (in.Remaining() >= 2 && in.Current()[0] == 'B' && in.Current()[1] == 'M') {
            uint16_t type;
            uint32_t fileSize, reserved, offBits;
            if (!in.U16(type) || !in.U32(fileSize) || !in.U32(reserved) || !in.U32(offBits))
                return Fail(out, "Not a BMP");
            // An offset inside the headers is wrong; read the rows after them.
            return DecodeDib(in, out, offBits >= 14 + 12 ? offBits : 0);
        }
        if (in.Remaining() < 4)
            return Fail(out, "Not a BMP");
        return DecodeDib(in, out, 0);
    }
};

} // namespace

const ImageCodec& BmpCodec() {
    static const BmpCodecImpl codec;
    return codec;
}
