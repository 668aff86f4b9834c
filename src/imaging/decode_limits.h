#pragma once

#include <cstdint>

// The largest picture the decoders accept, in pixels: the program's limit
// (CRasterImage::kMaxPixels) unless lowered. The fuzz targets lower it, so
// that they spend their time on the decoders' logic rather than on filling
// pixels of huge blank pictures. Process-wide; set it before decoding starts.
int64_t DecodePixelLimit();
void SetDecodePixelLimit(int64_t pixels);
