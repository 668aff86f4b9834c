// Figures, text and bitmaps of the Windows metafile conversion.
#include "emf_records.h"
#include "wmf_converter.h"

#include <algorithm>

void WmfConverter::Box(uint32_t type) {
    m_out.Begin(type);
    const QPoint a = Pt(P(3), P(2)), b = Pt(P(1), P(0));
    m_out.PutRect(a.x(), a.y(), b.x(), b.y());
    m_out.End();
}

bool WmfConverter::Points(uint64_t offset, uint64_t count, std::vector<QPoint>* points) {
    if (!m_rec.Has(offset, count, 4))
        return false;
    points->clear();
    points->reserve(count);
    for (uint64_t i = 0; i < count; ++i)
        points->push_back(Pt(m_rec.I16(offset + 4 * i), m_rec.I16(offset + 4 * i + 2)));
    return true;
}

void WmfConverter::ArcLike(uint32_t type) {
    // yEnd, xEnd, yStart, xStart, bottom, right, top, left
    m_out.Begin(type);
    const QPoint a = Pt(P(7), P(6)), b = Pt(P(5), P(4));
    m_out.PutRect(a.x(), a.y(), b.x(), b.y());
    m_out.PutPoint({P(3), P(2)});
    m_out.PutPoint({P(1), P(0)});
    m_out.End();
}

void WmfConverter::Dib(uint64_t offset, int x, int y, int cx, int cy, int xs, int ys, int cxs,
                       int cys, uint32_t usage, uint32_t rop) {
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

void WmfConverter::PatBlt(int x, int y, int cx, int cy, uint32_t rop) {
    Include(x, y);
    Include(x + cx, y + cy);
    m_out.Begin(Emr::kBitBlt);
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

void WmfConverter::Text(int x, int y, QByteArrayView bytes, uint32_t options, const EmfRect& rect,
                        const std::vector<int32_t>& dx) {
    Include(x, y);
    // The 8-bit text goes over as it is; the player decodes it with the
    // character set of the font selected when it plays.
    m_out.Begin(Emr::kExtTextOutA);
    m_out.PutRect(0, 0, -1, -1);
    m_out.PutU32(Emf::kGmCompatible);
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

// Lines, boxes, arcs, pixels and polygons.
bool WmfConverter::FigureRecord(const RecordView& r, uint16_t function) {
    switch (function) {
    case Wmf::kLineTo:
    case Wmf::kMoveTo:
        if (Need(2)) {
            const QPoint p = Pt(P(1), P(0));
            m_out.TwoI32(function == Wmf::kLineTo ? Emr::kLineTo : Emr::kMoveToEx, p.x(), p.y());
        }
        break;
    case Wmf::kArc:
    case Wmf::kPie:
    case Wmf::kChord:
        if (Need(8))
            ArcLike(function == Wmf::kArc   ? Emr::kArc
                    : function == Wmf::kPie ? Emr::kPie
                                            : Emr::kChord);
        break;
    case Wmf::kEllipse:
    case Wmf::kRectangle:
        if (Need(4))
            Box(function == Wmf::kEllipse ? Emr::kEllipse : Emr::kRectangle);
        break;
    case Wmf::kRoundRect: // height, width, bottom, right, top, left
        if (Need(6)) {
            m_out.Begin(Emr::kRoundRect);
            const QPoint a = Pt(P(5), P(4)), b = Pt(P(3), P(2));
            m_out.PutRect(a.x(), a.y(), b.x(), b.y());
            m_out.PutI32(P(1));
            m_out.PutI32(P(0));
            m_out.End();
        }
        break;
    case Wmf::kSetPixel: // colour, y, x
        if (Need(4)) {
            m_out.Begin(Emr::kSetPixelV);
            m_out.PutPoint(Pt(P(3), P(2)));
            m_out.PutU32(r.U32(6) & 0xFFFFFF);
            m_out.End();
        }
        break;
    case Wmf::kPolygon:
    case Wmf::kPolyline: {
        std::vector<QPoint> points;
        if (Need(1) && Points(8, r.U16(6), &points) && !points.empty())
            m_out.Poly(function == Wmf::kPolygon ? Emr::kPolygon : Emr::kPolyline,
                       function == Wmf::kPolygon ? Emr::kPolygon16 : Emr::kPolyline16, points);
        break;
    }
    case Wmf::kPolyPolygon: {
        const uint32_t polys = r.U16(6);
        if (!Need(1) || !r.Has(8, polys, 2))
            break;
        std::vector<uint32_t> counts(polys);
        uint64_t total = 0;
        for (uint32_t i = 0; i < polys; ++i)
            total += counts[i] = r.U16(8 + 2 * uint64_t(i));
        std::vector<QPoint> points;
        // Counts that add up to more points than the record holds: left out.
        if (polys > 0 && Points(8 + 2 * uint64_t(polys), total, &points))
            m_out.PolyPoly(Emr::kPolyPolygon, Emr::kPolyPolygon16, counts, points);
        break;
    }
    default:
        break;
    }
    return true;
}

// TextOut and ExtTextOut.
bool WmfConverter::TextRecord(const RecordView& r, uint16_t function) {
    switch (function) {
    case Wmf::kTextOut: { // count, string (even length), y, x
        const uint32_t count = r.U16(6);
        const uint64_t padded = (uint64_t(count) + 1) & ~uint64_t(1);
        if (!Need(1) || !r.Has(8, padded + 4))
            break;
        const int y = r.I16(8 + padded), x = r.I16(10 + padded);
        Text(x, y, QByteArrayView(reinterpret_cast<const char*>(r.At(8)), count), 0, {}, {});
        break;
    }
    case Wmf::kExtTextOut: { // y, x, count, options, [rect], string, [dx]
        if (!Need(4))
            break;
        const int y = P(0), x = P(1);
        const uint32_t count = r.U16(10), options = r.U16(12);
        uint64_t at = 14;
        EmfRect rect;
        if (options & (Emf::kEtoOpaque | Emf::kEtoClipped)) {
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
    default:
        break;
    }
    return true;
}

// Pattern fills and device-independent bitmaps.
bool WmfConverter::BitmapRecord(const RecordView& r, uint16_t function) {
    switch (function) {
    case Wmf::kPatBlt: // rop, height, width, y, x
        if (Need(6))
            PatBlt(P(5), P(4), P(3), P(2), r.U32(6));
        break;
    case Wmf::kDibBitBlt:
        // Without a bitmap (a record of its fixed size) the parameters follow
        // a reserved word and the record fills with the brush:
        // rop, reserved, ySrc, xSrc, height, width, yDest, xDest.
        if (r.Size() == (uint32_t(function >> 8) + 3) * 2) {
            if (Need(9))
                PatBlt(P(8), P(7), P(6), P(5), r.U32(6));
        } else if (Need(8)) { // rop, ySrc, xSrc, height, width, yDest, xDest, DIB
            Dib(22, P(7), P(6), P(5), P(4), P(3), P(2), P(5), P(4), 0, r.U32(6));
        }
        break;
    case Wmf::kDibStretchBlt:
        if (r.Size() == (uint32_t(function >> 8) + 3) * 2) {
            if (Need(11))
                PatBlt(P(10), P(9), P(8), P(7), r.U32(6));
        } else if (Need(10)) { // rop, srcH, srcW, ySrc, xSrc, destH, destW, yDest, xDest, DIB
            Dib(26, P(9), P(8), P(7), P(6), P(5), P(4), P(3), P(2), 0, r.U32(6));
        }
        break;
    case Wmf::kStretchDib: // rop, usage, srcH, srcW, ySrc, xSrc, destH, destW, yDest, xDest, DIB
        if (Need(11))
            Dib(28, P(10), P(9), P(8), P(7), P(6), P(5), P(4), P(3), r.U16(10), r.U32(6));
        break;
    case Wmf::kSetDibToDev: // usage, scans, start, ySrc, xSrc, height, width, yDest, xDest, DIB
        if (Need(9))
            Dib(24, P(8), P(7), P(6), P(5), P(4), P(3), P(6), P(5), r.U16(6), Emf::kSrcCopy);
        break;
    default:
        break;
    }
    return true;
}
