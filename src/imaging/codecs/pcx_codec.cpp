#include "imaging/image_codec.h"
#include "imaging/pixel_rows.h"
#include "imaging/raster_image.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

bool Fail(CRasterImage& out, const char* text) {
    out.SetError(text);
    return false;
}

uint16_t U16At(const uint8_t* p) {
    return uint16_t(p[0] | (p[1] << 8));
}

class PcxCodecImpl final : public ImageCodec {
public:
    int FormatId() const override { return kFormatPcx; }
    bool Sniff(std::span<const uint8_t> head) const override {
        return head.size() >= 4 && head[0] == 10 && head[1] <= 5 && head[2] == 1;
    }

    bool Decode(ByteReader& in, CRasterImage& out) const override {
        const auto header = in.Take(128);
        if (header.empty())
            return Fail(out, "Can't read PCX image");
        const uint8_t* hd = header.data();
        if (hd[0] != 10)
            return Fail(out, "Error: Not a PCX file");
        if (hd[2] != 1)
            return Fail(out, "PCX file has unknown encoding scheme");
        const int bits = hd[3];
        const int planes = hd[65];
        if (planes > 4)
            return Fail(out, "Can't handle image with more than 4 planes");
        const int w = int(U16At(hd + 8)) - U16At(hd + 4) + 1;
        const int h = int(U16At(hd + 10)) - U16At(hd + 6) + 1;
        const int bytesPerLine = U16At(hd + 66);
        if (!CheckImageSize(out, w, h))
            return false;
        const bool trueColour = bits == 8 && (planes == 3 || planes == 4);
        const bool planar = bits == 1 && planes >= 2;
        const bool single = planes == 1 && (bits == 1 || bits == 2 || bits == 4 || bits == 8);
        if (!trueColour && !planar && !single)
            return Fail(out, "corrupted PCX");
        if (bytesPerLine < (w * bits + 7) / 8)
            return Fail(out, "corrupted PCX");

        // An 8-bit single-plane image keeps its palette after the pixels.
        RgbQuad palette[256] = {};
        if (single && bits == 8) {
            const auto data = in.Data();
            if (data.size() < 128 + 769 || data[data.size() - 769] != 12)
                return Fail(out, "bad color map signature");
            const uint8_t* p = data.data() + data.size() - 768;
            for (int i = 0; i < 256; ++i)
                palette[i] = RgbQuad{p[3 * i + 2], p[3 * i + 1], p[3 * i], 0};
        } else {
            for (int i = 0; i < 16; ++i)
                palette[i] = RgbQuad{hd[16 + 3 * i + 2], hd[16 + 3 * i + 1], hd[16 + 3 * i], 0};
            // Monochrome files often leave the header palette empty.
            if (bits == 1 && planes == 1 && palette[0] == palette[1])
                palette[1] = RgbQuad{255, 255, 255, 0};
        }

        // Two bytes of data give at most 63 bytes of rows.
        if ((in.Remaining() / 2 + 1) * 63 < size_t(planes) * bytesPerLine * h)
            return Fail(out, "corrupted PCX");
        const int outBits = trueColour ? 24 : planar ? 4 : bits == 2 ? 4 : bits;
        CRasterImage image;
        image.Info().escape = out.Info().escape;
        if (!image.Allocate(w, h, outBits, kFormatPcx)) {
            out.SetError(image.Info().lastError);
            return false;
        }
        if (!trueColour)
            std::copy(palette, palette + (1 << outBits), image.Palette());
        if (trueColour && planes == 4)
            image.AlphaCreate();
        image.SetDpi(U16At(hd + 12), U16At(hd + 14));

        const size_t lineBytes = size_t(planes) * bytesPerLine;
        std::vector<uint8_t> line(lineBytes);
        std::vector<uint8_t> indices(static_cast<size_t>(w)); // one row, one index per byte
        // The data end excludes the trailing palette of 8-bit images.
        const size_t end = (single && bits == 8) ? in.Size() - 769 : in.Size();
        size_t pos = in.Position();
        const uint8_t* data = in.Data().data();
        int pendingCount = 0;
        uint8_t pendingValue = 0;
        for (int r = 0; r < h; ++r) {
            if (out.Cancelled())
                return Fail(out, "Cancelled");
            size_t filled = 0;
            while (filled < lineBytes) {
                if (pendingCount == 0) {
                    if (pos >= end)
                        return Fail(out, "corrupted PCX");
                    const uint8_t c = data[pos++];
                    if ((c & 0xC0) == 0xC0) {
                        if (pos >= end)
                            return Fail(out, "corrupted PCX");
                        pendingCount = c & 0x3F;
                        pendingValue = data[pos++];
                    } else {
                        pendingCount = 1;
                        pendingValue = c;
                    }
                }
                const size_t n = std::min(size_t(pendingCount), lineBytes - filled);
                std::memset(line.data() + filled, pendingValue, n);
                filled += n;
                pendingCount -= int(n);
            }
            // A run may carry over into the next line, never past the image.
            if (r == h - 1 && pendingCount > 0)
                return Fail(out, "repeat count spans end of image");
            const int y = h - 1 - r;
            uint8_t* row = image.Row(y);
            if (trueColour) {
                const uint8_t* R = line.data();
                const uint8_t* G = R + bytesPerLine;
                const uint8_t* B = G + bytesPerLine;
                for (int x = 0; x < w; ++x)
                    row[3 * x] = B[x], row[3 * x + 1] = G[x], row[3 * x + 2] = R[x];
                if (planes == 4)
                    std::memcpy(image.Alpha() + size_t(y) * w, B + bytesPerLine, size_t(w));
            } else if (planar) {
                for (int x = 0; x < w; ++x) {
                    int index = 0;
                    for (int p = 0; p < planes; ++p)
                        index |= ((line[size_t(p) * bytesPerLine + (x >> 3)] >> (7 - (x & 7))) & 1)
                                 << p;
                    indices[size_t(x)] = uint8_t(index);
                }
                PackIndexRow(row, indices.data(), w, image.BitCount());
            } else if (bits == 2) {
                UnpackIndexRow(line.data(), indices.data(), w, 2);
                PackIndexRow(row, indices.data(), w, image.BitCount());
            } else {
                std::memcpy(row, line.data(), size_t(w * bits + 7) / 8);
            }
        }
        image.Info().escape = 0;
        out = std::move(image);
        return true;
    }
};

} // namespace

const ImageCodec& PcxCodec() {
    static const PcxCodecImpl codec;
    return codec;
}
