#include "imaging/blend.h"
#include "imaging/decode_limits.h"
#include "imaging/image_data_block.h"
#include "imaging/raster_image.h"

#include <cstddef>
#include <cstdint>
#include <span>

// Every picture decoder reads hostile bytes. The first byte picks the reader
// (the eight formats, a clipboard DIB, or a project's image data block); the
// rest is the file. A decoded picture is then resampled and blended, so the
// pixel storage the decoder produced is walked end to end.
// A megapixel at most: larger pictures only repeat the same row loops, and
// filling them would cost the fuzzer most of its time.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    SetDecodePixelLimit(1'000'000);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const int selector = data[0] % 10;
    const std::span<const uint8_t> bytes(data + 1, size - 1);
    CRasterImage image;
    image.SetFrame((data[0] / 10) % 3);
    bool ok;
    if (selector < 8) {
        ok = image.DecodeFrom(bytes, selector);
    } else if (selector == 8) {
        ok = image.LoadFromPackedDib(bytes);
    } else {
        ByteReader in(bytes);
        image.Info().transparentColour = data[0] & 1;
        ok = ReadImageDataBlock(image, (data[0] >> 1) & 1, in);
    }
    if (!ok)
        return 0;
    QImage buffer(16, 16, QImage::Format_BGR888);
    buffer.fill(0);
    BlendIntoBuffer(image, buffer, QRect(-3, 2, 13, 9), 200);
    image.Mirror();
    image.GrayScale();
    return 0;
}
