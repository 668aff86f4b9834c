#pragma once

// The record functions of Windows metafiles. A record is its size in 16-bit
// words (4 bytes), its function (2 bytes) and the function's parameters, read
// through RecordView (metafile_record.h), which yields 0 past the record's
// end. The function's high byte is the count of its fixed parameter words,
// which tells a bitmap record with its bitmap from one without.
#include <cstdint>

namespace Wmf {

enum Function : uint16_t {
    kEof = 0x0000,
    kSaveDc = 0x001E,
    kRealizePalette = 0x0035,
    kCreatePalette = 0x00F7,
    kSetBkMode = 0x0102,
    kSetMapMode = 0x0103,
    kSetRop2 = 0x0104,
    kSetPolyFillMode = 0x0106,
    kSetStretchBltMode = 0x0107,
    kRestoreDc = 0x0127,
    kInvertRegion = 0x012A,
    kPaintRegion = 0x012B,
    kSelectClipRegion = 0x012C,
    kSelectObject = 0x012D,
    kSetTextAlign = 0x012E,
    kDibCreatePatternBrush = 0x0142,
    kDeleteObject = 0x01F0,
    kCreatePatternBrush = 0x01F9,
    kSetBkColor = 0x0201,
    kSetTextColor = 0x0209,
    kSetWindowOrg = 0x020B,
    kSetWindowExt = 0x020C,
    kOffsetWindowOrg = 0x020F,
    kLineTo = 0x0213,
    kMoveTo = 0x0214,
    kOffsetClipRgn = 0x0220,
    kFillRegion = 0x0228,
    kSelectPalette = 0x0234,
    kCreatePenIndirect = 0x02FA,
    kCreateFontIndirect = 0x02FB,
    kCreateBrushIndirect = 0x02FC,
    kPolygon = 0x0324,
    kPolyline = 0x0325,
    kScaleWindowExt = 0x0410,
    kEllipse = 0x0418,
    kRectangle = 0x041B,
    kSetPixel = 0x041F,
    kExcludeClipRect = 0x0415,
    kIntersectClipRect = 0x0416,
    kFrameRegion = 0x0429,
    kTextOut = 0x0521,
    kPolyPolygon = 0x0538,
    kRoundRect = 0x061C,
    kPatBlt = 0x061D,
    kCreateRegion = 0x06FF,
    kArc = 0x0817,
    kPie = 0x081A,
    kChord = 0x0830,
    kDibBitBlt = 0x0940,
    kExtTextOut = 0x0A32,
    kDibStretchBlt = 0x0B41,
    kSetDibToDev = 0x0D33,
    kStretchDib = 0x0F43,
    kEscape = 0x0626,
};

// An escape record carrying a piece of the enhanced metafile the Windows
// metafile was made from: escape function, byte count, then the comment
// (identifier "WMFC", type 1, version 1.0, checksum, flags, count of such
// records, this piece's size, bytes still to come, the whole size), then
// the piece.
constexpr uint16_t kMfComment = 0x000F;
constexpr uint32_t kEmfCommentIdentifier = 0x43464D57;
constexpr uint32_t kEmfCommentType = 1;
constexpr uint32_t kEmfCommentVersion = 0x00010000;
constexpr uint32_t kEmfCommentFixedSize = 34; // from the identifier to the piece

// The fixed header of a Windows metafile: type, header size in words (9),
// version, size in words, object count, largest record in words, unused.
constexpr int kHeaderSize = 18;

} // namespace Wmf
