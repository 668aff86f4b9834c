#include "emf_record_check.h"
#include "emf_records.h"

namespace {

// The fixed part of each record kind, in bytes from the start of the record.
struct Fixed {
    uint32_t type;
    uint32_t size;
};

constexpr Fixed kFixedSizes[] = {
    {Emr::kHeader, 88},
    {Emr::kPolyBezier, 28},
    {Emr::kPolygon, 28},
    {Emr::kPolyline, 28},
    {Emr::kPolyBezierTo, 28},
    {Emr::kPolylineTo, 28},
    {Emr::kPolyPolyline, 32},
    {Emr::kPolyPolygon, 32},
    {Emr::kSetWindowExtEx, 16},
    {Emr::kSetWindowOrgEx, 16},
    {Emr::kSetViewportExtEx, 16},
    {Emr::kSetViewportOrgEx, 16},
    {Emr::kSetBrushOrgEx, 16},
    {Emr::kEof, 20},
    {Emr::kSetPixelV, 20},
    {Emr::kSetMapperFlags, 12},
    {Emr::kSetMapMode, 12},
    {Emr::kSetBkMode, 12},
    {Emr::kSetPolyFillMode, 12},
    {Emr::kSetRop2, 12},
    {Emr::kSetStretchBltMode, 12},
    {Emr::kSetTextAlign, 12},
    {Emr::kSetColorAdjustment, 32},
    {Emr::kSetTextColor, 12},
    {Emr::kSetBkColor, 12},
    {Emr::kOffsetClipRgn, 16},
    {Emr::kMoveToEx, 16},
    {Emr::kExcludeClipRect, 24},
    {Emr::kIntersectClipRect, 24},
    {Emr::kScaleViewportExtEx, 24},
    {Emr::kScaleWindowExtEx, 24},
    {Emr::kRestoreDc, 12},
    {Emr::kSetWorldTransform, 32},
    {Emr::kModifyWorldTransform, 36},
    {Emr::kSelectObject, 12},
    {Emr::kCreatePen, 28},
    {Emr::kCreateBrushIndirect, 24},
    {Emr::kDeleteObject, 12},
    {Emr::kAngleArc, 28},
    {Emr::kEllipse, 24},
    {Emr::kRectangle, 24},
    {Emr::kRoundRect, 32},
    {Emr::kArc, 40},
    {Emr::kChord, 40},
    {Emr::kPie, 40},
    {Emr::kSelectPalette, 12},
    {Emr::kCreatePalette, 16},
    {Emr::kSetPaletteEntries, 20},
    {Emr::kResizePalette, 16},
    {Emr::kExtFloodFill, 24},
    {Emr::kLineTo, 16},
    {Emr::kArcTo, 40},
    {Emr::kPolyDraw, 28},
    {Emr::kSetArcDirection, 12},
    {Emr::kSetMiterLimit, 12},
    {Emr::kFillPath, 24},
    {Emr::kStrokeAndFillPath, 24},
    {Emr::kStrokePath, 24},
    {Emr::kSelectClipPath, 12},
    {Emr::kComment, 12},
    {Emr::kFillRgn, 32},
    {Emr::kFrameRgn, 40},
    {Emr::kInvertRgn, 28},
    {Emr::kPaintRgn, 28},
    {Emr::kExtSelectClipRgn, 16},
    {Emr::kBitBlt, 100},
    {Emr::kStretchBlt, 108},
    {Emr::kMaskBlt, 128},
    {Emr::kPlgBlt, 140},
    {Emr::kSetDiBitsToDevice, 76},
    {Emr::kStretchDiBits, 80},
    {Emr::kExtCreateFontIndirectW, 104},
    {Emr::kExtTextOutA, 76},
    {Emr::kExtTextOutW, 76},
    {Emr::kPolyBezier16, 28},
    {Emr::kPolygon16, 28},
    {Emr::kPolyline16, 28},
    {Emr::kPolyBezierTo16, 28},
    {Emr::kPolylineTo16, 28},
    {Emr::kPolyPolyline16, 32},
    {Emr::kPolyPolygon16, 32},
    {Emr::kPolyDraw16, 28},
    {Emr::kCreateMonoBrush, 32},
    {Emr::kCreateDibPatternBrushPt, 32},
    {Emr::kExtCreatePen, 52},
    {Emr::kPolyTextOutA, 40},
    {Emr::kPolyTextOutW, 40},
    {Emr::kSetIcmMode, 12},
    {Emr::kAlphaBlend, 108},
    {Emr::kSetLayout, 12},
    {Emr::kTransparentBlt, 108},
    {Emr::kGradientFill, 36},
    {Emr::kSetTextJustification, 16},
};

// A bitmap's header and bits, given by offset and size fields at `fields`
// (offBmi, cbBmi, offBits, cbBits): each part with a size lies inside the
// record.
bool BitmapFits(const RecordView& r, uint64_t fields) {
    const uint32_t offBmi = r.U32(fields), cbBmi = r.U32(fields + 4);
    const uint32_t offBits = r.U32(fields + 8), cbBits = r.U32(fields + 12);
    return (cbBmi == 0 || r.Has(offBmi, cbBmi)) && (cbBits == 0 || r.Has(offBits, cbBits));
}

// Region data of `size` bytes at `offset`: a 32-byte header whose
// rectangle count fits the data.
bool RegionFits(const RecordView& r, uint64_t offset, uint32_t size) {
    if (size == 0)
        return true;
    if (size < 32 || !r.Has(offset, size))
        return false;
    const RecordView data = r.Sub(offset, size);
    return data.Has(32, data.U32(8), 16);
}

// The text of an ExtTextOut record: its string and, when it has one, its
// spacing array (one value per character, two with kEtoPdy).
bool TextFits(const RecordView& r, uint64_t emrText, uint64_t charSize) {
    const uint32_t chars = r.U32(emrText + 8), offString = r.U32(emrText + 12);
    const uint32_t options = r.U32(emrText + 16), offDx = r.U32(emrText + 36);
    if (chars > 0 && !r.Has(offString, chars, charSize))
        return false;
    const uint64_t dxSize = options & Emf::kEtoPdy ? 8 : 4;
    return offDx == 0 || chars == 0 || r.Has(offDx, chars, dxSize);
}

bool PolyPolyFits(const RecordView& r, uint64_t pointSize) {
    const uint32_t polys = r.U32(24), total = r.U32(28);
    return r.Has(32, polys, 4) && r.Has(32 + 4 * uint64_t(polys), total, pointSize);
}

} // namespace

uint32_t EmfRecordMinimumSize(uint32_t type) {
    for (const Fixed& f : kFixedSizes)
        if (f.type == type)
            return f.size;
    return 8;
}

bool CheckEmfRecord(const RecordView& r) {
    const uint32_t type = r.U32(0);
    if (r.Size() < 8 || r.U32(4) != r.Size() || r.Size() < EmfRecordMinimumSize(type))
        return false;
    switch (type) {
    case Emr::kPolyBezier:
    case Emr::kPolygon:
    case Emr::kPolyline:
    case Emr::kPolyBezierTo:
    case Emr::kPolylineTo:
        return r.Has(28, r.U32(24), 8);
    case Emr::kPolyBezier16:
    case Emr::kPolygon16:
    case Emr::kPolyline16:
    case Emr::kPolyBezierTo16:
    case Emr::kPolylineTo16:
        return r.Has(28, r.U32(24), 4);
    case Emr::kPolyPolyline:
    case Emr::kPolyPolygon:
        return PolyPolyFits(r, 8);
    case Emr::kPolyPolyline16:
    case Emr::kPolyPolygon16:
        return PolyPolyFits(r, 4);
    case Emr::kPolyDraw:
        return r.Has(28, r.U32(24), 9); // a point and a type byte each
    case Emr::kPolyDraw16:
        return r.Has(28, r.U32(24), 5);
    case Emr::kCreatePalette:
        return r.Has(16, r.U16(14), 4);
    case Emr::kSetPaletteEntries:
        return r.Has(20, r.U32(16), 4);
    case Emr::kComment:
        return r.Has(12, r.U32(8));
    case Emr::kFillRgn:
    case Emr::kPaintRgn:
    case Emr::kInvertRgn:
        return RegionFits(r, type == Emr::kFillRgn ? 32 : 28, r.U32(24));
    case Emr::kFrameRgn:
        return RegionFits(r, 40, r.U32(24));
    case Emr::kExtSelectClipRgn:
        return RegionFits(r, 16, r.U32(8));
    case Emr::kBitBlt:
    case Emr::kStretchBlt:
        return BitmapFits(r, 84);
    case Emr::kMaskBlt:
        return BitmapFits(r, 84) && BitmapFits(r, 112);
    case Emr::kPlgBlt:
        return BitmapFits(r, 96) && BitmapFits(r, 124);
    case Emr::kSetDiBitsToDevice:
    case Emr::kStretchDiBits:
        return BitmapFits(r, 48);
    case Emr::kAlphaBlend:
    case Emr::kTransparentBlt:
        return BitmapFits(r, 84);
    case Emr::kCreateMonoBrush:
    case Emr::kCreateDibPatternBrushPt:
        return BitmapFits(r, 16);
    case Emr::kExtCreatePen:
        return BitmapFits(r, 12) && r.Has(52, r.U32(48), 4);
    case Emr::kExtTextOutA:
        return TextFits(r, 36, 1);
    case Emr::kExtTextOutW:
        return TextFits(r, 36, 2);
    case Emr::kPolyTextOutA:
    case Emr::kPolyTextOutW:
        return r.Has(40, r.U32(36), 40);
    default:
        return true;
    }
}
