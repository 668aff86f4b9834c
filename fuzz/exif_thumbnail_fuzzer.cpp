#include "imaging/decode_limits.h"
#include "imaging/exif_thumbnail.h"
#include "imaging/jpeg_frame.h"
#include "imaging/raster_image.h"

#include <cstddef>
#include <cstdint>
#include <span>

// The gallery reads the head of every JPEG photo it lists: the frame header,
// the EXIF block through libexif, and the thumbnail stream it names, which it
// decodes. All three see the file's bytes as they come.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    SetDecodePixelLimit(1'000'000);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView head(reinterpret_cast<const char*>(data), qsizetype(size));
    (void)ReadJpegFrame(head);
    const QByteArray thumb = ExifThumbnail(head);
    if (!thumb.isEmpty()) {
        CRasterImage image;
        image.DecodeFrom(
            std::span(reinterpret_cast<const uint8_t*>(thumb.constData()), size_t(thumb.size())),
            kFormatJpeg);
    }
    return 0;
}
