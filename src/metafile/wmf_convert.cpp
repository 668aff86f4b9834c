#include "emf_records.h"
#include "wmf_converter.h"

#include <algorithm>
#include <unordered_map>

bool WmfConverter::Record(const RecordView& r, uint16_t function) {
    static const std::unordered_map<uint16_t, Handler> kHandlers = [] {
        const struct {
            Handler handler;
            std::initializer_list<uint16_t> functions;
        } families[] = {
            {&WmfConverter::StateRecord,
             {Wmf::kSetBkMode, Wmf::kSetRop2, Wmf::kSetPolyFillMode, Wmf::kSetStretchBltMode,
              Wmf::kSetTextAlign, Wmf::kSetBkColor, Wmf::kSetTextColor, Wmf::kSetMapMode,
              Wmf::kSetWindowOrg, Wmf::kSetWindowExt, Wmf::kOffsetWindowOrg, Wmf::kScaleWindowExt,
              Wmf::kSaveDc, Wmf::kRestoreDc}},
            {&WmfConverter::ClipRecord,
             {Wmf::kExcludeClipRect, Wmf::kIntersectClipRect, Wmf::kOffsetClipRgn,
              Wmf::kSelectClipRegion}},
            {&WmfConverter::FigureRecord,
             {Wmf::kLineTo, Wmf::kMoveTo, Wmf::kArc, Wmf::kPie, Wmf::kChord, Wmf::kEllipse,
              Wmf::kRectangle, Wmf::kRoundRect, Wmf::kSetPixel, Wmf::kPolygon, Wmf::kPolyline,
              Wmf::kPolyPolygon}},
            {&WmfConverter::TextRecord, {Wmf::kTextOut, Wmf::kExtTextOut}},
            {&WmfConverter::BitmapRecord,
             {Wmf::kPatBlt, Wmf::kDibBitBlt, Wmf::kDibStretchBlt, Wmf::kStretchDib,
              Wmf::kSetDibToDev}},
            {&WmfConverter::ObjectRecord,
             {Wmf::kSelectObject, Wmf::kDeleteObject, Wmf::kCreatePenIndirect,
              Wmf::kCreateBrushIndirect, Wmf::kCreatePatternBrush, Wmf::kDibCreatePatternBrush,
              Wmf::kCreateFontIndirect, Wmf::kCreatePalette, Wmf::kSelectPalette,
              Wmf::kRealizePalette}},
            {&WmfConverter::RegionRecord,
             {Wmf::kCreateRegion, Wmf::kFillRegion, Wmf::kFrameRegion, Wmf::kPaintRegion,
              Wmf::kInvertRegion}},
        };
        std::unordered_map<uint16_t, Handler> map;
        for (const auto& family : families)
            for (uint16_t f : family.functions)
                map.emplace(f, family.handler);
        return map;
    }();
    m_rec = r;
    const auto it = kHandlers.find(function);
    // Records without an enhanced counterpart (escapes, flood fills, ...)
    // are left out.
    if (it == kHandlers.end())
        return true;
    const Handler handler = it->second;
    // The first drawing record fixes the window the frame comes from.
    if ((handler == &WmfConverter::FigureRecord && function != Wmf::kMoveTo) ||
        handler == &WmfConverter::TextRecord || handler == &WmfConverter::BitmapRecord ||
        (handler == &WmfConverter::RegionRecord && function != Wmf::kCreateRegion))
        m_drawn = true;
    return (this->*handler)(r, function);
}

// Colours, modes, the window and the save stack.
bool WmfConverter::StateRecord(const RecordView& r, uint16_t function) {
    // Mode setters whose one 16-bit value becomes the enhanced record's 32-bit one.
    static constexpr struct {
        uint16_t wmf;
        uint32_t emf;
    } kModeSetters[] = {{Wmf::kSetBkMode, Emr::kSetBkMode},
                        {Wmf::kSetRop2, Emr::kSetRop2},
                        {Wmf::kSetPolyFillMode, Emr::kSetPolyFillMode},
                        {Wmf::kSetStretchBltMode, Emr::kSetStretchBltMode},
                        {Wmf::kSetTextAlign, Emr::kSetTextAlign}};
    for (const auto& setter : kModeSetters) {
        if (setter.wmf == function) {
            if (Need(1))
                m_out.OneU32(setter.emf, r.U16(6));
            return true;
        }
    }
    switch (function) {
    case Wmf::kSetBkColor:
        if (Need(2))
            m_out.OneU32(Emr::kSetBkColor, r.U32(6) & 0xFFFFFF);
        break;
    case Wmf::kSetTextColor:
        if (Need(2))
            m_out.OneU32(Emr::kSetTextColor, r.U32(6) & 0xFFFFFF);
        break;
    case Wmf::kSetMapMode:
        // The picture is scaled into its frame whatever the mode: only the
        // isotropic mode keeps a meaning of its own.
        if (Need(1))
            m_out.OneU32(Emr::kSetMapMode,
                         r.U16(6) == Emf::kMmIsotropic ? Emf::kMmIsotropic : Emf::kMmAnisotropic);
        break;
    case Wmf::kSetWindowOrg:
        if (!Need(2))
            break;
        m_windowOrg = {P(1), P(0)};
        if (!m_haveWindowOrg || !m_drawn)
            m_frameOrg = m_windowOrg;
        m_haveWindowOrg = true;
        m_out.TwoI32(Emr::kSetWindowOrgEx, m_windowOrg.x(), m_windowOrg.y());
        break;
    case Wmf::kSetWindowExt:
        if (!Need(2))
            break;
        m_windowExt = {P(1), P(0)};
        if (!m_haveWindowExt || !m_drawn)
            m_frameExt = m_windowExt;
        m_haveWindowExt = true;
        m_out.TwoI32(Emr::kSetWindowExtEx, m_windowExt.x(), m_windowExt.y());
        break;
    case Wmf::kOffsetWindowOrg:
        if (!Need(2))
            break;
        m_windowOrg += QPoint(P(1), P(0));
        m_out.TwoI32(Emr::kSetWindowOrgEx, m_windowOrg.x(), m_windowOrg.y());
        break;
    case Wmf::kScaleWindowExt: // yDenom, yNum, xDenom, xNum
        if (!Need(4) || P(0) == 0 || P(2) == 0)
            break;
        m_windowExt = {m_windowExt.x() * P(3) / P(2), m_windowExt.y() * P(1) / P(0)};
        m_out.TwoI32(Emr::kSetWindowExtEx, m_windowExt.x(), m_windowExt.y());
        break;
    case Wmf::kSaveDc:
        m_out.Simple(Emr::kSaveDc);
        break;
    case Wmf::kRestoreDc:
        if (Need(1))
            m_out.OneU32(Emr::kRestoreDc, uint32_t(int32_t(P(0))));
        break;
    default:
        break;
    }
    return true;
}

// Clip rectangles and regions.
bool WmfConverter::ClipRecord(const RecordView& r, uint16_t function) {
    switch (function) {
    case Wmf::kExcludeClipRect:
    case Wmf::kIntersectClipRect:
        if (Need(4)) {
            m_out.Begin(function == Wmf::kExcludeClipRect ? Emr::kExcludeClipRect
                                                          : Emr::kIntersectClipRect);
            m_out.PutRect(P(3), P(2), P(1), P(0));
            m_out.End();
        }
        break;
    case Wmf::kOffsetClipRgn:
        if (Need(2))
            m_out.TwoI32(Emr::kOffsetClipRgn, P(1), P(0));
        break;
    case Wmf::kSelectClipRegion:
        if (Need(1))
            ClipToRegion(r.U16(6));
        break;
    default:
        break;
    }
    return true;
}

bool WmfConverter::Run(QByteArray* emf, QString* error) {
    const RecordView wmf(reinterpret_cast<const uint8_t*>(m_wmf.bytes.data()),
                         uint32_t(m_wmf.bytes.size()));
    const uint64_t headerSize = std::max<uint64_t>(uint64_t(wmf.U16(2)) * 2, Wmf::kHeaderSize);
    // The mapping that puts the window on the frame; the values are filled
    // in at the end, when the window and the drawing's extent are known.
    m_out.OneU32(Emr::kSetMapMode, Emf::kMmAnisotropic);
    const qsizetype orgAt = m_out.Offset() + 8;
    m_out.TwoI32(Emr::kSetWindowOrgEx, 0, 0);
    const qsizetype extAt = m_out.Offset() + 8;
    m_out.TwoI32(Emr::kSetWindowExtEx, 1, 1);
    m_out.TwoI32(Emr::kSetViewportOrgEx, 0, 0);
    const qsizetype viewportAt = m_out.Offset() + 8;
    m_out.TwoI32(Emr::kSetViewportExtEx, 1, 1);

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
        if (function == Wmf::kEof) {
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

    // The window: the placeable header's box, else the metafile's own window
    // (the one set before the first drawing record), else what the records
    // draw.
    const PlaceableHeader& ph = m_wmf.placeable;
    QPoint org, ext;
    if (ph.Present() && ph.Right() != ph.Left() && ph.Bottom() != ph.Top()) {
        org = {ph.Left(), ph.Top()};
        ext = {ph.Right() - ph.Left(), ph.Bottom() - ph.Top()};
    } else if (m_haveWindowExt && m_frameExt.x() != 0 && m_frameExt.y() != 0) {
        org = m_frameOrg;
        ext = m_frameExt;
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

bool ConvertWindowsMetafile(const WindowsMetafile& wmf, QByteArray* emf, QString* error) {
    QString message;
    WmfConverter converter(wmf);
    if (!converter.Run(emf, &message)) {
        if (error)
            *error = message;
        return false;
    }
    return true;
}
