#pragma once

#include "imaging/raster_image.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include <QByteArray>
#include <QFile>
#include <QString>

// Shared by the imaging tests: fixture files and tiny hand-made images.

inline QString ImageFixture(const char* name) {
    return QStringLiteral(LUMVANE_TEST_DATA_DIR "/images/") + QLatin1String(name);
}

inline std::vector<uint8_t> ReadFixtureBytes(const char* name) {
    QFile file(ImageFixture(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray all = file.readAll();
    return std::vector<uint8_t>(all.begin(), all.end());
}

inline RgbQuad Rgb(uint8_t r, uint8_t g, uint8_t b) {
    return RgbQuad{b, g, r, 0};
}

// A 24-bit image of the given pixels, listed top row first, as 0xRRGGBB.
inline CRasterImage MakeRgbImage(int w, int h, std::initializer_list<uint32_t> topDown) {
    CRasterImage image;
    image.Allocate(w, h, 24, kFormatBmp);
    int i = 0;
    for (uint32_t c : topDown) {
        const int x = i % w, y = h - 1 - i / w;
        image.WritePixel(x, y, Rgb(uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c)));
        ++i;
    }
    return image;
}

inline uint32_t PixelRgb(const CRasterImage& image, int x, int y) {
    const RgbQuad c = image.ReadPixel(x, y);
    return uint32_t(c.red) << 16 | uint32_t(c.green) << 8 | c.blue;
}
