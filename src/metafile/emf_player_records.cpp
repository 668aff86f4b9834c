// The record dispatch of the enhanced metafile player: a table from record
// type to the handler of its family (mapping, device state, objects,
// figures, paths, clipping, text, bitmaps). A handler returns false for a
// record it refuses; types without a handler are skipped.
#include "emf_player_internal.h"
#include "emf_records.h"

#include <QPainterPathStroker>

#include <array>
#include <cmath>

namespace {

struct Family {
    EmfPlayer::Handler handler;
    std::initializer_list<uint32_t> types;
};

static_assert(Emr::kLast < EmfPlayer::kHandlerSlots);

} // namespace

const std::array<EmfPlayer::Handler, EmfPlayer::kHandlerSlots>& EmfPlayer::Handlers() {
    static const auto table = [] {
        const Family families[] = {
            {&EmfPlayer::IgnoredRecord,
             {Emr::kHeader, Emr::kComment, Emr::kSetStretchBltMode, Emr::kSetMapperFlags,
              Emr::kSetBrushOrgEx, Emr::kSetIcmMode, Emr::kSetLayout, Emr::kRealizePalette,
              Emr::kFlattenPath}},
            {&EmfPlayer::MappingRecord,
             {Emr::kSetWindowExtEx, Emr::kSetViewportExtEx, Emr::kSetWindowOrgEx,
              Emr::kSetViewportOrgEx, Emr::kScaleViewportExtEx, Emr::kScaleWindowExtEx,
              Emr::kSetMapMode, Emr::kSetWorldTransform, Emr::kModifyWorldTransform}},
            {&EmfPlayer::StateRecord,
             {Emr::kSetBkMode, Emr::kSetPolyFillMode, Emr::kSetRop2, Emr::kSetTextAlign,
              Emr::kSetTextColor, Emr::kSetBkColor, Emr::kSetArcDirection, Emr::kSetMiterLimit,
              Emr::kSaveDc, Emr::kRestoreDc}},
            {&EmfPlayer::ObjectRecord,
             {Emr::kSelectObject, Emr::kSelectPalette, Emr::kDeleteObject, Emr::kCreatePen,
              Emr::kExtCreatePen, Emr::kCreateBrushIndirect, Emr::kCreateDibPatternBrushPt,
              Emr::kCreateMonoBrush, Emr::kExtCreateFontIndirectW, Emr::kCreatePalette}},
            {&EmfPlayer::FigureRecord,
             {Emr::kPolyBezier,
              Emr::kPolygon,
              Emr::kPolyline,
              Emr::kPolyBezierTo,
              Emr::kPolylineTo,
              Emr::kPolyBezier16,
              Emr::kPolygon16,
              Emr::kPolyline16,
              Emr::kPolyBezierTo16,
              Emr::kPolylineTo16,
              Emr::kPolyPolyline,
              Emr::kPolyPolygon,
              Emr::kPolyPolyline16,
              Emr::kPolyPolygon16,
              Emr::kPolyDraw,
              Emr::kPolyDraw16,
              Emr::kMoveToEx,
              Emr::kLineTo,
              Emr::kRectangle,
              Emr::kEllipse,
              Emr::kRoundRect,
              Emr::kArc,
              Emr::kArcTo,
              Emr::kChord,
              Emr::kPie,
              Emr::kAngleArc,
              Emr::kSetPixelV}},
            {&EmfPlayer::PathRecord,
             {Emr::kBeginPath, Emr::kEndPath, Emr::kAbortPath, Emr::kCloseFigure, Emr::kWidenPath,
              Emr::kFillPath, Emr::kStrokeAndFillPath, Emr::kStrokePath, Emr::kSelectClipPath}},
            {&EmfPlayer::ClipRecord,
             {Emr::kIntersectClipRect, Emr::kExcludeClipRect, Emr::kOffsetClipRgn,
              Emr::kExtSelectClipRgn, Emr::kFillRgn, Emr::kPaintRgn, Emr::kInvertRgn,
              Emr::kFrameRgn}},
            {&EmfPlayer::TextRecord, {Emr::kExtTextOutA, Emr::kExtTextOutW}},
            {&EmfPlayer::BitmapRecord,
             {Emr::kBitBlt, Emr::kStretchBlt, Emr::kStretchDiBits, Emr::kSetDiBitsToDevice,
              Emr::kAlphaBlend, Emr::kTransparentBlt}},
        };
        std::array<Handler, kHandlerSlots> t{};
        for (const Family& f : families)
            for (uint32_t type : f.types)
                t[type] = f.handler;
        return t;
    }();
    return table;
}

bool EmfPlayer::Record(uint32_t type, const RecordView& r) {
    // Flood fills, gradient fills, mask and parallelogram blits, colour
    // spaces, escapes and OpenGL records have no handler and are not drawn.
    const auto& table = Handlers();
    if (type >= table.size() || !table[type])
        return false;
    return (this->*table[type])(type, r);
}

bool EmfPlayer::IgnoredRecord(uint32_t, const RecordView&) {
    return true; // nothing to change on our devices
}

// Window, viewport, mapping mode and world transform.
bool EmfPlayer::MappingRecord(uint32_t type, const RecordView& r) {
    switch (type) {
    case Emr::kSetWindowExtEx:
    case Emr::kSetViewportExtEx:
        if (m_s.mapMode != Emf::kMmIsotropic && m_s.mapMode != Emf::kMmAnisotropic)
            return true; // fixed mapping modes ignore extents
        if (r.I32(8) == 0 || r.I32(12) == 0)
            return true;
        (type == Emr::kSetWindowExtEx ? m_s.windowExt : m_s.viewportExt) =
            QPointF(r.I32(8), r.I32(12));
        FixExtents();
        return true;
    case Emr::kSetWindowOrgEx:
        m_s.windowOrg = QPointF(r.I32(8), r.I32(12));
        return true;
    case Emr::kSetViewportOrgEx:
        m_s.viewportOrg = QPointF(r.I32(8), r.I32(12));
        return true;
    case Emr::kScaleViewportExtEx:
    case Emr::kScaleWindowExtEx: {
        if (r.I32(12) == 0 || r.I32(20) == 0)
            return true;
        QPointF& ext = type == Emr::kScaleViewportExtEx ? m_s.viewportExt : m_s.windowExt;
        ext = {ext.x() * r.I32(8) / r.I32(12), ext.y() * r.I32(16) / r.I32(20)};
        FixExtents();
        return true;
    }
    case Emr::kSetMapMode:
        SetMapMode(r.U32(8));
        return true;
    case Emr::kSetWorldTransform:
    case Emr::kModifyWorldTransform: {
        const float m11 = r.F32(8), m12 = r.F32(12), m21 = r.F32(16), m22 = r.F32(20),
                    dx = r.F32(24), dy = r.F32(28);
        if (!AllFinite({m11, m12, m21, m22, dx, dy}))
            return false;
        const QTransform x(m11, m12, m21, m22, dx, dy);
        const uint32_t mode = type == Emr::kSetWorldTransform ? Emf::kMwtSet : r.U32(32);
        if (mode == Emf::kMwtIdentity)
            m_s.world = QTransform();
        else if (mode == Emf::kMwtLeftMultiply)
            m_s.world = x * m_s.world;
        else if (mode == Emf::kMwtRightMultiply)
            m_s.world = m_s.world * x;
        else if (mode == Emf::kMwtSet)
            m_s.world = x;
        return true;
    }
    default:
        return false;
    }
}

// Colours, modes of drawing, and the save stack of the device context.
bool EmfPlayer::StateRecord(uint32_t type, const RecordView& r) {
    switch (type) {
    case Emr::kSetBkMode:
        m_s.bkOpaque = r.U32(8) == Emf::kOpaque;
        return true;
    case Emr::kSetPolyFillMode:
        m_s.fillRule = r.U32(8) == Emf::kWinding ? Qt::WindingFill : Qt::OddEvenFill;
        return true;
    case Emr::kSetRop2:
        m_s.rop2 = r.U32(8);
        return true;
    case Emr::kSetTextAlign:
        m_s.textAlign = r.U32(8);
        return true;
    case Emr::kSetTextColor:
        m_s.textColour = EmfColour(r.U32(8));
        return true;
    case Emr::kSetBkColor:
        m_s.bkColour = EmfColour(r.U32(8));
        return true;
    case Emr::kSetArcDirection:
        m_s.clockwise = r.U32(8) == Emf::kAdClockwise;
        return true;
    case Emr::kSetMiterLimit:
        m_s.miterLimit = std::clamp<double>(r.U32(8), 1, 100);
        return true;
    case Emr::kSaveDc:
        if (m_saved.size() < 4096)
            m_saved.push_back(m_s);
        return true;
    case Emr::kRestoreDc: {
        const int32_t n = r.I32(8);
        // Negative: that many levels back; positive: that saved level.
        const int64_t level = n < 0 ? int64_t(m_saved.size()) + n : int64_t(n) - 1;
        if (level < 0 || level >= int64_t(m_saved.size()))
            return true;
        m_s = m_saved[size_t(level)];
        m_saved.resize(size_t(level));
        m_clipDirty = true;
        return true;
    }
    default:
        return false;
    }
}

// The path being built between BeginPath and EndPath, and its use.
bool EmfPlayer::PathRecord(uint32_t type, const RecordView& r) {
    switch (type) {
    case Emr::kBeginPath:
        m_inPath = true;
        m_path = QPainterPath();
        return true;
    case Emr::kEndPath:
        m_inPath = false;
        return true;
    case Emr::kAbortPath:
        m_inPath = false;
        m_path = QPainterPath();
        return true;
    case Emr::kCloseFigure:
        m_path.closeSubpath();
        return true;
    case Emr::kWidenPath: {
        QPainterPathStroker stroker;
        stroker.setWidth(m_s.pen.cosmetic ? 1.0 : m_s.pen.width * DeviceScale());
        stroker.setCapStyle(m_s.pen.cap);
        stroker.setJoinStyle(m_s.pen.join);
        m_path = stroker.createStroke(m_path);
        return true;
    }
    case Emr::kFillPath:
    case Emr::kStrokeAndFillPath:
    case Emr::kStrokePath: {
        m_inPath = false;
        if (type != Emr::kStrokePath) {
            m_path.setFillRule(m_s.fillRule);
            FillDevicePath(m_path, m_s.brush);
        }
        if (type != Emr::kFillPath)
            StrokeDevicePath(m_path);
        m_path = QPainterPath();
        return true;
    }
    case Emr::kSelectClipPath:
        m_path.setFillRule(m_s.fillRule);
        CombineClip(m_path, r.U32(8));
        m_path = QPainterPath();
        m_inPath = false;
        return true;
    default:
        return false;
    }
}

// The clip, and the region records that fill or frame a region.
bool EmfPlayer::ClipRecord(uint32_t type, const RecordView& r) {
    switch (type) {
    case Emr::kIntersectClipRect:
        CombineClip(DeviceRect(r.I32(8), r.I32(12), r.I32(16), r.I32(20)), Emf::kRgnAnd);
        return true;
    case Emr::kExcludeClipRect:
        CombineClip(DeviceRect(r.I32(8), r.I32(12), r.I32(16), r.I32(20)), Emf::kRgnDiff);
        return true;
    case Emr::kOffsetClipRgn:
        if (m_s.clip) {
            const QTransform t = Full();
            const QPointF d = t.map(QPointF(r.I32(8), r.I32(12))) - t.map(QPointF(0, 0));
            m_s.clip->translate(d);
            m_clipDirty = true;
        }
        return true;
    case Emr::kExtSelectClipRgn: {
        const uint32_t size = r.U32(8), mode = r.U32(12);
        if (size == 0) { // no region: only a copy, which removes the clip
            if (mode == Emf::kRgnCopy) {
                m_s.clip.reset();
                m_clipDirty = true;
            }
            return true;
        }
        QPainterPath region;
        if (!RegionPath(r, 16, size, m_playback, &region))
            return false;
        CombineClip(region, mode);
        return true;
    }
    case Emr::kFillRgn:
    case Emr::kPaintRgn:
    case Emr::kInvertRgn:
    case Emr::kFrameRgn: {
        QPainterPath region;
        const uint64_t at = type == Emr::kFillRgn ? 32 : type == Emr::kFrameRgn ? 40 : 28;
        if (!RegionPath(r, at, r.U32(24), Full(), &region))
            return false;
        EmfBrush brush = m_s.brush;
        if (type == Emr::kFillRgn || type == Emr::kFrameRgn) {
            const EmfObject* o = Object(r.U32(28));
            if (!(r.U32(28) & Emf::kStockObject) && (!o || o->kind != EmfObject::Kind::Brush))
                return false;
            if (o)
                brush = o->brush;
        }
        if (type == Emr::kInvertRgn) {
            const uint32_t rop = m_s.rop2;
            m_s.rop2 = Emf::kR2Not;
            FillDevicePath(region, EmfBrush{});
            m_s.rop2 = rop;
        } else if (type == Emr::kFrameRgn) {
            QPainterPathStroker stroker;
            stroker.setWidth(std::max(1.0, r.I32(32) * DeviceScale()));
            FillDevicePath(stroker.createStroke(region).intersected(region), brush);
        } else {
            FillDevicePath(region, brush);
        }
        return true;
    }
    default:
        return false;
    }
}

bool EmfPlayer::TextRecord(uint32_t type, const RecordView& r) {
    Text(r, type == Emr::kExtTextOutW);
    return true;
}

bool EmfPlayer::BitmapRecord(uint32_t type, const RecordView& r) {
    Blit(r, type);
    return true;
}
