#pragma once

#include <cstdint>
#include <cstring>

// Whole rows of palette indices in and out of the DIB's packed rows (1, 4 or
// 8 bits per pixel, the leftmost pixel in the high bits). Decoders fill a row
// at a time this way instead of one SetPixelIndex call per pixel, which costs
// a bounds check and a call each and dominates under the sanitizers.

// Packs `count` indices (one per byte) into `row` at `bitCount` bits each.
inline void PackIndexRow(uint8_t* row, const uint8_t* indices, int count, int bitCount) {
    if (bitCount == 8) {
        std::memcpy(row, indices, size_t(count));
        return;
    }
    const int perByte = 8 / bitCount;
    const uint8_t mask = uint8_t((1 << bitCount) - 1);
    for (int x = 0; x < count; x += perByte) {
        uint8_t packed = 0;
        for (int k = 0; k < perByte; ++k) {
            const uint8_t index = x + k < count ? uint8_t(indices[x + k] & mask) : 0;
            packed = uint8_t(packed | index << (8 - bitCount * (k + 1)));
        }
        // The last byte keeps the bits past the row's end as they were.
        if (x + perByte > count) {
            const int used = (count - x) * bitCount;
            const uint8_t keep = uint8_t(0xFF >> used);
            packed = uint8_t(packed | (row[x / perByte] & keep));
        }
        row[x / perByte] = packed;
    }
}

// Unpacks `count` indices of `bitCount` bits from `row`, one per byte.
inline void UnpackIndexRow(const uint8_t* row, uint8_t* indices, int count, int bitCount) {
    if (bitCount == 8) {
        std::memcpy(indices, row, size_t(count));
        return;
    }
    const int perByte = 8 / bitCount;
    const uint8_t mask = uint8_t((1 << bitCount) - 1);
    for (int x = 0; x < count; ++x)
        indices[x] = uint8_t(row[x / perByte] >> (8 - bitCount * (x % perByte + 1)) & mask);
}
