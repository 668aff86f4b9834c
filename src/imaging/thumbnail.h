#pragma once

#include <cstdint>
#include <span>

class CRasterImage;

// A small 24-bit copy of a picture that fits in maxWidth × maxHeight with its
// proportions kept (never enlarged), for galleries and previews. Decoders
// that can skip detail (JPEG) decode only as much as the size needs. On
// failure `out` keeps its pixels and gets the error text.
bool DecodeThumbnail(std::span<const uint8_t> bytes, int formatId, int maxWidth, int maxHeight,
                     CRasterImage& out);
