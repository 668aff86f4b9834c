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

// Joins the data sub-blocks that follow; false when the terminator is missing.
bool ReadSubBlocks(ByteReader& in, std::vector<uint8_t>* data) {
    for (;;) {
        uint8_t size;
        if (!in.U8(size))
            return false;
        if (size == 0)
            return true;
        const auto block = in.Take(size);
        if (block.empty())
            return false;
        if (data)
            data->insert(data->end(), block.begin(), block.end());
    }
}

// Variable-length LZW as GIF uses it. Writes at most `out.size()` indices; a
// stream that ends early leaves the rest at 0.
void DecodeLzw(const std::vector<uint8_t>& data, int minCodeSize, std::vector<uint8_t>& out) {
    const int clear = 1 << minCodeSize, endOfInfo = clear + 1;
    uint16_t prefix[4096];
    uint8_t suffix[4096];
    uint8_t stack[4097];
    for (int i = 0; i < clear; ++i)
        prefix[i] = 0xFFFF, suffix[i] = uint8_t(i);
    int codeSize = minCodeSize + 1, next = clear + 2, old = -1;
    uint8_t first = 0;
    uint32_t bitBuffer = 0;
    int bitCount = 0;
    size_t pos = 0, written = 0;
    const size_t total = out.size();
    while (written < total) {
        while (bitCount < codeSize) {
            if (pos >= data.size())
                return;
            bitBuffer |= uint32_t(data[pos++]) << bitCount;
            bitCount += 8;
        }
        const int code = int(bitBuffer & ((1u << codeSize) - 1));
        bitBuffer >>= codeSize;
        bitCount -= codeSize;
        if (code == clear) {
            codeSize = minCodeSize + 1;
            next = clear + 2;
            old = -1;
            continue;
        }
        if (code == endOfInfo)
            return;
        if (old < 0) {
            if (code >= clear)
                return; // the first code after a clear must be a literal
            out[written++] = suffix[code];
            old = code;
            first = suffix[code];
            continue;
        }
        int depth = 0, walk = code;
        if (code >= next) {
            if (code > next)
                return; // a code from the future: the stream is broken
            stack[depth++] = first;
            walk = old;
        }
        while (walk >= clear && depth < 4096) {
            stack[depth++] = suffix[walk];
            walk = prefix[walk];
        }
        stack[depth++] = suffix[walk];
        first = suffix[walk];
        while (depth > 0 && written < total)
            out[written++] = stack[--depth];
        if (next < 4096) {
            prefix[next] = uint16_t(old);
            suffix[next] = first;
            ++next;
            if (next == (1 << codeSize) && codeSize < 12)
                ++codeSize;
        }
        old = code;
    }
}

class GifCodecImpl final : public ImageCodec {
public:
    int FormatId() const override { return kFormatGif; }
    bool Sniff(std::span<const uint8_t> head) const override {
        return head.size() >= 4 && std::memcmp(head.data(), "GIF8", 4) == 0;
    }

    bool Decode(ByteReader& in, CRasterImage& out) const override {
        const auto signature = in.Take(6);
        if (signature.empty() || std::memcmp(signature.data(), "GIF8", 4) != 0)
            return Fail(out, "Not a GIF");
        uint16_t screenW, screenH;
        uint8_t packed, background, aspect;
        if (!in.U16(screenW) || !in.U16(screenH) || !in.U8(packed) || !in.U8(background) ||
            !in.U8(aspect))
            return Fail(out, "corrupted GIF");
        RgbQuad globalTable[256] = {};
        int globalSize = 0;
        if (packed & 0x80) {
            globalSize = 2 << (packed & 7);
            if (!ReadTable(in, globalTable, globalSize))
                return Fail(out, "corrupted GIF");
        }
        int transparent = -1;
        int frame = 0;
        for (;;) {
            uint8_t introducer;
            if (!in.U8(introducer) || introducer == 0x3B)
                return Fail(out, frame == 0 ? "corrupted GIF" : "GIF frame not found");
            if (introducer == 0x21) {
                uint8_t label;
                if (!in.U8(label))
                    return Fail(out, "corrupted GIF");
                if (label == 0xF9) {
                    std::vector<uint8_t> control;
                    if (!ReadSubBlocks(in, &control))
                        return Fail(out, "corrupted GIF");
                    transparent = control.size() >= 4 && (control[0] & 1) ? control[3] : -1;
                } else if (!ReadSubBlocks(in, nullptr)) {
                    return Fail(out, "corrupted GIF");
                }
                continue;
            }
            if (introducer != 0x2C)
                return Fail(out, "corrupted GIF");
            uint16_t left, top, w, h;
            uint8_t imagePacked, minCodeSize;
            if (!in.U16(left) || !in.U16(top) || !in.U16(w) || !in.U16(h) || !in.U8(imagePacked))
                return Fail(out, "corrupted GIF");
            RgbQuad localTable[256] = {};
            int tableSize = globalSize;
            const RgbQuad* table = globalTable;
            if (imagePacked & 0x80) {
                tableSize = 2 << (imagePacked & 7);
                if (!ReadTable(in, localTable, tableSize))
                    return Fail(out, "corrupted GIF");
                table = localTable;
            }
            if (!in.U8(minCodeSize) || minCodeSize < 1 || minCodeSize > 11)
                return Fail(out, "corrupted GIF");
            if (frame++ != out.Frame()) {
                if (!ReadSubBlocks(in, nullptr))
                    return Fail(out, "corrupted GIF");
                transparent = -1;
                continue;
            }
            if (!CheckImageSize(out, w, h))
                return false;
            std::vector<uint8_t> data;
            if (!ReadSubBlocks(in, &data))
                return Fail(out, "corrupted GIF");
            // No code yields more than 4096 pixels: refuse a picture its data
            // cannot fill before allocating it.
            const uint64_t maxPixels = (uint64_t(data.size()) * 8 / (minCodeSize + 1) + 1) * 4096;
            if (uint64_t(w) * h > maxPixels)
                return Fail(out, "corrupted GIF");
            const int bits = tableSize <= 2 ? 1 : tableSize <= 16 ? 4 : 8;
            CRasterImage image;
            if (!image.Allocate(w, h, bits, kFormatGif)) {
                out.SetError(image.Info().lastError);
                return false;
            }
            std::copy(table, table + (1 << bits), image.Palette());
            std::vector<uint8_t> indices(size_t(w) * h, 0);
            DecodeLzw(data, minCodeSize, indices);
            // Interlaced rows come in four passes: every 8th from 0, every
            // 8th from 4, every 4th from 2, every 2nd from 1.
            static const int kStart[4] = {0, 4, 2, 1}, kStep[4] = {8, 8, 4, 2};
            int row = 0;
            for (int pass = 0; pass < ((imagePacked & 0x40) ? 4 : 1); ++pass) {
                const int start = (imagePacked & 0x40) ? kStart[pass] : 0;
                const int step = (imagePacked & 0x40) ? kStep[pass] : 1;
                for (int r = start; r < h; r += step, ++row) {
                    const uint8_t* src = indices.data() + size_t(row) * w;
                    const int y = h - 1 - r;
                    PackIndexRow(image.Row(y), src, w, image.BitCount());
                }
            }
            if (transparent >= 0 && transparent < (1 << bits)) {
                image.Info().backgroundIndex = transparent;
                image.Info().backgroundColor = image.Palette()[transparent];
            }
            out = std::move(image);
            return true;
        }
    }

private:
    static bool ReadTable(ByteReader& in, RgbQuad* table, int size) {
        const auto data = in.Take(size_t(size) * 3);
        if (data.empty())
            return false;
        for (int i = 0; i < size; ++i)
            table[i] = RgbQuad{data[3 * i + 2], data[3 * i + 1], data[3 * i], 0};
        return true;
    }
};

} // namespace

const ImageCodec& GifCodec() {
    static const GifCodecImpl codec;
    return codec;
}
