#include "imaging/exif_orientation.h"

#include "imaging/raster_image.h"

#include <turbojpeg.h>

#include <QTransform>

#include <cstdint>
#include <memory>

namespace {

constexpr uint16_t kOrientationTag = 0x0112;
constexpr uint16_t kShortType = 3;

uint16_t Get16(QByteArrayView b, qsizetype at, bool bigEndian) {
    const auto lo = uint8_t(b[at]), hi = uint8_t(b[at + 1]);
    return bigEndian ? uint16_t(lo << 8 | hi) : uint16_t(hi << 8 | lo);
}

uint32_t Get32(QByteArrayView b, qsizetype at, bool bigEndian) {
    const uint32_t a = Get16(b, at, bigEndian), c = Get16(b, at + 2, bigEndian);
    return bigEndian ? a << 16 | c : c << 16 | a;
}

// The orientation tag of a TIFF structure (the EXIF block after "Exif\0\0"),
// at `base` in `file`, `size` bytes long.
ExifOrientationTag FindInTiff(QByteArrayView file, qsizetype base, qsizetype size) {
    if (size < 8)
        return {};
    const QByteArrayView tiff = file.sliced(base, size);
    bool bigEndian;
    if (tiff.startsWith(QByteArrayView("II*\0", 4)))
        bigEndian = false;
    else if (tiff.startsWith(QByteArrayView("MM\0*", 4)))
        bigEndian = true;
    else
        return {};
    const uint32_t ifd = Get32(tiff, 4, bigEndian);
    if (ifd < 8 || qsizetype(ifd) + 2 > size)
        return {};
    const uint16_t count = Get16(tiff, ifd, bigEndian);
    for (uint32_t i = 0; i < count; ++i) {
        const qsizetype entry = qsizetype(ifd) + 2 + qsizetype(i) * 12;
        if (entry + 12 > size)
            break;
        if (Get16(tiff, entry, bigEndian) != kOrientationTag)
            continue;
        // One SHORT, held in the first two bytes of the value field.
        if (Get16(tiff, entry + 2, bigEndian) != kShortType ||
            Get32(tiff, entry + 4, bigEndian) != 1)
            return {};
        ExifOrientationTag tag;
        tag.value = Get16(tiff, entry + 8, bigEndian);
        tag.at = base + entry + 8;
        tag.bigEndian = bigEndian;
        if (tag.value < 1 || tag.value > 8)
            tag.value = 1;
        return tag;
    }
    return {};
}

struct TjDeleter {
    void operator()(void* handle) const { tjDestroy(handle); }
};
struct TjBufferDeleter {
    void operator()(unsigned char* buffer) const { tjFree(buffer); }
};

int TransformFor(int orientation) {
    switch (orientation) {
    case 2:
        return TJXOP_HFLIP;
    case 3:
        return TJXOP_ROT180;
    case 4:
        return TJXOP_VFLIP;
    case 5:
        return TJXOP_TRANSPOSE;
    case 6:
        return TJXOP_ROT90;
    case 7:
        return TJXOP_TRANSVERSE;
    case 8:
        return TJXOP_ROT270;
    default:
        return TJXOP_NONE;
    }
}

} // namespace

ExifOrientationTag FindJpegOrientation(QByteArrayView jpeg) {
    if (jpeg.size() < 4 || uint8_t(jpeg[0]) != 0xFF || uint8_t(jpeg[1]) != 0xD8)
        return {};
    // The marker segments before the image data; EXIF is an APP1 among them.
    qsizetype at = 2;
    while (at + 4 <= jpeg.size()) {
        if (uint8_t(jpeg[at]) != 0xFF)
            return {};
        const uint8_t marker = uint8_t(jpeg[at + 1]);
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        if (marker == 0xDA || marker == 0xD9) // image data or end: no EXIF before it
            return {};
        const qsizetype length = Get16(jpeg, at + 2, true);
        if (length < 2 || at + 2 + length > jpeg.size())
            return {};
        const qsizetype body = at + 4;
        if (marker == 0xE1 && length >= 8 && jpeg.sliced(body, 6) == QByteArrayView("Exif\0\0", 6))
            return FindInTiff(jpeg, body + 6, length - 8);
        at += 2 + length;
    }
    return {};
}

int JpegOrientation(QByteArrayView jpeg) {
    return FindJpegOrientation(jpeg).value;
}

bool UprightJpeg(QByteArrayView jpeg, QByteArray* upright, QString* error) {
    const int orientation = JpegOrientation(jpeg);
    if (orientation == 1) {
        *upright = jpeg.toByteArray();
        return true;
    }
    std::unique_ptr<void, TjDeleter> handle(tjInitTransform());
    if (!handle) {
        if (error)
            *error = QStringLiteral("the JPEG transform cannot start");
        return false;
    }
    tjtransform transform{};
    transform.op = TransformFor(orientation);
    // A partial block at an edge the turn moves inside cannot be turned
    // losslessly: it is trimmed (at most 15 pixels of one edge).
    transform.options = TJXOPT_TRIM;
    unsigned char* out = nullptr;
    unsigned long outSize = 0;
    const int result =
        tjTransform(handle.get(), reinterpret_cast<const unsigned char*>(jpeg.data()),
                    static_cast<unsigned long>(jpeg.size()), 1, &out, &outSize, &transform, 0);
    std::unique_ptr<unsigned char, TjBufferDeleter> owned(out);
    if (result != 0 || out == nullptr || outSize == 0) {
        if (error)
            *error = QString::fromLocal8Bit(tjGetErrorStr2(handle.get()));
        return false;
    }
    QByteArray turned(reinterpret_cast<const char*>(out), qsizetype(outSize));
    // The markers were copied as they were: the picture is upright now.
    const ExifOrientationTag tag = FindJpegOrientation(turned);
    if (tag.at >= 0) {
        turned[tag.at] = char(tag.bigEndian ? 0 : 1);
        turned[tag.at + 1] = char(tag.bigEndian ? 1 : 0);
    }
    *upright = std::move(turned);
    return true;
}

bool OrientPixels(CRasterImage& image, int orientation) {
    switch (orientation) {
    case 2:
        return image.Mirror();
    case 3:
        return image.Flip() && image.Mirror();
    case 4:
        return image.Flip();
    case 5: // transpose
        return image.RotateRight() && image.Mirror();
    case 6:
        return image.RotateRight();
    case 7: // transverse
        return image.RotateRight() && image.Flip();
    case 8:
        return image.RotateLeft();
    default:
        return true;
    }
}

QImage OrientedImage(const QImage& image, int orientation) {
    // In image coordinates (y down) a positive angle turns clockwise.
    switch (orientation) {
    case 2:
        return image.mirrored(true, false);
    case 3:
        return image.transformed(QTransform().rotate(180));
    case 4:
        return image.mirrored(false, true);
    case 5:
        return image.transformed(QTransform(0, 1, 1, 0, 0, 0));
    case 6:
        return image.transformed(QTransform().rotate(90));
    case 7:
        return image.transformed(QTransform(0, -1, -1, 0, 0, 0));
    case 8:
        return image.transformed(QTransform().rotate(270));
    default:
        return image;
    }
}
