#pragma once

#include "imaging/byte_reader.h"

#include <cstdint>
#include <vector>

class CRasterImage;

// The pixels of a picture as stored in a project: a palette image whose
// palette is not the identity grey ramp is kept as its DIB byte for byte;
// anything else is compressed, as PNG when it has an alpha channel or uses a
// transparent colour (both need exact colours), else as JPEG at quality 100.
//
// Layout: u32 n; n > 0: n bytes of DIB (header, palette, rows);
//         n = 0: u32 length, then that many bytes of PNG or JPEG.
bool WriteImageDataBlock(CRasterImage& image, int hasAlpha, std::vector<uint8_t>& out);

// Reads one block and replaces the image's pixels. The information block is
// kept except for what describes the new pixel storage. On failure the image
// is unchanged apart from its last error text.
bool ReadImageDataBlock(CRasterImage& image, int hasAlpha, ByteReader& in);
