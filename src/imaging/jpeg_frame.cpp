#include "jpeg_frame.h"

std::optional<JpegFrame> ReadJpegFrame(QByteArrayView file) {
    const auto* b = reinterpret_cast<const uint8_t*>(file.data());
    const qsizetype n = file.size();
    if (n < 4 || b[0] != 0xFF || b[1] != 0xD8)
        return std::nullopt;
    qsizetype i = 2;
    while (i + 4 <= n) {
        if (b[i] != 0xFF)
            return std::nullopt;
        const uint8_t marker = b[i + 1];
        if (marker == 0xFF) { // fill byte
            ++i;
            continue;
        }
        // 0xC4 (Huffman tables), 0xC8 (reserved) and 0xCC (arithmetic
        // conditioning) share the range of the start-of-frame markers.
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
            marker != 0xCC) {
            if (i + 10 > n)
                return std::nullopt;
            JpegFrame frame;
            frame.marker = marker;
            frame.precision = b[i + 4];
            frame.height = (b[i + 5] << 8) | b[i + 6];
            frame.width = (b[i + 7] << 8) | b[i + 8];
            frame.components = b[i + 9];
            return frame;
        }
        const int length = (b[i + 2] << 8) | b[i + 3];
        if (length < 2)
            return std::nullopt;
        i += 2 + length;
    }
    return std::nullopt;
}
