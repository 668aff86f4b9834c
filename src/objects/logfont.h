#pragma once

#include <QString>

#include <array>
#include <cstdint>

class Archive;

// A font description laid out as the 60-byte record files store: five 32-bit
// fields, eight single bytes, then a 32-byte zero-terminated face name in the
// 8-bit text of the file.
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

    // The face name up to its terminator.
    QString FaceName() const;
    // Stores `name` as UTF-8, cut to 31 bytes so the terminator always fits.
    void SetFaceName(const QString& name);
    // Writes or reads the 60 bytes.
    void Serialize(Archive& ar);

    bool operator==(const LOGFONTA&) const = default;
};
