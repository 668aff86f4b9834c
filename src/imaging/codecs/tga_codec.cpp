#include "imaging/image_codec.h"
#include "imaging/raster_image.h"

#include <algorithm>
#include <cstring>

namespace {

struct TgaHeader {
    uint8_t idLength, colorMapType, imageType;
    uint16_t mapFirst, mapLength;
    uint8_t mapEntryBits;
    uint16_t xOrigin, yOrigin, width, height;
    uint8_t pixelDepth, descriptor;
};

bool Fail(CRasterImage& out, const char* text) {
    out.SetError(text);
    return false;
}

// One pixel of the file written to a 24-bit or 8-bit row (and the alpha byte).
template <int kBytes, bool kTrueColour>
inline void PutPixel(const uint8_t* s, uint8_t* d, uint8_t* alpha) {
    if constexpr (!kTrueColour) {
        d[0] = s[0];
        if constexpr (kBytes == 2)
            *alpha = s[1];
    } else if constexpr (kBytes == 3) {
        d[0] = s[0], d[1] = s[1], d[2] = s[2];
    } else if constexpr (kBytes == 4) {
        d[0] = s[0], d[1] = s[1], d[2] = s[2];
        *alpha = s[3];
    } else { // 5-5-5 with one attribute bit
        const unsigned p = unsigned(s[0]) | unsigned(s[1]) << 8;
        const unsigned r = (p >> 10) & 31, g = (p >> 5) & 31, b = p & 31;
        d[0] = uint8_t((b << 3) | (b >> 2));
        d[1] = uint8_t((g << 3) | (g >> 2));
        d[2] = uint8_t((r << 3) | (r >> 2));
        *alpha = (p & 0x8000) ? 255 : 0;
    }
}

// Fills rows in file order; file row r goes to image row rowOf(r). Runs may
// cross rows but never leave the image.
template <int kBytes, bool kTrueColour>
bool ReadPixels(ByteReader& in, CRasterImage& image, bool rle, bool topOrigin,
                uint8_t* alphaStore) {
    const int w = image.Width(), h = image.Height();
    const int outBytes = kTrueColour ? 3 : 1;
    uint8_t scratchAlpha = 0;
    auto rowPtr = [&](int r) { return image.Row(topOrigin ? h - 1 - r : r); };
    auto alphaPtr = [&](int r) -> uint8_t* {
        return alphaStore ? alphaStore + size_t(topOrigin ? h - 1 - r : r) * w : nullptr;
    };
    if (!rle) {
        const auto data = in.Take(size_t(w) * h * kBytes);
        if (data.empty())
            return Fail(image, "corrupted TGA");
        for (int r = 0; r < h; ++r) {
            const uint8_t* s = data.data() + size_t(r) * w * kBytes;
            uint8_t* d = rowPtr(r);
            if (kBytes == outBytes && !alphaStore) {
                std::memcpy(d, s, size_t(w) * kBytes);
                continue;
            }
            uint8_t* a = alphaPtr(r);
            for (int x = 0; x < w; ++x, s += kBytes, d += outBytes)
                PutPixel<kBytes, kTrueColour>(s, d, a ? a + x : &scratchAlpha);
        }
        return true;
    }
    int r = 0, x = 0;
    uint8_t* d = rowPtr(0);
    uint8_t* a = alphaPtr(0);
    while (r < h) {
        if (image.Cancelled())
            return Fail(image, "Cancelled");
        uint8_t packet;
        if (!in.U8(packet))
            return Fail(image, "corrupted TGA");
        int count = (packet & 0x7F) + 1;
        const bool run = packet & 0x80;
        const auto data = in.Take(size_t(run ? 1 : count) * kBytes);
        if (data.empty())
            return Fail(image, "corrupted TGA");
        const uint8_t* s = data.data();
        while (count > 0 && r < h) {
            const int n = std::min(count, w - x);
            for (int i = 0; i < n; ++i, ++x) {
                PutPixel<kBytes, kTrueColour>(s, d + size_t(x) * outBytes,
                                              a ? a + x : &scratchAlpha);
                if (!run)
                    s += kBytes;
            }
            count -= n;
            if (x == w) {
                x = 0;
                if (++r < h) {
                    d = rowPtr(r);
                    a = alphaPtr(r);
                }
            }
        }
    }
    return true;
}

class TgaCodecImpl final : public ImageCodec {
public:
    int FormatId() const override { return kFormatTga; }
    bool Sniff(std::span<const uint8_t> head) const override {
        if (head.size() < 18)
            return false;
        const uint8_t type = head[2], depth = head[16];
        const bool typeOk =
            type == 1 || type == 2 || type == 3 || type == 9 || type == 10 || type == 11;
        return typeOk && head[1] <= 1 &&
               (depth == 8 || depth == 15 || depth == 16 || depth == 24 || depth == 32);
    }

    bool Decode(ByteReader& in, CRasterImage& out) const override {
        TgaHeader hd{};
        if (!in.U8(hd.idLength) || !in.U8(hd.colorMapType) || !in.U8(hd.imageType) ||
            !in.U16(hd.mapFirst) || !in.U16(hd.mapLength) || !in.U8(hd.mapEntryBits) ||
            !in.U16(hd.xOrigin) || !in.U16(hd.yOrigin) || !in.U16(hd.width) || !in.U16(hd.height) ||
            !in.U8(hd.pixelDepth) || !in.U8(hd.descriptor))
            return Fail(out, "Not a TGA");
        const int type = hd.imageType;
        if (type != 1 && type != 2 && type != 3 && type != 9 && type != 10 && type != 11)
            return Fail(out, "Unknown TGA image type");
        const bool rle = type >= 9;
        const int kind = type & 3; // 1 mapped, 2 true colour, 3 grey
        if (!in.Skip(hd.idLength))
            return Fail(out, "corrupted TGA");
        // Colour map, kept only for mapped images.
        RgbQuad map[256] = {};
        if (hd.colorMapType == 1) {
            const int entryBytes = (hd.mapEntryBits + 7) / 8;
            const auto data = in.Take(size_t(hd.mapLength) * entryBytes);
            if (hd.mapLength && data.empty())
                return Fail(out, "corrupted TGA");
            for (int i = 0; i < hd.mapLength; ++i) {
                const int index = hd.mapFirst + i;
                if (index >= 256)
                    break;
                const uint8_t* e = data.data() + size_t(i) * entryBytes;
                if (entryBytes >= 3) {
                    map[index] = RgbQuad{e[0], e[1], e[2], 0};
                } else if (entryBytes == 2) {
                    const unsigned p = unsigned(e[0]) | unsigned(e[1]) << 8;
                    map[index] = RgbQuad{uint8_t((p & 31) << 3), uint8_t(((p >> 5) & 31) << 3),
                                         uint8_t(((p >> 10) & 31) << 3), 0};
                }
            }
        } else if (hd.colorMapType != 0) {
            return Fail(out, "Not a TGA");
        }
        const int depth = hd.pixelDepth;
        const bool depthOk = kind == 2 ? (depth == 15 || depth == 16 || depth == 24 || depth == 32)
                                       : (depth == 8 || (kind == 3 && depth == 16));
        if (!depthOk || (kind == 1 && hd.colorMapType != 1))
            return Fail(out, "corrupted TGA");
        if (!CheckImageSize(out, hd.width, hd.height))
            return false;
        const int bytes = (depth + 7) / 8;
        if (!rle && in.Remaining() < size_t(hd.width) * hd.height * bytes)
            return Fail(out, "corrupted TGA");
        // A packet of 1 + `bytes` bytes gives at most 128 pixels.
        if (rle && in.Remaining() / (1 + bytes) * 128 < size_t(hd.width) * hd.height)
            return Fail(out, "corrupted TGA");

        CRasterImage image;
        image.Info().escape = out.Info().escape;
        if (!image.Allocate(hd.width, hd.height, kind == 2 ? 24 : 8, kFormatTga))
            return Fail(out, "TGA Create failed");
        if (kind == 1)
            std::copy(map, map + 256, image.Palette());
        if (kind == 3)
            for (int i = 0; i < 256; ++i)
                image.Palette()[i] = RgbQuad{uint8_t(i), uint8_t(i), uint8_t(i), 0};
        const bool withAlpha = bytes == 2 || bytes == 4;
        if (withAlpha)
            image.AlphaCreate();
        const bool top = hd.descriptor & 0x20;
        uint8_t* alpha = image.Alpha();
        bool ok;
        if (kind != 2)
            ok = bytes == 1 ? ReadPixels<1, false>(in, image, rle, top, alpha)
                            : ReadPixels<2, false>(in, image, rle, top, alpha);
        else if (bytes == 2)
            ok = ReadPixels<2, true>(in, image, rle, top, alpha);
        else if (bytes == 3)
            ok = ReadPixels<3, true>(in, image, rle, top, alpha);
        else
            ok = ReadPixels<4, true>(in, image, rle, top, alpha);
        if (!ok) {
            out.SetError(image.Info().lastError);
            return false;
        }
        // A 16-bit file without attribute bits has no transparency.
        if (bytes == 2 && kind == 2 && (hd.descriptor & 0x0F) == 0)
            std::fill_n(image.Alpha(), size_t(hd.width) * hd.height, uint8_t(255));
        if (hd.descriptor & 0x10)
            image.Mirror();
        image.Info().escape = 0;
        out = std::move(image);
        return true;
    }
};

} // namespace

const ImageCodec& TgaCodec() {
    static const TgaCodecImpl codec;
    return codec;
}
