#pragma once

#include <cstdint>
#include <cstring>

// The 60-byte font record objects store and project files carry byte for byte:
// five 32-bit fields, eight single bytes and a zero-terminated face name.
// lfHeight is in the unit of the device it is used on: positive values are the
// cell height (ascent plus descent), negative values the character height.
// lfEscapement is the angle of the baseline in tenths of a degree,
// counter-clockwise.
struct LOGFONTA {
    int32_t lfHeight = 0;
    int32_t lfWidth = 0;
    int32_t lfEscapement = 0;
    int32_t lfOrientation = 0;
    int32_t lfWeight = 0;
    uint8_t lfItalic = 0;
    uint8_t lfUnderline = 0;
    uint8_t lfStrikeOut = 0;
    uint8_t lfCharSet = 0;
    uint8_t lfOutPrecision = 0;
    uint8_t lfClipPrecision = 0;
    uint8_t lfQuality = 0;
    uint8_t lfPitchAndFamily = 0;
    char lfFaceName[32] = {};

    // Copies `name` (UTF-8) into lfFaceName, truncated to 31 bytes and zero-padded.
    void SetFaceName(const char* name) {
        std::memset(lfFaceName, 0, sizeof lfFaceName);
        std::strncpy(lfFaceName, name, sizeof lfFaceName - 1);
    }
};
static_assert(sizeof(LOGFONTA) == 60, "LOGFONTA is stored byte for byte");

inline constexpr int32_t kFwNormal = 400;
inline constexpr int32_t kFwBold = 700;
inline constexpr uint8_t kDefaultCharset = 1;
