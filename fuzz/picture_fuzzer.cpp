#include "imaging/decode_limits.h"
#include "objects/image.h"
#include "objects/object_archive.h"
#include "objects/picture_pixel_cache.h"
#include "platform/archive.h"

#include <QImage>

#include <cstddef>
#include <cstdint>

// A picture record (base part first) from anywhere: reading ends in a picture
// or an archive error, never trusting a size; a picture that reads must draw
// into a small buffer and write its record again.
// Pictures of a megapixel at most, as in the image fuzzer.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    SetDecodePixelLimit(1'000'000);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    CImage picture;
    try {
        Archive ar(bytes, ObjectClasses());
        picture.Serialize(ar);
    } catch (const ArchiveError&) {
        return 0;
    }
    QImage buffer(64, 64, QImage::Format_BGR888);
    buffer.fill(Qt::white);
    picture.DrawToBitmap(buffer, 0, 0, 1.0f, UnitConversion{});
    picture.m_encodedRecord.clear();
    try {
        QByteArray out;
        Archive ar(&out);
        picture.Serialize(ar);
    } catch (const ArchiveError&) {
    }
    // Each input stands alone.
    PicturePixelCache::Clear();
    return 0;
}
