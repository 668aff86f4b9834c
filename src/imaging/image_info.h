#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

// Plain records of the raster image layer. Their layouts are file formats: the
// DIB header and palette entries are stored in packed-DIB blocks, and the
// information block is stored byte for byte in picture records, so every field
// sits at a fixed offset (checked below) and the host must be little-endian.
static_assert(std::endian::native == std::endian::little, "image records are little-endian");

#pragma pack(push, 1)

// One palette entry, blue first.
struct RgbQuad {
    uint8_t blue = 0;
    uint8_t green = 0;
    uint8_t red = 0;
    uint8_t reserved = 0;

    friend bool operator==(const RgbQuad&, const RgbQuad&) = default;
};

// Colours as the rest of the program stores them (0x00BBGGRR) and as quads.
inline uint32_t ColourRefOf(RgbQuad c) {
    return uint32_t(c.red) | uint32_t(c.green) << 8 | uint32_t(c.blue) << 16;
}
inline RgbQuad QuadOfColourRef(uint32_t colour) {
    return RgbQuad{uint8_t(colour >> 16), uint8_t(colour >> 8), uint8_t(colour), 0};
}

// BITMAPINFOHEADER.
struct BitmapInfoHeader {
    uint32_t size = 40;
    int32_t width = 0;
    int32_t height = 0;
    uint16_t planes = 1;
    uint16_t bitCount = 0;
    uint32_t compression = 0;
    uint32_t sizeImage = 0;
    int32_t xPelsPerMeter = 0;
    int32_t yPelsPerMeter = 0;
    uint32_t clrUsed = 0;
    uint32_t clrImportant = 0;
};

// Everything about an image except its pixel storage (348 bytes).
struct ImageInfo {
    uint32_t rowStride = 0;    // effective row width in bytes
    uint32_t pixelRowsRef = 0; // pixel rows inside the DIB; meaningless in a file
    uint32_t ghostRef = 0;     // always 0
    int32_t formatId = 0;
    uint8_t colorType = 0; // 1 palette, 2 true colour, 4 true colour with alpha
    char lastError[256] = {};
    uint8_t pad273[3] = {};
    int32_t progress = 0;
    int32_t escape = 0;
    int32_t backgroundIndex = -1;
    RgbQuad backgroundColor;
    uint8_t jpegQuality = 75;
    uint8_t pad293[15] = {};
    int32_t xDpi = 72;
    int32_t yDpi = 72;
    int32_t selectionBox[4] = {};
    uint8_t maxOpacity = 255;
    uint8_t alphaInPalette = 0;
    uint8_t enabled = 1;
    uint8_t pad335[9] = {};
    uint8_t useAlphaChannel = 1;
    uint8_t transparentColour = 0;
    uint8_t pad346[2] = {};
};

#pragma pack(pop)

static_assert(sizeof(RgbQuad) == 4);
static_assert(sizeof(BitmapInfoHeader) == 40);
static_assert(sizeof(ImageInfo) == 348);
static_assert(offsetof(ImageInfo, formatId) == 12);
static_assert(offsetof(ImageInfo, colorType) == 16);
static_assert(offsetof(ImageInfo, lastError) == 17);
static_assert(offsetof(ImageInfo, progress) == 276);
static_assert(offsetof(ImageInfo, escape) == 280);
static_assert(offsetof(ImageInfo, backgroundIndex) == 284);
static_assert(offsetof(ImageInfo, backgroundColor) == 288);
static_assert(offsetof(ImageInfo, jpegQuality) == 292);
static_assert(offsetof(ImageInfo, xDpi) == 308);
static_assert(offsetof(ImageInfo, yDpi) == 312);
static_assert(offsetof(ImageInfo, selectionBox) == 316);
static_assert(offsetof(ImageInfo, maxOpacity) == 332);
static_assert(offsetof(ImageInfo, alphaInPalette) == 333);
static_assert(offsetof(ImageInfo, enabled) == 334);
static_assert(offsetof(ImageInfo, useAlphaChannel) == 344);
static_assert(offsetof(ImageInfo, transparentColour) == 345);

// Format ids shared by decoding, encoding and the information block.
enum ImageFormat : int {
    kFormatBmp = 0,
    kFormatGif = 1,
    kFormatJpeg = 2,
    kFormatPng = 3,
    kFormatIco = 4,
    kFormatTiff = 5,
    kFormatTga = 6,
    kFormatPcx = 7,
    kFormatWmf = 8,
    kFormatWbmp = 9,
};
