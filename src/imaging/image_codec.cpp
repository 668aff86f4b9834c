#include "imaging/image_codec.h"

#include "imaging/raster_image.h"

#include <QFileInfo>

bool ImageCodec::Encode(CRasterImage& image, std::vector<uint8_t>&) const {
    image.SetError("Unsupported operation for this format");
    return false;
}

namespace {

struct ExtensionEntry {
    const char* extension;
    int formatId;
};

constexpr ExtensionEntry kExtensions[] = {
    {"bmp", kFormatBmp}, {"gif", kFormatGif}, {"jpg", kFormatJpeg}, {"jpeg", kFormatJpeg},
    {"png", kFormatPng}, {"ico", kFormatIco}, {"tif", kFormatTiff}, {"tiff", kFormatTiff},
    {"tga", kFormatTga}, {"pcx", kFormatPcx}, {"wmf", kFormatWmf},  {"emf", kFormatWmf},
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
    for (const auto& entry : kExtensions) {
        if (extension == QLatin1String(entry.extension))
            return entry.formatId;
    }
    return -1;
}
