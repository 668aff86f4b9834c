#include "imaging/image_data_block.h"

#include "imaging/image_codec.h"
#include "imaging/raster_image.h"

namespace {

void PutU32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(v >> (8 * i)));
}

} // namespace

bool WriteImageDataBlock(CRasterImage& image, int hasAlpha, std::vector<uint8_t>& out) {
    if (!image.IsValid()) {
        image.SetError("No image to save");
        return false;
    }
    if (image.PaletteSize() != 0 && !image.IsGreyRamp()) {
        const auto dib = image.Dib();
        PutU32(out, uint32_t(dib.size()));
        out.insert(out.end(), dib.begin(), dib.end());
        return true;
    }
    image.Info().jpegQuality = 100;
    const bool png = image.Info().transparentColour != 0 || hasAlpha == 1;
    std::vector<uint8_t> encoded;
    if (!image.EncodeTo(encoded, png ? kFormatPng : kFormatJpeg))
        return false;
    PutU32(out, 0);
    PutU32(out, uint32_t(encoded.size()));
    out.insert(out.end(), encoded.begin(), encoded.end());
    return true;
}

bool ReadImageDataBlock(CRasterImage& image, int hasAlpha, ByteReader& in) {
    uint32_t n;
    if (!in.U32(n)) {
        image.SetError("Read Error");
        return false;
    }
    if (n > 0) {
        const auto dib = in.Take(n);
        if (dib.empty()) {
            image.SetError("Read Error");
            return false;
        }
        CRasterImage decoded;
        ByteReader reader(dib);
        if (!DecodeDib(reader, decoded, 0)) {
            image.SetError(decoded.Info().lastError);
            return false;
        }
        ImageInfo info = image.Info();
        info.rowStride = decoded.Info().rowStride;
        info.colorType = decoded.Info().colorType;
        info.formatId = kFormatBmp;
        info.xDpi = decoded.Info().xDpi;
        info.yDpi = decoded.Info().yDpi;
        const int frame = image.Frame();
        image = std::move(decoded);
        image.Info() = info;
        image.SetFrame(frame);
        return true;
    }
    uint32_t length;
    if (!in.U32(length)) {
        image.SetError("Read Error");
        return false;
    }
    const auto bytes = in.Take(length);
    if (bytes.size() != length) {
        image.SetError("Read Error");
        return false;
    }
    const bool png = image.Info().transparentColour != 0 || hasAlpha == 1;
    return image.DecodeFrom(bytes, png ? kFormatPng : kFormatJpeg);
}
