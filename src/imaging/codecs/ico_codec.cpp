#include "imaging/image_codec.h"
#include "imaging/raster_image.h"

#include <algorithm>
#include <cstring>

namespace {

bool Fail(CRasterImage& out, const char* text) {
    out.SetError(text);
    return false;
}

class IcoCodecImpl final : public ImageCodec {
public:
    int FormatId() const override { return kFormatIco; }
    bool Sniff(std::span<const uint8_t> head) const override {
        return head.size() >= 6 && head[0] == 0 && head[1] == 0 && head[2] == 1 && head[3] == 0 &&
               (head[4] | head[5]) != 0;
    }

    bool Decode(ByteReader& in, CRasterImage& out) const override {
        uint16_t reserved, type, count;
        if (!in.U16(reserved) || !in.U16(type) || !in.U16(count) || reserved != 0 || type != 1)
            return Fail(out, "Not an ICO");
        if (out.Frame() < 0 || out.Frame() >= count)
            return Fail(out, "ICO frame not found");
        if (!in.Skip(size_t(out.Frame()) * 16))
            return Fail(out, "corrupted ICO");
        uint8_t entryW, entryH, colourCount, entryReserved;
        uint16_t planes, entryBits;
        uint32_t bytes, offset;
        if (!in.U8(entryW) || !in.U8(entryH) || !in.U8(colourCount) || !in.U8(entryReserved) ||
            !in.U16(planes) || !in.U16(entryBits) || !in.U32(bytes) || !in.U32(offset))
            return Fail(out, "corrupted ICO");
        if (!in.Seek(offset))
            return Fail(out, "corrupted ICO");
        // Newer icons hold a whole PNG file.
        if (in.Remaining() >= 8 && std::memcmp(in.Current(), "\x89PNG", 4) == 0) {
            ByteReader png(in.Data().subspan(offset));
            return PngCodec().Decode(png, out);
        }
        uint32_t headerSize, compression;
        int32_t width, height;
        uint16_t dibPlanes, bits;
        if (!in.U32(headerSize) || !in.I32(width) || !in.I32(height) || !in.U16(dibPlanes) ||
            !in.U16(bits) || !in.U32(compression) || headerSize < 40)
            return Fail(out, "corrupted ICO");
        uint32_t clrUsed;
        if (!in.Seek(offset + 32) || !in.U32(clrUsed) || !in.Seek(offset + headerSize))
            return Fail(out, "corrupted ICO");
        height /= 2; // the header counts the colour rows and the mask rows
        if (!CheckImageSize(out, width, height))
            return false;
        if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
            return Fail(out, "corrupted ICO");
        const uint32_t colours =
            bits <= 8 ? (clrUsed ? std::min(clrUsed, 1u << bits) : 1u << bits) : 0;
        const auto palette = in.Take(size_t(colours) * 4);
        const int stride = DibStride(width, bits);
        const auto pixels = in.Take(size_t(stride) * height);
        if ((colours && palette.empty()) || pixels.empty())
            return Fail(out, "corrupted ICO");
        const auto mask = in.Take(size_t(DibStride(width, 1)) * height);

        CRasterImage image;
        if (!image.Allocate(width, height, bits > 8 ? 24 : bits, kFormatIco)) {
            out.SetError(image.Info().lastError);
            return false;
        }
        if (colours)
            std::memcpy(image.Palette(), palette.data(), palette.size());
        for (int y = 0; y < height; ++y) {
            const uint8_t* s = pixels.data() + size_t(y) * stride;
            uint8_t* d = image.Row(y);
            if (bits <= 24) {
                std::memcpy(d, s, (size_t(width) * bits + 7) / 8);
                continue;
            }
            if (!image.HasAlpha())
                image.AlphaCreate();
            uint8_t* a = image.Alpha() + size_t(y) * width;
            for (int x = 0; x < width; ++x, s += 4, d += 3)
                d[0] = s[0], d[1] = s[1], d[2] = s[2], a[x] = s[3];
        }
        // Pixels set in the mask are transparent.
        if (!mask.empty()) {
            const int maskStride = DibStride(width, 1);
            for (int y = 0; y < height; ++y) {
                const uint8_t* m = mask.data() + size_t(y) * maskStride;
                for (int x = 0; x < width; ++x) {
                    if (m[x >> 3] & (0x80 >> (x & 7))) {
                        if (!image.HasAlpha())
                            image.AlphaCreate();
                        image.Alpha()[size_t(y) * width + x] = 0;
                    }
                }
            }
        }
        out = std::move(image);
        return true;
    }
};

} // namespace

const ImageCodec& IcoCodec() {
    static const IcoCodecImpl codec;
    return codec;
}
