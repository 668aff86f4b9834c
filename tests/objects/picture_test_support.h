#pragma once

#include "imaging/raster_image.h"
#include "objects/image.h"
#include "objects/object_archive.h"
#include "platform/archive.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <memory>

// Shared by the picture object tests: fixtures, small images and records.

inline QString PictureFixture(const char* name) {
    return QStringLiteral(LUMVANE_TEST_DATA_DIR "/images/") + QLatin1String(name);
}

inline QByteArray FixtureBytes(const char* name) {
    QFile file(PictureFixture(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A 24-bit image of one colour (0xRRGGBB).
inline CRasterImage SolidImage(int w, int h, uint32_t rgb) {
    CRasterImage image;
    image.Allocate(w, h, 24, kFormatBmp);
    const RgbQuad c{uint8_t(rgb), uint8_t(rgb >> 8), uint8_t(rgb >> 16), 0};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.WritePixel(x, y, c);
    return image;
}

// The whole object record (base part included) as stored.
inline QByteArray StoredRecord(CImage& picture) {
    QByteArray block;
    Archive ar(&block);
    picture.Serialize(ar);
    return block;
}

// A picture read from `record`; null when reading fails (`error` says why).
inline std::unique_ptr<CImage> ReadRecord(const QByteArray& record, QString* error = nullptr) {
    auto picture = std::make_unique<CImage>();
    try {
        Archive ar(QByteArrayView(record), ObjectClasses());
        picture->Serialize(ar);
    } catch (const ArchiveError& e) {
        if (error)
            *error = e.Text();
        return nullptr;
    }
    return picture;
}

// Offsets inside a stored record.
inline constexpr int kBaseBytes = CBaseObject::kBaseRecordSize;
inline constexpr int kInfoOffset = kBaseBytes + 8;
inline constexpr int kHasAlphaOffset = kInfoOffset + int(sizeof(ImageInfo));
inline constexpr int kDataOffset = kHasAlphaOffset + 4;
