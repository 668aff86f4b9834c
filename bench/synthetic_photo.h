#pragma once

#include "imaging/image_info.h"
#include "imaging/raster_image.h"

#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>

// A photo-like 24-bit picture for benchmarks: smooth gradients with a little
// deterministic noise, so codecs and filters see realistic data.
inline CRasterImage SyntheticPhoto(int width, int height) {
    CRasterImage image;
    image.Allocate(width, height, 24, kFormatBmp);
    uint32_t seed = 12345;
    for (int y = 0; y < height; ++y) {
        uint8_t* row = image.Row(y);
        for (int x = 0; x < width; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int noise = int(seed >> 28) - 8;
            row[3 * x] = uint8_t(std::clamp(x * 255 / width + noise, 0, 255));
            row[3 * x + 1] = uint8_t(std::clamp(y * 255 / height + noise, 0, 255));
            row[3 * x + 2] =
                uint8_t(std::clamp((x + y) * 255 / (width + height) + noise / 2, 0, 255));
        }
    }
    return image;
}

// A 12-megapixel synthetic photo saved once per run as a JPEG file (quality 90).
inline const QString& SyntheticPhotoFile() {
    static QTemporaryDir dir;
    static const QString path = [] {
        CRasterImage image = SyntheticPhoto(4000, 3000);
        image.Info().jpegQuality = 90;
        const QString file = dir.filePath(QStringLiteral("photo.jpg"));
        image.SaveToFile(file, kFormatJpeg);
        return file;
    }();
    return path;
}
