#pragma once

#include <QByteArrayView>

#include <cstdint>
#include <optional>

// The frame header of a JPEG file: what its first start-of-frame marker says.
struct JpegFrame {
    uint8_t marker = 0; // 0xC0..0xCF: the coding process (baseline, progressive, ...)
    int precision = 0;  // bits per sample
    int width = 0;
    int height = 0;
    int components = 0;
};

// Walks the marker segments of `file` to its first start-of-frame marker,
// without decoding anything; nullopt when the bytes are not a JPEG file or
// end before a frame header.
std::optional<JpegFrame> ReadJpegFrame(QByteArrayView file);
