#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

// Reading Windows metafiles (.wmf, with or without the 22-byte placeable
// header) and enhanced metafiles (.emf), and the enhanced metafile a vector
// picture keeps. Nothing here trusts a size, count or offset from the file:
// every record is checked against the bytes that are there before it is used.

// The placeable header as a vector picture stores it: the 22 bytes of the
// source file followed by two zero bytes, or 24 zero bytes when the source
// had none. Layout (little-endian): key 0x9AC6CDD7 (4), handle (2), bounding
// box left, top, right, bottom (2 each, signed, metafile units), units per
// inch (2), reserved (4), checksum (2), padding (2).
struct PlaceableHeader {
    static constexpr uint32_t kKey = 0x9AC6CDD7;
    static constexpr int kFileSize = 22;
    std::array<uint8_t, 24> bytes{};

    bool Present() const;
    int16_t Left() const { return Word(6); }
    int16_t Top() const { return Word(8); }
    int16_t Right() const { return Word(10); }
    int16_t Bottom() const { return Word(12); }
    uint16_t UnitsPerInch() const { return uint16_t(Word(14)); }
    uint16_t Checksum() const { return uint16_t(Word(20)); }
    // The XOR of the first ten 16-bit words, which the checksum should hold.
    uint16_t ComputedChecksum() const;
    QString Hex() const; // 48 lower-case hex digits

private:
    int16_t Word(int offset) const { return int16_t(bytes[offset] | (bytes[offset + 1] << 8)); }
};

// A Windows metafile as read from a file: the placeable header (zeros when
// absent) and the metafile itself, from its 18-byte header up to and
// including its end record.
struct WindowsMetafile {
    PlaceableHeader placeable;
    QByteArray bytes;
};

// Reads a .wmf file. The metafile's size comes from its header's size field;
// when that runs past the end of the file (producers that also count the
// placeable header write 11 words too many), the metafile is still taken when
// walking its records from the header reaches the end record inside the file.
// False with `error` set otherwise.
bool ReadWindowsMetafile(QByteArrayView file, WindowsMetafile* out, QString* error);

// Whether the bytes begin like a Windows metafile (placeable key, or a header
// of type 1 or 2 with a header size of 9 words).
bool LooksLikeWindowsMetafile(QByteArrayView head);
// Whether the bytes begin like an enhanced metafile (header record with the
// " EMF" signature).
bool LooksLikeEnhancedMetafile(QByteArrayView head);

// The facts of an enhanced metafile's header.
struct EmfRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    int64_t Width() const { return int64_t(right) - left; }
    int64_t Height() const { return int64_t(bottom) - top; }
};
struct EmfHeader {
    EmfRect bounds; // device units of the reference device, inclusive
    EmfRect frame;  // hundredths of a millimetre, inclusive
    uint32_t records = 0;
    uint32_t handles = 0;
    int32_t deviceWidth = 0, deviceHeight = 0; // reference device in pixels
    int32_t millimetresWidth = 0, millimetresHeight = 0;
};

// Checks an enhanced metafile record by record (each record's size inside
// the data, at least 8 bytes and a multiple of 4) up to its end record, and
// reads its header. `out` receives the bytes up to and including the end
// record. False with `error` set when the header is not an enhanced
// metafile's or a record runs past the data or there is no end record.
bool ReadEnhancedMetafile(QByteArrayView data, QByteArray* out, EmfHeader* header, QString* error);

// The header of bytes that ReadEnhancedMetafile accepted (or our writers made).
EmfHeader ParseEmfHeader(QByteArrayView emf);

// Converts a Windows metafile into an enhanced metafile: a header with
// bounds and frame, one enhanced record for each Windows record that has
// one, object handles in the Windows object table's slots, an end record.
// The placeable header, when present, gives the frame; otherwise the window
// extent does (or the extent of what is drawn). False with `error` set when
// a record is damaged.
bool ConvertWindowsMetafile(const WindowsMetafile& wmf, QByteArray* emf, QString* error);

// The enhanced metafile a Windows metafile carries in its escape records
// (writers that make a Windows metafile from an enhanced one keep the
// original that way): its pieces in order, complete, their sizes agreeing,
// the checksum right and the result a sound enhanced metafile. False when
// there is none or it is damaged.
bool EmbeddedEnhancedMetafile(const WindowsMetafile& wmf, QByteArray* emf);

// Reads a .wmf or .emf file's bytes into the enhanced metafile a vector
// picture keeps, with the placeable header (zeros for an enhanced metafile).
// A Windows metafile without a placeable header that carries its enhanced
// original is read as that original.
bool ReadMetafileFile(QByteArrayView file, PlaceableHeader* placeable, QByteArray* emf,
                      QString* error);
