#include "imaging/image_codec.h"

#include "imaging/raster_image.h"

#include <QFileInfo>

bool ImageCodec::Encode(CRasterImage& image, std::vector<uint8_t>&) const {
    image.SetError("Unsupported operation for this format");
    return false;
}

namespace {

// Windows and enhanced metafiles share the metafile codec (a background
// picture renders them); as objects they become vector pictures, as SVG does.
constexpr PictureFileKind kPictureFileKinds[] = {
    {"JPEG", {"jpg", "jpeg"}, kFormatJpeg}, {"GIF", {"gif", nullptr}, kFormatGif},
    {"BMP", {"bmp", nullptr}, kFormatBmp},  {"PNG", {"png", nullptr}, kFormatPng},
    {"TIFF", {"tif", "tiff"}, kFormatTiff}, {"ICO", {"ico", nullptr}, kFormatIco},
    {"TGA", {"tga", nullptr}, kFormatTga},  {"PCX", {"pcx", nullptr}, kFormatPcx},
    {"WMF", {"wmf", nullptr}, kFormatWmf},  {"EMF", {"emf", nullptr}, kFormatWmf},
    {"SVG", {"svg", nullptr}, -1},
};

const ImageCodec* const* Codecs() {
    static const ImageCodec* const table[] = {
        &BmpCodec(),  &GifCodec(), &JpegCodec(), &PngCodec(),      &IcoCodec(),
        &TiffCodec(), &TgaCodec(), &PcxCodec(),  &MetafileCodec(), nullptr};
    return table;
}

} // namespace

const ImageCodec* FindImageCodec(int formatId) {
    for (auto codec = Codecs(); *codec; ++codec) {
        if ((*codec)->FormatId() == formatId)
            return *codec;
    }
    return nullptr;
}

int SniffImageFormat(std::span<const uint8_t> head) {
    // TGA has no signature, so it is tried last of all.
    for (auto codec = Codecs(); *codec; ++codec) {
        if ((*codec)->FormatId() != kFormatTga && (*codec)->Sniff(head))
            return (*codec)->FormatId();
    }
    return TgaCodec().Sniff(head) ? kFormatTga : -1;
}

int ImageFormatFromExtension(const QString& fileName) {
    const int dot = fileName.lastIndexOf(u'.');
    if (dot < 0)
        return -1;
    const QString extension = fileName.mid(dot + 1).toLower();
    for (const PictureFileKind& kind : kPictureFileKinds) {
        for (const char* own : kind.extensions) {
            if (own != nullptr && extension == QLatin1String(own))
                return kind.formatId;
        }
    }
    return -1;
}

std::span<const PictureFileKind> PictureFileKinds() {
    return kPictureFileKinds;
}
