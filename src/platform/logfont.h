#pragma once

#include <QString>

#include <array>
#include <cstdint>

class Archive;

// A font description laid out as the 60-byte record files store: five 32-bit
// fields, eight single bytes, then a 32-byte zero-terminated face name in
// 8-bit text (Windows-1252; UTF-8 only for a name that code page cannot hold).
// lfEscapement turns the baseline, in tenths of a degree, from the logical x
// axis toward the logical -y axis (counter-clockwise on a pixel mapping).
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
    std::array<char, 32> lfFaceName{};

    static constexpr int kRecordSize = 60;

    // The face name up to its terminator: UTF-8 when the bytes are valid
    // UTF-8, Windows-1252 otherwise.
    QString FaceName() const;
    // Stores `name` in Windows-1252, or as UTF-8 when a character has no byte
    // there; cut to 31 bytes so the terminator always fits.
    void SetFaceName(const QString& name);
    // Writes or reads the 60 bytes.
    void Serialize(Archive& ar);

    bool operator==(const LOGFONTA&) const = default;
};

static_assert(sizeof(LOGFONTA) == LOGFONTA::kRecordSize, "LOGFONTA is stored byte for byte");

inline constexpr int32_t kFwNormal = 400;
inline constexpr int32_t kFwBold = 700;
inline constexpr uint8_t kDefaultCharset = 1;
