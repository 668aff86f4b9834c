#include "imaging/image_codec.h"
#include "imaging/raster_image.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

#include <jpeglib.h>
// jerror.h needs jpeglib.h first.
#include <jerror.h>

namespace {

// libjpeg reports fatal errors through error_exit; we jump back with the text.
struct ErrorManager {
    jpeg_error_mgr pub;
    jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr info) {
    auto* err = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, err->message);
    longjmp(err->jump, 1);
}

// Warnings are ignored, except the end of data in the middle of the picture:
// a truncated file fails instead of showing grey where its pixels are missing.
void OnMessage(j_common_ptr info, int level) {
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF)
        OnError(info);
}

bool Fail(CRasterImage& out, const char* text) {
    out.SetError(text);
    return false;
}

// The decompressor lives outside the function that calls setjmp so that no
// object with a destructor is skipped by the jump.
bool DecodeJpeg(std::span<const uint8_t> bytes, CRasterImage& image, CRasterImage& out) {
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = OnError;
    err.pub.emit_message = OnMessage;
    err.message[0] = 0;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return Fail(out, err.message);
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    const int components = cinfo.num_components;
    if (components == 1) {
        cinfo.out_color_space = JCS_GRAYSCALE;
    } else if (components == 3) {
        cinfo.out_color_space = JCS_EXT_BGR;
    } else if (components == 4) {
        cinfo.out_color_space = JCS_CMYK;
    } else {
        jpeg_destroy_decompress(&cinfo);
        return Fail(out, "Unsupported JPEG colour space");
    }
    if (!CheckImageSize(out, cinfo.image_width, cinfo.image_height)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    // Huffman-coded data spends at least one bit on each 8 x 8 block of the
    // full-resolution component, so a file holds at most 512 pixels a byte
    // (arithmetic coding can do far better on blank areas: allow 64 times
    // that). A small file claiming a huge picture is refused before its
    // pixels are allocated; a megapixel is always allowed.
    const uint64_t pixelsPerByte = cinfo.arith_code ? 512 * 64 : 512;
    if (uint64_t(cinfo.image_width) * cinfo.image_height >
        uint64_t(bytes.size()) * pixelsPerByte + 1'000'000) {
        jpeg_destroy_decompress(&cinfo);
        return Fail(out, "Corrupt JPEG data: the file is too small for its image size");
    }
    // A picture wanted much smaller than it is decodes at a fraction of its
    // size, which skips most of the inverse transform.
    if (out.HintWidth() > 0 || out.HintHeight() > 0) {
        for (unsigned denom : {8u, 4u, 2u}) {
            if ((cinfo.image_width + denom - 1) / denom >= unsigned(out.HintWidth()) &&
                (cinfo.image_height + denom - 1) / denom >= unsigned(out.HintHeight())) {
                cinfo.scale_num = 1;
                cinfo.scale_denom = denom;
                break;
            }
        }
    }
    jpeg_start_decompress(&cinfo);
    const int w = int(cinfo.output_width), h = int(cinfo.output_height);
    if (!image.Allocate(w, h, components == 1 ? 8 : 24, kFormatJpeg)) {
        jpeg_destroy_decompress(&cinfo);
        out.SetError(image.Info().lastError);
        return false;
    }
    if (components == 1)
        for (int i = 0; i < 256; ++i)
            image.Palette()[i] = RgbQuad{uint8_t(i), uint8_t(i), uint8_t(i), 0};
    if (cinfo.density_unit == 1 && cinfo.X_density && cinfo.Y_density)
        image.SetDpi(cinfo.X_density, cinfo.Y_density);
    else if (cinfo.density_unit == 2 && cinfo.X_density && cinfo.Y_density)
        image.SetDpi(int(cinfo.X_density * 2.54 + 0.5), int(cinfo.Y_density * 2.54 + 0.5));
    // Adobe writes CMYK inverted; plain CMYK files are inverted here so that
    // both come out right.
    const bool inverted = cinfo.saw_Adobe_marker;
    // Pool memory: freed by jpeg_destroy_decompress even after an error jump.
    JSAMPARRAY cmykRow = components == 4
                             ? (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo),
                                                          JPOOL_IMAGE, JDIMENSION(w) * 4, 1)
                             : nullptr;
    while (cinfo.output_scanline < cinfo.output_height) {
        if (out.Cancelled()) {
            jpeg_destroy_decompress(&cinfo);
            return Fail(out, "Cancelled");
        }
        uint8_t* row = image.Row(h - 1 - int(cinfo.output_scanline));
        JSAMPROW target = components == 4 ? cmykRow[0] : row;
        jpeg_read_scanlines(&cinfo, &target, 1);
        if (components == 4) {
            const uint8_t* s = cmykRow[0];
            for (int x = 0; x < w; ++x, s += 4, row += 3) {
                const unsigned c = inverted ? s[0] : 255 - s[0];
                const unsigned m = inverted ? s[1] : 255 - s[1];
                const unsigned y = inverted ? s[2] : 255 - s[2];
                const unsigned k = inverted ? s[3] : 255 - s[3];
                row[0] = uint8_t((y * k + 127) / 255);
                row[1] = uint8_t((m * k + 127) / 255);
                row[2] = uint8_t((c * k + 127) / 255);
            }
        }
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

bool EncodeJpeg(CRasterImage& image, std::vector<uint8_t>& out, const std::vector<uint8_t>& grey) {
    jpeg_compress_struct cinfo;
    ErrorManager err;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = OnError;
    err.pub.emit_message = OnMessage;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    if (setjmp(err.jump)) {
        jpeg_destroy_compress(&cinfo);
        std::free(buffer);
        return Fail(image, err.message);
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &buffer, &size);
    const int w = image.Width(), h = image.Height();
    const bool isGrey = image.BitCount() < 24;
    cinfo.image_width = JDIMENSION(w);
    cinfo.image_height = JDIMENSION(h);
    cinfo.input_components = isGrey ? 1 : 3;
    cinfo.in_color_space = isGrey ? JCS_GRAYSCALE : JCS_EXT_BGR;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, image.Info().jpegQuality, TRUE);
    cinfo.density_unit = 1;
    cinfo.X_density = UINT16(image.Info().xDpi);
    cinfo.Y_density = UINT16(image.Info().yDpi);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        const int y = h - 1 - int(cinfo.next_scanline);
        JSAMPROW row = isGrey ? const_cast<uint8_t*>(grey.data()) + size_t(y) * w : image.Row(y);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    out.assign(buffer, buffer + size);
    std::free(buffer);
    return true;
}

class JpegCodecImpl final : public ImageCodec {
public:
    int FormatId() const override { return kFormatJpeg; }
    bool Sniff(std::span<const uint8_t> head) const override {
        return head.size() >= 3 && head[0] == 0xFF && head[1] == 0xD8 && head[2] == 0xFF;
    }
    bool Decode(ByteReader& in, CRasterImage& out) const override {
        CRasterImage image;
        image.Info().escape = out.Info().escape;
        image.SetDecodeHint(out.HintWidth(), out.HintHeight());
        if (!DecodeJpeg(in.Data().subspan(in.Position()), image, out))
            return false;
        image.Info().escape = 0;
        out = std::move(image);
        return true;
    }
    bool CanEncode() const override { return true; }
    bool Encode(CRasterImage& image, std::vector<uint8_t>& out) const override {
        std::vector<uint8_t> grey;
        if (image.BitCount() < 24) {
            if (!image.IsGreyRamp())
                return Fail(image, "JPEG can save only RGB or GreyScale images");
            // Grey values are the palette entries of the indices.
            const int w = image.Width(), h = image.Height();
            grey.resize(size_t(w) * h);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    grey[size_t(y) * w + x] = image.Palette()[image.PixelIndex(x, y)].red;
        }
        return EncodeJpeg(image, out, grey);
    }
};

} // namespace

const ImageCodec& JpegCodec() {
    static const JpegCodecImpl codec;
    return codec;
}
