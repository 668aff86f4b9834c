// Conversion of a Windows metafile into an enhanced metafile: each Windows
// record becomes the enhanced record that does the same (argument order
// turned around, 16-bit values widened), the object table keeps its slots
// (enhanced handle = Windows slot + 1), and the picture's frame comes from
// the placeable header or the window extent.
#include "emf_writer.h"
#include "legacy_text.h"
#include "metafile.h"
#include "metafile_record.h"

#include <uemf.h>

#include <algorithm>
#include <climits>
#include <vector>

namespace {

// Windows metafile record functions.
enum WmfFunction : uint16_t {
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
};

struct Slot {
    enum class Kind { Free, Object, Region } kind = Kind::Free;
    std::vector<EmfRect> rects; // a region's rectangles, logical units
};

class Converter {
public:
    Converter(const WindowsMetafile& wmf) : m_wmf(wmf) {}
    bool Run(QByteArray* emf, QString* error);

private:
    bool Record(const RecordView& r, uint16_t function);
    int P(int k) const { return m_rec.I16(6 + 2 * uint64_t(k)); }
    QPoint Pt(int x, int y) {
        Include(x, y);
        return {x, y};
    }
    void Include(int x, int y) {
        m_minX = std::min(m_minX, x);
        m_minY = std::min(m_minY, y);
        m_maxX = std::max(m_maxX, x);
        m_maxY = std::max(m_maxY, y);
    }
    void Box(uint32_t type) { // bottom, right, top, left
        m_out.Begin(type);
        const QPoint a = Pt(P(3), P(2)), b = Pt(P(1), P(0));
        m_out.PutRect(a.x(), a.y(), b.x(), b.y());
        m_out.End();
    }
    void ArcLike(uint32_t type);
    bool Points(uint64_t offset, uint64_t count, std::vector<QPoint>* points);
    // A new object's slot: the lowest free one, as the Windows object table
    // gives them out. -1 when the table is full.
    int NewSlot(Slot::Kind kind);
    bool ValidSlot(int index) const { return index >= 0 && index < int(m_slots.size()); }
    void Dib(uint64_t offset, int x, int y, int cx, int cy, int xs, int ys, int cxs, int cys,
             uint32_t usage, uint32_t rop);
    void PatBlt(int x, int y, int cx, int cy, uint32_t rop);
    void Text(int x, int y, QByteArrayView bytes, uint32_t options, const EmfRect& rect,
              const std::vector<int32_t>& dx);
    void Region(int index, uint16_t function, int brush, int width, int height);
    void ClipToRegion(int index);

    const WindowsMetafile& m_wmf;
    EmfWriter m_out;
    RecordView m_rec;
    std::vector<Slot> m_slots;
    int m_minX = INT_MAX, m_minY = INT_MAX, m_maxX = INT_MIN, m_maxY = INT_MIN;
    bool m_haveWindowOrg = false, m_haveWindowExt = false;
    QPoint m_windowOrg{0, 0};
    QPoint m_windowExt{1, 1};
    QPoint m_firstOrg{0, 0}, m_firstExt{0, 0};
};

// The Windows object table has at most this many slots.
constexpr int kMaxSlots = 65535;

int Converter::NewSlot(Slot::Kind kind) {
    for (size_t i = 0; i < m_slots.size(); ++i) {
        if (m_slots[i].kind == Slot::Kind::Free) {
            m_slots[i] = {kind, {}};
            return int(i);
        }
    }
    if (m_slots.size() >= size_t(kMaxSlots) - 1)
        return -1;
    m_slots.push_back({kind, {}});
    return int(m_slots.size() - 1);
}

bool Converter::Points(uint64_t offset, uint64_t count, std::vector<QPoint>* points) {
    if (!m_rec.Has(offset, count, 4))
        return false;
    points->clear();
    points->reserve(count);
    for (uint64_t i = 0; i < count; ++i)
        points->push_back(Pt(m_rec.I16(offset + 4 * i), m_rec.I16(offset + 4 * i + 2)));
    return true;
}

void Converter::ArcLike(uint32_t type) {
    // yEnd, xEnd, yStart, xStart, bottom, right, top, left
    m_out.Begin(type);
    const QPoint a = Pt(P(7), P(6)), b = Pt(P(5), P(4));
    m_out.PutRect(a.x(), a.y(), b.x(), b.y());
    m_out.PutPoint({P(3), P(2)});
    m_out.PutPoint({P(1), P(0)});
    m_out.End();
}

void Converter::Dib(uint64_t offset, int x, int y, int cx, int cy, int xs, int ys, int cxs, int cys,
                    uint32_t usage, uint32_t rop) {
    if (!m_rec.Has(offset, 0))
        return;
    Include(x, y);
    Include(x + cx, y + cy);
    const RecordView dib = m_rec.Sub(offset, m_rec.Size() - offset);
    uint32_t head = 0;
    const uint64_t size = PackedDibSize(dib.Data(), dib.Size(), usage, &head);
    if (size == 0)
        return; // a bitmap whose header lies about its size is left out
    m_out.StretchDib(x, y, cx, cy, xs, ys, cxs, cys, usage, rop,
                     QByteArrayView(reinterpret_cast<const char*>(dib.Data()), qsizetype(size)));
}

void Converter::PatBlt(int x, int y, int cx, int cy, uint32_t rop) {
    Include(x, y);
    Include(x + cx, y + cy);
    m_out.Begin(U_EMR_BITBLT);
    m_out.PutRect(0, 0, -1, -1);
    m_out.PutRect(x, y, cx, cy); // xDest, yDest, cxDest, cyDest
    m_out.PutU32(rop);
    m_out.PutI32(0); // xSrc
    m_out.PutI32(0); // ySrc
    for (float f : {1.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f})
        m_out.PutF32(f);
    for (int i = 0; i < 6; ++i) // crBkColorSrc, iUsageSrc, no bitmap
        m_out.PutU32(0);
    m_out.End();
}

void Converter::Text(int x, int y, QByteArrayView bytes, uint32_t options, const EmfRect& rect,
                     const std::vector<int32_t>& dx) {
    Include(x, y);
    // The 8-bit text goes over as it is; the player decodes it with the
    // character set of the font selected when it plays.
    m_out.Begin(U_EMR_EXTTEXTOUTA);
    m_out.PutRect(0, 0, -1, -1);
    m_out.PutU32(U_GM_COMPATIBLE);
    m_out.PutF32(1.0f);
    m_out.PutF32(1.0f);
    constexpr uint32_t kOffString = 36 + 40;
    const uint32_t count = uint32_t(bytes.size());
    const uint32_t offDx = dx.empty() ? 0 : kOffString + ((count + 3) & ~3u);
    m_out.PutPoint({x, y});
    m_out.PutU32(count);
    m_out.PutU32(kOffString);
    m_out.PutU32(options);
    m_out.PutRect(rect.left, rect.top, rect.right, rect.bottom);
    m_out.PutU32(offDx);
    m_out.PutBytes(bytes);
    m_out.Align4();
    for (int32_t a : dx)
        m_out.PutI32(a);
    m_out.End();
}

void Converter::Region(int index, uint16_t function, int brush, int width, int height) {
    if (!ValidSlot(index) || m_slots[size_t(index)].kind != Slot::Kind::Region)
        return;
    // Region operations become rectangles in the region's brush (or, to
    // invert, in the inverting raster operation), with no outline.
    m_out.OneU32(U_EMR_SAVEDC, 0);
    m_out.OneU32(U_EMR_SELECTOBJECT, U_NULL_PEN);
    if (function == kInvertRegion)
        m_out.OneU32(U_EMR_SETROP2, U_R2_NOT);
    else if (ValidSlot(brush) && m_slots[size_t(brush)].kind == Slot::Kind::Object)
        m_out.OneU32(U_EMR_SELECTOBJECT, uint32_t(brush) + 1);
    for (const EmfRect& r : m_slots[size_t(index)].rects) {
        if (function == kFrameRegion) {
            // Four bands of the given width and height along the edges.
            const EmfRect bands[4] = {{r.left, r.top, r.right + 1, r.top + height + 1},
                                      {r.left, r.bottom - height, r.right + 1, r.bottom + 1},
                                      {r.left, r.top, r.left + width + 1, r.bottom + 1},
                                      {r.right - width, r.top, r.right + 1, r.bottom + 1}};
            for (const EmfRect& b : bands) {
                m_out.Begin(U_EMR_RECTANGLE);
                m_out.PutRect(b.left, b.top, b.right, b.bottom);
                m_out.End();
            }
            continue;
        }
        m_out.Begin(U_EMR_RECTANGLE);
        m_out.PutRect(r.left, r.top, r.right + 1, r.bottom + 1);
        m_out.End();
    }
    m_out.OneU32(U_EMR_RESTOREDC, uint32_t(-1));
}

void Converter::ClipToRegion(int index) {
    m_out.Begin(U_EMR_EXTSELECTCLIPRGN); // no region data: the whole picture
    m_out.PutU32(0);
    m_out.PutU32(U_RGN_COPY);
    m_out.End();
    if (!ValidSlot(index) || m_slots[size_t(index)].kind != Slot::Kind::Region)
        return;
    const auto& rects = m_slots[size_t(index)].rects;
    if (rects.empty()) {
        m_out.Begin(U_EMR_INTERSECTCLIPRECT);
        m_out.PutRect(0, 0, 0, 0);
        m_out.End();
        return;
    }
    // A clip of several rectangles is approximated by their union's bounds.
    EmfRect u = rects.front();
    for (const EmfRect& r : rects) {
        u.left = std::min(u.left, r.left);
        u.top = std::min(u.top, r.top);
        u.right = std::max(u.right, r.right);
        u.bottom = std::max(u.bottom, r.bottom);
    }
    m_out.Begin(U_EMR_INTERSECTCLIPRECT);
    m_out.PutRect(u.left, u.top, u.right, u.bottom);
    m_out.End();
}

bool Converter::Record(const RecordView& r, uint16_t function) {
    m_rec = r;
    const uint32_t params = r.Size() - 6;
    // Records whose fixed parameters are not all there are left out.
    const auto need = [&](uint32_t words) { return params >= words * 2; };
    // Mode setters whose one 16-bit value becomes the enhanced record's 32-bit one.
    static constexpr struct {
        uint16_t wmf;
        uint32_t emf;
    } kModeSetters[] = {{kSetBkMode, U_EMR_SETBKMODE},
                        {kSetRop2, U_EMR_SETROP2},
                        {kSetPolyFillMode, U_EMR_SETPOLYFILLMODE},
                        {kSetStretchBltMode, U_EMR_SETSTRETCHBLTMODE},
                        {kSetTextAlign, U_EMR_SETTEXTALIGN}};
    for (const auto& setter : kModeSetters) {
        if (setter.wmf == function) {
            if (need(1))
                m_out.OneU32(setter.emf, r.U16(6));
            return true;
        }
    }
    switch (function) {
    case kSetBkColor:
        if (need(2))
            m_out.OneU32(U_EMR_SETBKCOLOR, r.U32(6) & 0xFFFFFF);
        break;
    case kSetTextColor:
        if (need(2))
            m_out.OneU32(U_EMR_SETTEXTCOLOR, r.U32(6) & 0xFFFFFF);
        break;
    case kSetMapMode:
        // The picture is scaled into its frame whatever the mode: only the
        // isotropic mode keeps a meaning of its own.
        if (need(1))
            m_out.OneU32(U_EMR_SETMAPMODE,
                         r.U16(6) == U_MM_ISOTROPIC ? U_MM_ISOTROPIC : U_MM_ANISOTROPIC);
        break;
    case kSetWindowOrg:
        if (!need(2))
            break;
        m_windowOrg = {P(1), P(0)};
        if (!m_haveWindowOrg)
            m_firstOrg = m_windowOrg;
        m_haveWindowOrg = true;
        m_out.TwoI32(U_EMR_SETWINDOWORGEX, m_windowOrg.x(), m_windowOrg.y());
        break;
    case kSetWindowExt:
        if (!need(2))
            break;
        m_windowExt = {P(1), P(0)};
        if (!m_haveWindowExt)
            m_firstExt = m_windowExt;
        m_haveWindowExt = true;
        m_out.TwoI32(U_EMR_SETWINDOWEXTEX, m_windowExt.x(), m_windowExt.y());
        break;
    case kOffsetWindowOrg:
        if (!need(2))
            break;
        m_windowOrg += QPoint(P(1), P(0));
        m_out.TwoI32(U_EMR_SETWINDOWORGEX, m_windowOrg.x(), m_windowOrg.y());
        break;
    case kScaleWindowExt: // yDenom, yNum, xDenom, xNum
        if (!need(4) || P(0) == 0 || P(2) == 0)
            break;
        m_windowExt = {m_windowExt.x() * P(3) / P(2), m_windowExt.y() * P(1) / P(0)};
        m_out.TwoI32(U_EMR_SETWINDOWEXTEX, m_windowExt.x(), m_windowExt.y());
        break;
    case kLineTo:
    case kMoveTo:
        if (need(2)) {
            const QPoint p = Pt(P(1), P(0));
            m_out.TwoI32(function == kLineTo ? U_EMR_LINETO : U_EMR_MOVETOEX, p.x(), p.y());
        }
        break;
    case kExcludeClipRect:
    case kIntersectClipRect:
        if (need(4)) {
            m_out.Begin(function == kExcludeClipRect ? U_EMR_EXCLUDECLIPRECT
                                                     : U_EMR_INTERSECTCLIPRECT);
            m_out.PutRect(P(3), P(2), P(1), P(0));
            m_out.End();
        }
        break;
    case kOffsetClipRgn:
        if (need(2))
            m_out.TwoI32(U_EMR_OFFSETCLIPRGN, P(1), P(0));
        break;
    case kArc:
    case kPie:
    case kChord:
        if (need(8))
            ArcLike(function == kArc ? U_EMR_ARC : function == kPie ? U_EMR_PIE : U_EMR_CHORD);
        break;
    case kEllipse:
    case kRectangle:
        if (need(4))
            Box(function == kEllipse ? U_EMR_ELLIPSE : U_EMR_RECTANGLE);
        break;
    case kRoundRect: // height, width, bottom, right, top, left
        if (need(6)) {
            m_out.Begin(U_EMR_ROUNDRECT);
            const QPoint a = Pt(P(5), P(4)), b = Pt(P(3), P(2));
            m_out.PutRect(a.x(), a.y(), b.x(), b.y());
            m_out.PutI32(P(1));
            m_out.PutI32(P(0));
            m_out.End();
        }
        break;
    case kSetPixel: // colour, y, x
        if (need(4)) {
            m_out.Begin(U_EMR_SETPIXELV);
            m_out.PutPoint(Pt(P(3), P(2)));
            m_out.PutU32(r.U32(6) & 0xFFFFFF);
            m_out.End();
        }
        break;
    case kPatBlt: // rop, height, width, y, x
        if (need(6))
            PatBlt(P(5), P(4), P(3), P(2), r.U32(6));
        break;
    case kSaveDc:
        m_out.Simple(U_EMR_SAVEDC);
        break;
    case kRestoreDc:
        if (need(1))
            m_out.OneU32(U_EMR_RESTOREDC, uint32_t(int32_t(P(0))));
        break;
    case kPolygon:
    case kPolyline: {
        std::vector<QPoint> points;
        if (need(1) && Points(8, r.U16(6), &points) && !points.empty())
            m_out.Poly(function == kPolygon ? U_EMR_POLYGON : U_EMR_POLYLINE,
                       function == kPolygon ? U_EMR_POLYGON16 : U_EMR_POLYLINE16, points);
        break;
    }
    case kPolyPolygon: {
        const uint32_t polys = r.U16(6);
        if (!need(1) || !r.Has(8, polys, 2))
            break;
        std::vector<uint32_t> counts(polys);
        uint64_t total = 0;
        for (uint32_t i = 0; i < polys; ++i)
            total += counts[i] = r.U16(8 + 2 * uint64_t(i));
        std::vector<QPoint> points;
        // Counts that add up to more points than the record holds: left out.
        if (polys > 0 && Points(8 + 2 * uint64_t(polys), total, &points))
            m_out.PolyPoly(U_EMR_POLYPOLYGON, U_EMR_POLYPOLYGON16, counts, points);
        break;
    }
    case kTextOut: { // count, string (even length), y, x
        const uint32_t count = r.U16(6);
        const uint64_t padded = (uint64_t(count) + 1) & ~uint64_t(1);
        if (!need(1) || !r.Has(8, padded + 4))
            break;
        const int y = r.I16(8 + padded), x = r.I16(10 + padded);
        Text(x, y, QByteArrayView(reinterpret_cast<const char*>(r.At(8)), count), 0, {}, {});
        break;
    }
    case kExtTextOut: { // y, x, count, options, [rect], string, [dx]
        if (!need(4))
            break;
        const int y = P(0), x = P(1);
        const uint32_t count = r.U16(10), options = r.U16(12);
        uint64_t at = 14;
        EmfRect rect;
        if (options & (U_ETO_OPAQUE | U_ETO_CLIPPED)) {
            if (!r.Has(14, 8))
                break;
            rect = {r.I16(14), r.I16(16), r.I16(18), r.I16(20)};
            at = 22;
        }
        if (!r.Has(at, count))
            break;
        const QByteArrayView text(reinterpret_cast<const char*>(r.At(uint32_t(at))), count);
        at += (uint64_t(count) + 1) & ~uint64_t(1);
        std::vector<int32_t> dx;
        if (count > 0 && r.Has(at, count, 2))
            for (uint32_t i = 0; i < count; ++i)
                dx.push_back(r.I16(at + 2 * uint64_t(i)));
        Text(x, y, text, options, rect, dx);
        break;
    }
    case kSelectObject: {
        if (!need(1))
            break;
        const int index = r.U16(6);
        if (!ValidSlot(index) || m_slots[size_t(index)].kind == Slot::Kind::Free)
            break;
        if (m_slots[size_t(index)].kind == Slot::Kind::Region)
            ClipToRegion(index);
        else
            m_out.OneU32(U_EMR_SELECTOBJECT, uint32_t(index) + 1);
        break;
    }
    case kSelectClipRegion:
        if (need(1))
            ClipToRegion(r.U16(6));
        break;
    case kDeleteObject: {
        if (!need(1))
            break;
        const int index = r.U16(6);
        if (!ValidSlot(index) || m_slots[size_t(index)].kind == Slot::Kind::Free)
            break;
        if (m_slots[size_t(index)].kind == Slot::Kind::Object)
            m_out.OneU32(U_EMR_DELETEOBJECT, uint32_t(index) + 1);
        m_slots[size_t(index)] = {};
        break;
    }
    case kCreatePenIndirect: { // style, width (x, y), colour
        const int slot = NewSlot(Slot::Kind::Object);
        if (slot < 0)
            return false;
        m_out.Begin(U_EMR_CREATEPEN);
        m_out.PutU32(uint32_t(slot) + 1);
        m_out.PutU32(r.U16(6));
        m_out.PutI32(r.I16(8));
        m_out.PutI32(0);
        m_out.PutU32(r.U32(12) & 0xFFFFFF);
        m_out.End();
        break;
    }
    case kCreateBrushIndirect: { // style, colour, hatch
        const int slot = NewSlot(Slot::Kind::Object);
        if (slot < 0)
            return false;
        uint32_t style = r.U16(6);
        if (style != U_BS_SOLID && style != U_BS_NULL && style != U_BS_HATCHED)
            style = U_BS_SOLID;
        m_out.Begin(U_EMR_CREATEBRUSHINDIRECT);
        m_out.PutU32(uint32_t(slot) + 1);
        m_out.PutU32(style);
        m_out.PutU32(r.U32(8) & 0xFFFFFF);
        m_out.PutU32(r.U16(12));
        m_out.End();
        break;
    }
    case kCreatePatternBrush: {
        // Device-dependent pattern bitmaps are shown as a mid-grey fill,
        // the average of a two-colour pattern.
        const int slot = NewSlot(Slot::Kind::Object);
        if (slot < 0)
            return false;
        m_out.Begin(U_EMR_CREATEBRUSHINDIRECT);
        m_out.PutU32(uint32_t(slot) + 1);
        m_out.PutU32(U_BS_SOLID);
        m_out.PutU32(0x808080);
        m_out.PutU32(0);
        m_out.End();
        break;
    }
    case kDibCreatePatternBrush: { // style, usage, DIB
        const int slot = NewSlot(Slot::Kind::Object);
        if (slot < 0)
            return false;
        const RecordView dib = r.Sub(10, r.Size() > 10 ? r.Size() - 10 : 0);
        uint32_t head = 0;
        const uint32_t usage = r.U16(8);
        const uint64_t size = PackedDibSize(dib.Data(), dib.Size(), usage, &head);
        if (size == 0) {
            m_out.Begin(U_EMR_CREATEBRUSHINDIRECT);
            m_out.PutU32(uint32_t(slot) + 1);
            m_out.PutU32(U_BS_SOLID);
            m_out.PutU32(0x808080);
            m_out.PutU32(0);
            m_out.End();
            break;
        }
        constexpr uint32_t kFixed = 32;
        m_out.Begin(U_EMR_CREATEDIBPATTERNBRUSHPT);
        m_out.PutU32(uint32_t(slot) + 1);
        m_out.PutU32(usage);
        m_out.PutU32(kFixed);
        m_out.PutU32(head);
        m_out.PutU32(kFixed + ((head + 3) & ~3u));
        m_out.PutU32(uint32_t(size - head));
        m_out.PutBytes(QByteArrayView(reinterpret_cast<const char*>(dib.Data()), head));
        m_out.Align4();
        m_out.PutBytes(QByteArrayView(reinterpret_cast<const char*>(dib.Data()) + head,
                                      qsizetype(size - head)));
        m_out.End();
        break;
    }
    case kCreateFontIndirect: {
        const int slot = NewSlot(Slot::Kind::Object);
        if (slot < 0)
            return false;
        QByteArray face;
        for (uint64_t i = 24; i < 24 + 32 && r.Has(i, 1) && r.U8(i) != 0; ++i)
            face.append(char(r.U8(i)));
        m_out.Font(uint32_t(slot) + 1, P(0), P(1), P(2), P(3), P(4), r.U8(16), r.U8(17), r.U8(18),
                   r.U8(19), r.U8(23), DecodeWindows1252(face));
        break;
    }
    case kCreatePalette: { // version, count, entries
        const int slot = NewSlot(Slot::Kind::Object);
        if (slot < 0)
            return false;
        const uint32_t count = r.Has(10, r.U16(8), 4) ? r.U16(8) : 0;
        m_out.Begin(U_EMR_CREATEPALETTE);
        m_out.PutU32(uint32_t(slot) + 1);
        m_out.PutU16(0x0300);
        m_out.PutU16(count);
        m_out.PutBytes(QByteArrayView(reinterpret_cast<const char*>(r.At(10)), count * 4));
        m_out.End();
        break;
    }
    case kSelectPalette:
        if (need(1) && ValidSlot(r.U16(6)) && m_slots[r.U16(6)].kind == Slot::Kind::Object)
            m_out.OneU32(U_EMR_SELECTPALETTE, uint32_t(r.U16(6)) + 1);
        break;
    case kRealizePalette:
        m_out.Simple(U_EMR_REALIZEPALETTE);
        break;
    case kCreateRegion: {
        const int slot = NewSlot(Slot::Kind::Region);
        if (slot < 0)
            return false;
        // nextInChain, objectType, objectCount, regionSize, scanCount,
        // maxScan, bounds, then the scans: count, top, bottom, count/2 pairs
        // of left and right, count again.
        const uint32_t scans = r.U16(16);
        uint64_t at = 28;
        auto& rects = m_slots[size_t(slot)].rects;
        for (uint32_t s = 0; s < scans && r.Has(at, 6); ++s) {
            const uint32_t count = r.U16(at);
            const int top = r.I16(at + 2), bottom = r.I16(at + 4);
            if (!r.Has(at + 6, uint64_t(count) + 1, 2))
                break;
            for (uint32_t i = 0; i + 1 < count; i += 2) {
                const int left = r.I16(at + 6 + 2 * uint64_t(i));
                const int right = r.I16(at + 8 + 2 * uint64_t(i));
                rects.push_back({left, top, right - 1, bottom - 1});
                Include(left, top);
                Include(right, bottom);
            }
            at += 6 + 2 * uint64_t(count) + 2;
        }
        if (scans == 0 && r.Has(20, 8)) { // a region given by its bounds only
            const EmfRect b{r.I16(20), r.I16(22), r.I16(24) - 1, r.I16(26) - 1};
            if (b.right >= b.left && b.bottom >= b.top)
                rects.push_back(b);
        }
        break;
    }
    case kFillRegion: // region, brush
        if (need(2))
            Region(r.U16(6), kFillRegion, r.U16(8), 0, 0);
        break;
    case kFrameRegion: // region, brush, height, width
        if (need(4))
            Region(r.U16(6), kFrameRegion, r.U16(8), P(3), P(2));
        break;
    case kPaintRegion:
    case kInvertRegion:
        if (need(1))
            Region(r.U16(6), function, -1, 0, 0); // the brush selected now
        break;
    case kDibBitBlt:
        // Without a bitmap (a record of its fixed size) the parameters follow
        // a reserved word and the record fills with the brush:
        // rop, reserved, ySrc, xSrc, height, width, yDest, xDest.
        if (r.Size() == (uint32_t(function >> 8) + 3) * 2) {
            if (need(9))
                PatBlt(P(8), P(7), P(6), P(5), r.U32(6));
        } else if (need(8)) { // rop, ySrc, xSrc, height, width, yDest, xDest, DIB
            Dib(22, P(7), P(6), P(5), P(4), P(3), P(2), P(5), P(4), 0, r.U32(6));
        }
        break;
    case kDibStretchBlt:
        if (r.Size() == (uint32_t(function >> 8) + 3) * 2) {
            if (need(11))
                PatBlt(P(10), P(9), P(8), P(7), r.U32(6));
        } else if (need(10)) { // rop, srcH, srcW, ySrc, xSrc, destH, destW, yDest, xDest, DIB
            Dib(26, P(9), P(8), P(7), P(6), P(5), P(4), P(3), P(2), 0, r.U32(6));
        }
        break;
    case kStretchDib: // rop, usage, srcH, srcW, ySrc, xSrc, destH, destW, yDest, xDest, DIB
        if (need(11))
            Dib(28, P(10), P(9), P(8), P(7), P(6), P(5), P(4), P(3), r.U16(10), r.U32(6));
        break;
    case kSetDibToDev: // usage, scans, start, ySrc, xSrc, height, width, yDest, xDest, DIB
        if (need(9))
            Dib(24, P(8), P(7), P(6), P(5), P(4), P(3), P(6), P(5), r.U16(6), U_SRCCOPY);
        break;
    default:
        break; // records without an enhanced counterpart (escapes, flood fills, ...)
    }
    return true;
}

bool Converter::Run(QByteArray* emf, QString* error) {
    const RecordView wmf(reinterpret_cast<const uint8_t*>(m_wmf.bytes.data()),
                         uint32_t(m_wmf.bytes.size()));
    const uint64_t headerSize = std::max<uint64_t>(uint64_t(wmf.U16(2)) * 2, 18);
    // The mapping that puts the window on the frame; the values are filled
    // in at the end, when the window and the drawing's extent are known.
    m_out.OneU32(U_EMR_SETMAPMODE, U_MM_ANISOTROPIC);
    const qsizetype orgAt = m_out.Offset() + 8;
    m_out.TwoI32(U_EMR_SETWINDOWORGEX, 0, 0);
    const qsizetype extAt = m_out.Offset() + 8;
    m_out.TwoI32(U_EMR_SETWINDOWEXTEX, 1, 1);
    m_out.TwoI32(U_EMR_SETVIEWPORTORGEX, 0, 0);
    const qsizetype viewportAt = m_out.Offset() + 8;
    m_out.TwoI32(U_EMR_SETVIEWPORTEXTEX, 1, 1);

    uint64_t pos = headerSize;
    uint32_t index = 0;
    bool ended = false;
    while (pos < wmf.Size()) {
        const uint64_t size = uint64_t(wmf.U32(pos)) * 2;
        if (size < 6 || pos + 6 > wmf.Size() || size > wmf.Size() - pos) {
            *error = QStringLiteral("record %1 at byte %2 runs past the end of the metafile")
                         .arg(index)
                         .arg(pos);
            return false;
        }
        const RecordView rec = wmf.Sub(pos, size);
        const uint16_t function = rec.U16(4);
        if (function == kEof) {
            ended = true;
            break;
        }
        if (!Record(rec, function)) {
            *error = QStringLiteral("the metafile has more objects than a metafile can hold");
            return false;
        }
        pos += size;
        ++index;
    }
    if (!ended && pos != wmf.Size()) {
        *error = QStringLiteral("the metafile has no end record");
        return false;
    }

    // The window: the placeable header's box, else the metafile's own first
    // window, else what the records draw.
    const PlaceableHeader& ph = m_wmf.placeable;
    QPoint org, ext;
    if (ph.Present() && ph.Right() != ph.Left() && ph.Bottom() != ph.Top()) {
        org = {ph.Left(), ph.Top()};
        ext = {ph.Right() - ph.Left(), ph.Bottom() - ph.Top()};
    } else if (m_haveWindowExt && m_firstExt.x() != 0 && m_firstExt.y() != 0) {
        org = m_firstOrg;
        ext = m_firstExt;
    } else if (m_minX <= m_maxX && m_minY <= m_maxY) {
        org = {m_minX, m_minY};
        ext = {std::max(1, m_maxX - m_minX), std::max(1, m_maxY - m_minY)};
    } else {
        org = {0, 0};
        ext = {1, 1};
    }
    // The frame: the box at the placeable header's units per inch, else one
    // unit per pixel at 96 dots per inch.
    const int upi = ph.Present() && ph.UnitsPerInch() != 0 ? ph.UnitsPerInch() : 96;
    const int64_t frameW = std::max<int64_t>(1, std::abs(int64_t(ext.x())) * 2540 / upi);
    const int64_t frameH = std::max<int64_t>(1, std::abs(int64_t(ext.y())) * 2540 / upi);
    const int32_t pixelsW = int32_t(std::max<int64_t>(1, (frameW * 96 + 1270) / 2540));
    const int32_t pixelsH = int32_t(std::max<int64_t>(1, (frameH * 96 + 1270) / 2540));
    m_out.Patch(orgAt, org.x());
    m_out.Patch(orgAt + 4, org.y());
    m_out.Patch(extAt, ext.x());
    m_out.Patch(extAt + 4, ext.y());
    m_out.Patch(viewportAt, pixelsW);
    m_out.Patch(viewportAt + 4, pixelsH);
    *emf = m_out.Finish({0, 0, pixelsW - 1, pixelsH - 1},
                        {0, 0, int32_t(frameW) - 1, int32_t(frameH) - 1},
                        uint32_t(m_slots.size()) + 1);
    return true;
}

} // namespace

bool ConvertWindowsMetafile(const WindowsMetafile& wmf, QByteArray* emf, QString* error) {
    QString message;
    Converter converter(wmf);
    if (!converter.Run(emf, &message)) {
        if (error)
            *error = message;
        return false;
    }
    return true;
}
