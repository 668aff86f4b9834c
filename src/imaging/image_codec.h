#pragma once

#include "imaging/byte_reader.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include <QString>

class CRasterImage;

// One reader (and optionally writer) per picture format. A decoder fills a
// fresh image and on failure stores its message as that image's last error;
// the caller moves the image into place only on success.
class ImageCodec {
public:
    virtual ~ImageCodec() = default;
    virtual int FormatId() const = 0;
    // True when the first bytes look like this format.
    virtual bool Sniff(std::span<const uint8_t> head) const = 0;
    virtual bool Decode(ByteReader& in, CRasterImage& out) const = 0;
    virtual bool CanEncode() const { return false; }
    // `image` is not const only because failures are reported as its last error.
    virtual bool Encode(CRasterImage& image, std::vector<uint8_t>& out) const;
};

// The codec for a format id, or null for an id no codec handles.
const ImageCodec* FindImageCodec(int formatId);
// The format whose codec recognises the bytes, or -1.
int SniffImageFormat(std::span<const uint8_t> head);
// The format id for a file name's extension (lower-cased), or -1.
int ImageFormatFromExtension(const QString& fileName);

// One kind of picture file Lumvane reads: its name, its extensions (lower
// case; the second may be null) and the format id of the codec that decodes
// it, or -1 for SVG, which only a vector picture reads. The picture dialogs'
// filters are made from this table, so they offer what the loaders accept.
struct PictureFileKind {
    const char* name;
    std::array<const char*, 2> extensions;
    int formatId;
};
// Every kind, in the order the dialogs list them.
std::span<const PictureFileKind> PictureFileKinds();

// Codec instances, one per file in codecs/.
const ImageCodec& BmpCodec();
const ImageCodec& GifCodec();
const ImageCodec& JpegCodec();
const ImageCodec& PngCodec();
const ImageCodec& IcoCodec();
const ImageCodec& TiffCodec();
const ImageCodec& TgaCodec();
const ImageCodec& PcxCodec();
const ImageCodec& MetafileCodec(); // Windows and enhanced metafiles, rendered

// Bare DIB reading shared by the BMP codec, clipboard paste and the image data
// block: `in` starts at the info header; `pixelOffset` is the absolute offset
// of the rows in `in`, or 0 when they follow the header, masks and palette.
bool DecodeDib(ByteReader& in, CRasterImage& out, size_t pixelOffset);
