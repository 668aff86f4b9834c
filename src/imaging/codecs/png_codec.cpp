#include "imaging/image_codec.h"
#include "imaging/pixel_rows.h"
#include "imaging/raster_image.h"

#include <cmath>
#include <cstring>
#include <vector>

#include <png.h>

namespace {

bool Fail(CRasterImage& out, const char* text) {
    out.SetError(text);
    return false;
}

struct ReadState {
    ByteReader* in;
    char message[256];
};

struct WriteState {
    std::vector<uint8_t>* out;
    char message[256];
};

void OnReadError(png_structp png, png_const_charp text) {
    auto* state = static_cast<ReadState*>(png_get_error_ptr(png));
    std::snprintf(state->message, sizeof state->message, "%s", text);
    png_longjmp(png, 1);
}

void OnWriteError(png_structp png, png_const_charp text) {
    auto* state = static_cast<WriteState*>(png_get_error_ptr(png));
    std::snprintf(state->message, sizeof state->message, "%s", text);
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {
}

void ReadData(png_structp png, png_bytep data, png_size_t length) {
    auto* state = static_cast<ReadState*>(png_get_io_ptr(png));
    if (!state->in->Read(data, length))
        png_error(png, "Read Error");
}

void WriteData(png_structp png, png_bytep data, png_size_t length) {
    auto* state = static_cast<WriteState*>(png_get_io_ptr(png));
    state->out->insert(state->out->end(), data, data + length);
}

void FlushData(png_structp) {
}

// Everything that must survive a longjmp lives in this record, outside the
// function that calls setjmp.
struct ReadJob {
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::vector<uint8_t> buffer;
    std::vector<png_bytep> rows;
};

bool ReadPng(ReadJob& job, ReadState& state, CRasterImage& image, CRasterImage& out) {
    png_structp png = job.png;
    png_infop info = job.info;
    if (setjmp(png_jmpbuf(png)))
        return Fail(out, state.message);
    png_set_read_fn(png, &state, ReadData);
    png_read_info(png, info);
    png_uint_32 w, h;
    int depth, colorType, interlace;
    png_get_IHDR(png, info, &w, &h, &depth, &colorType, &interlace, nullptr, nullptr);
    if (!CheckImageSize(out, w, h))
        return false;
    // Deflate expands at most 1032 times: refuse rows the file cannot hold.
    if ((uint64_t(w) * depth * png_get_channels(png, info) / 8 + 1) * h >
        uint64_t(state.in->Size()) * 1032 + 4096)
        return Fail(out, "Read Error");
    const bool hasTrns = png_get_valid(png, info, PNG_INFO_tRNS);
    if (depth == 16)
        png_set_strip_16(png);
    bool palette = colorType == PNG_COLOR_TYPE_PALETTE;
    bool grey = colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA;
    bool alpha = (colorType & PNG_COLOR_MASK_ALPHA) || hasTrns;
    if (palette && hasTrns) { // per-index alpha: expand to colour plus alpha
        png_set_palette_to_rgb(png);
        palette = false;
    }
    if (grey && hasTrns) {
        png_set_tRNS_to_alpha(png);
    }
    if (!palette && !grey && hasTrns)
        png_set_tRNS_to_alpha(png);
    if (grey && depth < 8)
        png_set_expand_gray_1_2_4_to_8(png);
    if (palette && depth < 8)
        png_set_packing(png);
    if (!palette && !grey)
        png_set_bgr(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const int channels = png_get_channels(png, info);
    const int bits = palette ? (depth == 1 ? 1 : depth <= 4 ? 4 : 8) : grey ? 8 : 24;
    if (!image.Allocate(int(w), int(h), bits, kFormatPng)) {
        out.SetError(image.Info().lastError);
        return false;
    }
    if (palette) {
        png_colorp entries;
        int count = 0;
        png_get_PLTE(png, info, &entries, &count);
        for (int i = 0; i < count && i < (1 << bits); ++i)
            image.Palette()[i] = RgbQuad{entries[i].blue, entries[i].green, entries[i].red, 0};
    } else if (grey) {
        for (int i = 0; i < 256; ++i)
            image.Palette()[i] = RgbQuad{uint8_t(i), uint8_t(i), uint8_t(i), 0};
    }
    if (alpha)
        image.AlphaCreate();
    png_uint_32 xRes, yRes;
    int unit;
    if (png_get_pHYs(png, info, &xRes, &yRes, &unit) && unit == PNG_RESOLUTION_METER)
        image.SetDpiFromHeader(int32_t(xRes), int32_t(yRes));

    // Rows that are stored as they come go straight into the DIB; the others
    // (alpha to split off, packed indices) pass through one buffer.
    const size_t rowBytes = png_get_rowbytes(png, info);
    const bool direct = channels == (bits == 24 ? 3 : 1) && (bits == 8 || bits == 24);
    job.rows.resize(h);
    if (direct) {
        for (png_uint_32 r = 0; r < h; ++r)
            job.rows[r] = image.Row(int(h - 1 - r));
    } else {
        job.buffer.resize(rowBytes * h);
        for (png_uint_32 r = 0; r < h; ++r)
            job.rows[r] = job.buffer.data() + rowBytes * r;
    }
    png_read_image(png, job.rows.data());
    png_read_end(png, nullptr);
    if (direct)
        return true;
    for (png_uint_32 r = 0; r < h; ++r) {
        const int y = int(h - 1 - r);
        const uint8_t* s = job.rows[r];
        uint8_t* d = image.Row(y);
        uint8_t* a = image.HasAlpha() ? image.Alpha() + size_t(y) * w : nullptr;
        if (palette) {
            PackIndexRow(d, s, int(w), image.BitCount());
        } else if (grey) { // grey plus alpha
            for (png_uint_32 x = 0; x < w; ++x, s += 2)
                d[x] = s[0], a[x] = s[1];
        } else { // colour plus alpha
            for (png_uint_32 x = 0; x < w; ++x, s += 4, d += 3)
                d[0] = s[0], d[1] = s[1], d[2] = s[2], a[x] = s[3];
        }
    }
    return true;
}

struct WriteJob {
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::vector<uint8_t> row;
};

bool WritePng(WriteJob& job, WriteState& state, CRasterImage& image) {
    png_structp png = job.png;
    png_infop info = job.info;
    if (setjmp(png_jmpbuf(png)))
        return Fail(image, state.message[0] ? state.message : "Error saving PNG file");
    png_set_write_fn(png, &state, WriteData, FlushData);
    const int w = image.Width(), h = image.Height();
    const bool alpha = image.HasAlpha();
    const bool palette = image.BitCount() < 24;
    const bool grey = palette && image.BitCount() == 8 && image.IsGreyRamp();
    int colorType, depth = 8;
    if (alpha)
        colorType = grey ? PNG_COLOR_TYPE_GRAY_ALPHA : PNG_COLOR_TYPE_RGB_ALPHA;
    else if (grey)
        colorType = PNG_COLOR_TYPE_GRAY;
    else if (palette)
        colorType = PNG_COLOR_TYPE_PALETTE, depth = image.BitCount();
    else
        colorType = PNG_COLOR_TYPE_RGB;
    png_set_IHDR(png, info, png_uint_32(w), png_uint_32(h), depth, colorType, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (colorType == PNG_COLOR_TYPE_PALETTE) {
        png_color entries[256];
        const int count = 1 << image.BitCount();
        for (int i = 0; i < count; ++i)
            entries[i] = png_color{image.Palette()[i].red, image.Palette()[i].green,
                                   image.Palette()[i].blue};
        png_set_PLTE(png, info, entries, count);
    }
    png_set_pHYs(png, info, png_uint_32(image.Header().xPelsPerMeter),
                 png_uint_32(image.Header().yPelsPerMeter), PNG_RESOLUTION_METER);
    png_write_info(png, info);
    const int channels = png_get_channels(png, info);
    job.row.resize(size_t(w) * 4);
    for (int r = 0; r < h; ++r) {
        const int y = h - 1 - r;
        const uint8_t* a = alpha ? image.Alpha() + size_t(y) * w : nullptr;
        uint8_t* d = job.row.data();
        if (colorType == PNG_COLOR_TYPE_PALETTE) {
            png_write_row(png, image.Row(y));
            continue;
        }
        for (int x = 0; x < w; ++x) {
            const RgbQuad c = image.ReadPixel(x, y);
            if (grey) {
                *d++ = c.red;
            } else {
                *d++ = c.red;
                *d++ = c.green;
                *d++ = c.blue;
            }
            if (a)
                *d++ = a[x];
        }
        (void)channels;
        png_write_row(png, job.row.data());
    }
    png_write_end(png, info);
    return true;
}

class PngCodecImpl final : public ImageCodec {
public:
    int FormatId() const override { return kFormatPng; }
    bool Sniff(std::span<const uint8_t> head) const override {
        return head.size() >= 8 && png_sig_cmp(head.data(), 0, 8) == 0;
    }
    bool Decode(ByteReader& in, CRasterImage& out) const override {
        ReadState state{&in, "Read Error"};
        ReadJob job;
        job.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &state, OnReadError, OnWarning);
        if (!job.png)
            return Fail(out, "Failed to create PNG structure");
        job.info = png_create_info_struct(job.png);
        if (!job.info) {
            png_destroy_read_struct(&job.png, nullptr, nullptr);
            return Fail(out, "Failed to initialize PNG info structure");
        }
        CRasterImage image;
        const bool ok = ReadPng(job, state, image, out);
        png_destroy_read_struct(&job.png, &job.info, nullptr);
        if (ok)
            out = std::move(image);
        return ok;
    }
    bool CanEncode() const override { return true; }
    bool Encode(CRasterImage& image, std::vector<uint8_t>& out) const override {
        WriteState state{&out, ""};
        WriteJob job;
        job.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &state, OnWriteError, OnWarning);
        if (!job.png)
            return Fail(image, "Failed to create PNG structure");
        job.info = png_create_info_struct(job.png);
        if (!job.info) {
            png_destroy_write_struct(&job.png, nullptr);
            return Fail(image, "Failed to initialize PNG info structure");
        }
        const bool ok = WritePng(job, state, image);
        png_destroy_write_struct(&job.png, &job.info);
        return ok;
    }
};

} // namespace

const ImageCodec& PngCodec() {
    static const PngCodecImpl codec;
    return codec;
}
