#pragma once

// The record types and field values of enhanced metafiles, as the published
// format description numbers them. Record layouts are read through
// RecordView (metafile_record.h) at the byte offsets the handlers name;
// CheckEmfRecord (emf_record_check.h) refuses a record whose fixed part,
// counts or offsets do not fit inside it.
#include <cstdint>

namespace Emr {

enum Type : uint32_t {
    kHeader = 1,
    kPolyBezier = 2,
    kPolygon = 3,
    kPolyline = 4,
    kPolyBezierTo = 5,
    kPolylineTo = 6,
    kPolyPolyline = 7,
    kPolyPolygon = 8,
    kSetWindowExtEx = 9,
    kSetWindowOrgEx = 10,
    kSetViewportExtEx = 11,
    kSetViewportOrgEx = 12,
    kSetBrushOrgEx = 13,
    kEof = 14,
    kSetPixelV = 15,
    kSetMapperFlags = 16,
    kSetMapMode = 17,
    kSetBkMode = 18,
    kSetPolyFillMode = 19,
    kSetRop2 = 20,
    kSetStretchBltMode = 21,
    kSetTextAlign = 22,
    kSetColorAdjustment = 23,
    kSetTextColor = 24,
    kSetBkColor = 25,
    kOffsetClipRgn = 26,
    kMoveToEx = 27,
    kSetMetaRgn = 28,
    kExcludeClipRect = 29,
    kIntersectClipRect = 30,
    kScaleViewportExtEx = 31,
    kScaleWindowExtEx = 32,
    kSaveDc = 33,
    kRestoreDc = 34,
    kSetWorldTransform = 35,
    kModifyWorldTransform = 36,
    kSelectObject = 37,
    kCreatePen = 38,
    kCreateBrushIndirect = 39,
    kDeleteObject = 40,
    kAngleArc = 41,
    kEllipse = 42,
    kRectangle = 43,
    kRoundRect = 44,
    kArc = 45,
    kChord = 46,
    kPie = 47,
    kSelectPalette = 48,
    kCreatePalette = 49,
    kSetPaletteEntries = 50,
    kResizePalette = 51,
    kRealizePalette = 52,
    kExtFloodFill = 53,
    kLineTo = 54,
    kArcTo = 55,
    kPolyDraw = 56,
    kSetArcDirection = 57,
    kSetMiterLimit = 58,
    kBeginPath = 59,
    kEndPath = 60,
    kCloseFigure = 61,
    kFillPath = 62,
    kStrokeAndFillPath = 63,
    kStrokePath = 64,
    kFlattenPath = 65,
    kWidenPath = 66,
    kSelectClipPath = 67,
    kAbortPath = 68,
    kComment = 70,
    kFillRgn = 71,
    kFrameRgn = 72,
    kInvertRgn = 73,
    kPaintRgn = 74,
    kExtSelectClipRgn = 75,
    kBitBlt = 76,
    kStretchBlt = 77,
    kMaskBlt = 78,
    kPlgBlt = 79,
    kSetDiBitsToDevice = 80,
    kStretchDiBits = 81,
    kExtCreateFontIndirectW = 82,
    kExtTextOutA = 83,
    kExtTextOutW = 84,
    kPolyBezier16 = 85,
    kPolygon16 = 86,
    kPolyline16 = 87,
    kPolyBezierTo16 = 88,
    kPolylineTo16 = 89,
    kPolyPolyline16 = 90,
    kPolyPolygon16 = 91,
    kPolyDraw16 = 92,
    kCreateMonoBrush = 93,
    kCreateDibPatternBrushPt = 94,
    kExtCreatePen = 95,
    kPolyTextOutA = 96,
    kPolyTextOutW = 97,
    kSetIcmMode = 98,
    kCreateColorSpace = 99,
    kSetColorSpace = 100,
    kDeleteColorSpace = 101,
    kGlsRecord = 102,
    kGlsBoundedRecord = 103,
    kPixelFormat = 104,
    kDrawEscape = 105,
    kExtEscape = 106,
    kSmallTextOut = 108,
    kForceUfiMapping = 109,
    kNamedEscape = 110,
    kColorCorrectPalette = 111,
    kSetIcmProfileA = 112,
    kSetIcmProfileW = 113,
    kAlphaBlend = 114,
    kSetLayout = 115,
    kTransparentBlt = 116,
    kGradientFill = 118,
    kSetLinkedUfis = 119,
    kSetTextJustification = 120,
    kColorMatchToTargetW = 121,
    kCreateColorSpaceW = 122,
    kFirst = kHeader,
    kLast = kCreateColorSpaceW,
};

} // namespace Emr

// Field values of enhanced (and, where they agree, Windows) metafile records.
namespace Emf {

// " EMF" in the header record's signature field.
constexpr uint32_t kEnhMetaSignature = 0x464D4520;

// Mapping modes.
constexpr uint32_t kMmText = 1, kMmLoMetric = 2, kMmHiMetric = 3, kMmLoEnglish = 4,
                   kMmHiEnglish = 5, kMmTwips = 6, kMmIsotropic = 7, kMmAnisotropic = 8;

// Binary raster operations of pens and brushes.
constexpr uint32_t kR2Black = 1, kR2NotCopyPen = 4, kR2Not = 6, kR2XorPen = 7, kR2MaskPen = 9,
                   kR2Nop = 11, kR2CopyPen = 13, kR2MergePen = 15, kR2White = 16;

// Ternary raster operations of bitmaps.
constexpr uint32_t kBlackness = 0x00000042, kNotSrcCopy = 0x00330008, kDstInvert = 0x00550009,
                   kPatInvert = 0x005A0049, kSrcInvert = 0x00660046, kSrcAnd = 0x008800C6,
                   kSrcCopy = 0x00CC0020, kSrcPaint = 0x00EE0086, kPatCopy = 0x00F00021,
                   kWhiteness = 0x00FF0062;

// Background modes, polygon fill modes, arc directions, graphics modes.
constexpr uint32_t kTransparent = 1, kOpaque = 2;
constexpr uint32_t kAlternate = 1, kWinding = 2;
constexpr uint32_t kAdCounterClockwise = 1, kAdClockwise = 2;
constexpr uint32_t kGmCompatible = 1, kGmAdvanced = 2;

// How ModifyWorldTransform combines its matrix with the current one.
constexpr uint32_t kMwtIdentity = 1, kMwtLeftMultiply = 2, kMwtRightMultiply = 3, kMwtSet = 4;

// How a region combines with the clip.
constexpr uint32_t kRgnAnd = 1, kRgnOr = 2, kRgnXor = 3, kRgnDiff = 4, kRgnCopy = 5;

// Brush styles and hatches.
constexpr uint32_t kBsSolid = 0, kBsNull = 1, kBsHatched = 2, kBsPattern = 3, kBsDibPattern = 5,
                   kBsDibPatternPt = 6;
constexpr uint32_t kHsHorizontal = 0, kHsVertical = 1, kHsFDiagonal = 2, kHsBDiagonal = 3,
                   kHsCross = 4, kHsDiagCross = 5;

// Pen styles: the dash pattern (low four bits), end cap, join and type.
constexpr uint32_t kPsSolid = 0, kPsDash = 1, kPsDot = 2, kPsDashDot = 3, kPsDashDotDot = 4,
                   kPsNull = 5, kPsInsideFrame = 6, kPsUserStyle = 7, kPsAlternate = 8,
                   kPsStyleMask = 0x0000000F;
constexpr uint32_t kPsEndcapRound = 0, kPsEndcapSquare = 0x100, kPsEndcapFlat = 0x200,
                   kPsEndcapMask = 0xF00;
constexpr uint32_t kPsJoinRound = 0, kPsJoinBevel = 0x1000, kPsJoinMiter = 0x2000,
                   kPsJoinMask = 0xF000;
constexpr uint32_t kPsCosmetic = 0, kPsGeometric = 0x10000, kPsTypeMask = 0xF0000;

// Stock objects: object indexes with the top bit set.
constexpr uint32_t kStockObject = 0x80000000;
constexpr uint32_t kWhiteBrush = 0x80000000, kLtGrayBrush = 0x80000001, kGrayBrush = 0x80000002,
                   kDkGrayBrush = 0x80000003, kBlackBrush = 0x80000004, kNullBrush = 0x80000005,
                   kWhitePen = 0x80000006, kBlackPen = 0x80000007, kNullPen = 0x80000008,
                   kOemFixedFont = 0x8000000A, kAnsiFixedFont = 0x8000000B,
                   kAnsiVarFont = 0x8000000C, kSystemFont = 0x8000000D,
                   kDeviceDefaultFont = 0x8000000E, kDefaultPalette = 0x8000000F,
                   kSystemFixedFont = 0x80000010, kDefaultGuiFont = 0x80000011;

// Text alignment (the vertical part: top 0, bottom 8, baseline 24).
constexpr uint32_t kTaUpdateCp = 1, kTaLeft = 0, kTaRight = 2, kTaCenter = 6, kTaTop = 0,
                   kTaBottom = 8, kTaBaseline = 24;

// ExtTextOut options.
constexpr uint32_t kEtoOpaque = 0x2, kEtoClipped = 0x4, kEtoGlyphIndex = 0x10, kEtoNoRect = 0x100,
                   kEtoPdy = 0x2000;

// Point types of PolyDraw.
constexpr uint8_t kPtCloseFigure = 1, kPtLineTo = 2, kPtBezierTo = 4, kPtMoveTo = 6;

// Colour use of a bitmap's colour table, and bitmap compressions.
constexpr uint32_t kDibRgbColors = 0, kDibPalColors = 1;
constexpr uint32_t kBiRgb = 0, kBiRle8 = 1, kBiRle4 = 2, kBiBitfields = 3, kBiJpeg = 4, kBiPng = 5;

// AlphaBlend: the source has an alpha channel of its own.
constexpr uint8_t kAcSrcAlpha = 1;

} // namespace Emf
