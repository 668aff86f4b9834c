// The record dispatch of the enhanced metafile player: a table from record
// type to the handler of its family (mapping, device state, objects,
// figures, paths, clipping, text, bitmaps). A handler returns false for a
// record it refuses; types without a handler are skipped.
#include "emf_player_internal.h"

#include <uemf.h>

#include <QPainterPathStroker>

#include <array>
#include <cmath>

namespace {

// Replaces the world transform (libUEMF names only the first three modes).
constexpr uint32_t kMwtSet = 4;

struct Family {
    EmfPlayer::Handler handler;
    std::initializer_list<uint32_t> types;
};

static_assert(U_EMR_MAX < EmfPlayer::kHandlerSlots);

} // namespace

const std::array<EmfPlayer::Handler, EmfPlayer::kHandlerSlots>& EmfPlayer::Handlers() {
    static const auto table = [] {
        const Family families[] = {
            {&EmfPlayer::IgnoredRecord,
             {U_EMR_HEADER, U_EMR_COMMENT, U_EMR_SETSTRETCHBLTMODE, U_EMR_SETMAPPERFLAGS,
              U_EMR_SETBRUSHORGEX, U_EMR_SETICMMODE, U_EMR_SETLAYOUT, U_EMR_REALIZEPALETTE,
              U_EMR_FLATTENPATH}},
            {&EmfPlayer::MappingRecord,
             {U_EMR_SETWINDOWEXTEX, U_EMR_SETVIEWPORTEXTEX, U_EMR_SETWINDOWORGEX,
              U_EMR_SETVIEWPORTORGEX, U_EMR_SCALEVIEWPORTEXTEX, U_EMR_SCALEWINDOWEXTEX,
              U_EMR_SETMAPMODE, U_EMR_SETWORLDTRANSFORM, U_EMR_MODIFYWORLDTRANSFORM}},
            {&EmfPlayer::StateRecord,
             {U_EMR_SETBKMODE, U_EMR_SETPOLYFILLMODE, U_EMR_SETROP2, U_EMR_SETTEXTALIGN,
              U_EMR_SETTEXTCOLOR, U_EMR_SETBKCOLOR, U_EMR_SETARCDIRECTION, U_EMR_SETMITERLIMIT,
              U_EMR_SAVEDC, U_EMR_RESTOREDC}},
            {&EmfPlayer::ObjectRecord,
             {U_EMR_SELECTOBJECT, U_EMR_SELECTPALETTE, U_EMR_DELETEOBJECT, U_EMR_CREATEPEN,
              U_EMR_EXTCREATEPEN, U_EMR_CREATEBRUSHINDIRECT, U_EMR_CREATEDIBPATTERNBRUSHPT,
              U_EMR_CREATEMONOBRUSH, U_EMR_EXTCREATEFONTINDIRECTW, U_EMR_CREATEPALETTE}},
            {&EmfPlayer::FigureRecord,
             {U_EMR_POLYBEZIER,
              U_EMR_POLYGON,
              U_EMR_POLYLINE,
              U_EMR_POLYBEZIERTO,
              U_EMR_POLYLINETO,
              U_EMR_POLYBEZIER16,
              U_EMR_POLYGON16,
              U_EMR_POLYLINE16,
              U_EMR_POLYBEZIERTO16,
              U_EMR_POLYLINETO16,
              U_EMR_POLYPOLYLINE,
              U_EMR_POLYPOLYGON,
              U_EMR_POLYPOLYLINE16,
              U_EMR_POLYPOLYGON16,
              U_EMR_POLYDRAW,
              U_EMR_POLYDRAW16,
              U_EMR_MOVETOEX,
              U_EMR_LINETO,
              U_EMR_RECTANGLE,
              U_EMR_ELLIPSE,
              U_EMR_ROUNDRECT,
              U_EMR_ARC,
              U_EMR_ARCTO,
              U_EMR_CHORD,
              U_EMR_PIE,
              U_EMR_ANGLEARC,
              U_EMR_SETPIXELV}},
            {&EmfPlayer::PathRecord,
             {U_EMR_BEGINPATH, U_EMR_ENDPATH, U_EMR_ABORTPATH, U_EMR_CLOSEFIGURE, U_EMR_WIDENPATH,
              U_EMR_FILLPATH, U_EMR_STROKEANDFILLPATH, U_EMR_STROKEPATH, U_EMR_SELECTCLIPPATH}},
            {&EmfPlayer::ClipRecord,
             {U_EMR_INTERSECTCLIPRECT, U_EMR_EXCLUDECLIPRECT, U_EMR_OFFSETCLIPRGN,
              U_EMR_EXTSELECTCLIPRGN, U_EMR_FILLRGN, U_EMR_PAINTRGN, U_EMR_INVERTRGN,
              U_EMR_FRAMERGN}},
            {&EmfPlayer::TextRecord, {U_EMR_EXTTEXTOUTA, U_EMR_EXTTEXTOUTW}},
            {&EmfPlayer::BitmapRecord,
             {U_EMR_BITBLT, U_EMR_STRETCHBLT, U_EMR_STRETCHDIBITS, U_EMR_SETDIBITSTODEVICE,
              U_EMR_ALPHABLEND, U_EMR_TRANSPARENTBLT}},
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
    case U_EMR_SETWINDOWEXTEX:
    case U_EMR_SETVIEWPORTEXTEX:
        if (m_s.mapMode != U_MM_ISOTROPIC && m_s.mapMode != U_MM_ANISOTROPIC)
            return true; // fixed mapping modes ignore extents
        if (r.I32(8) == 0 || r.I32(12) == 0)
            return true;
        (type == U_EMR_SETWINDOWEXTEX ? m_s.windowExt : m_s.viewportExt) =
            QPointF(r.I32(8), r.I32(12));
        FixExtents();
        return true;
    case U_EMR_SETWINDOWORGEX:
        m_s.windowOrg = QPointF(r.I32(8), r.I32(12));
        return true;
    case U_EMR_SETVIEWPORTORGEX:
        m_s.viewportOrg = QPointF(r.I32(8), r.I32(12));
        return true;
    case U_EMR_SCALEVIEWPORTEXTEX:
    case U_EMR_SCALEWINDOWEXTEX: {
        if (r.I32(12) == 0 || r.I32(20) == 0)
            return true;
        QPointF& ext = type == U_EMR_SCALEVIEWPORTEXTEX ? m_s.viewportExt : m_s.windowExt;
        ext = {ext.x() * r.I32(8) / r.I32(12), ext.y() * r.I32(16) / r.I32(20)};
        FixExtents();
        return true;
    }
    case U_EMR_SETMAPMODE:
        SetMapMode(r.U32(8));
        return true;
    case U_EMR_SETWORLDTRANSFORM:
    case U_EMR_MODIFYWORLDTRANSFORM: {
        const float m11 = r.F32(8), m12 = r.F32(12), m21 = r.F32(16), m22 = r.F32(20),
                    dx = r.F32(24), dy = r.F32(28);
        if (!AllFinite({m11, m12, m21, m22, dx, dy}))
            return false;
        const QTransform x(m11, m12, m21, m22, dx, dy);
        const uint32_t mode = type == U_EMR_SETWORLDTRANSFORM ? kMwtSet : r.U32(32);
        if (mode == U_MWT_IDENTITY)
            m_s.world = QTransform();
        else if (mode == U_MWT_LEFTMULTIPLY)
            m_s.world = x * m_s.world;
        else if (mode == U_MWT_RIGHTMULTIPLY)
            m_s.world = m_s.world * x;
        else if (mode == kMwtSet)
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
    case U_EMR_SETBKMODE:
        m_s.bkOpaque = r.U32(8) == U_OPAQUE;
        return true;
    case U_EMR_SETPOLYFILLMODE:
        m_s.fillRule = r.U32(8) == U_WINDING ? Qt::WindingFill : Qt::OddEvenFill;
        return true;
    case U_EMR_SETROP2:
        m_s.rop2 = r.U32(8);
        return true;
    case U_EMR_SETTEXTALIGN:
        m_s.textAlign = r.U32(8);
        return true;
    case U_EMR_SETTEXTCOLOR:
        m_s.textColour = EmfColour(r.U32(8));
        return true;
    case U_EMR_SETBKCOLOR:
        m_s.bkColour = EmfColour(r.U32(8));
        return true;
    case U_EMR_SETARCDIRECTION:
        m_s.clockwise = r.U32(8) == U_AD_CLOCKWISE;
        return true;
    case U_EMR_SETMITERLIMIT:
        m_s.miterLimit = std::clamp<double>(r.U32(8), 1, 100);
        return true;
    case U_EMR_SAVEDC:
        if (m_saved.size() < 4096)
            m_saved.push_back(m_s);
        return true;
    case U_EMR_RESTOREDC: {
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
    case U_EMR_BEGINPATH:
        m_inPath = true;
        m_path = QPainterPath();
        return true;
    case U_EMR_ENDPATH:
        m_inPath = false;
        return true;
    case U_EMR_ABORTPATH:
        m_inPath = false;
        m_path = QPainterPath();
        return true;
    case U_EMR_CLOSEFIGURE:
        m_path.closeSubpath();
        return true;
    case U_EMR_WIDENPATH: {
        QPainterPathStroker stroker;
        stroker.setWidth(m_s.pen.cosmetic ? 1.0 : m_s.pen.width * DeviceScale());
        stroker.setCapStyle(m_s.pen.cap);
        stroker.setJoinStyle(m_s.pen.join);
        m_path = stroker.createStroke(m_path);
        return true;
    }
    case U_EMR_FILLPATH:
    case U_EMR_STROKEANDFILLPATH:
    case U_EMR_STROKEPATH: {
        m_inPath = false;
        if (type != U_EMR_STROKEPATH) {
            m_path.setFillRule(m_s.fillRule);
            FillDevicePath(m_path, m_s.brush);
        }
        if (type != U_EMR_FILLPATH)
            StrokeDevicePath(m_path);
        m_path = QPainterPath();
        return true;
    }
    case U_EMR_SELECTCLIPPATH:
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
    case U_EMR_INTERSECTCLIPRECT:
        CombineClip(DeviceRect(r.I32(8), r.I32(12), r.I32(16), r.I32(20)), U_RGN_AND);
        return true;
    case U_EMR_EXCLUDECLIPRECT:
        CombineClip(DeviceRect(r.I32(8), r.I32(12), r.I32(16), r.I32(20)), U_RGN_DIFF);
        return true;
    case U_EMR_OFFSETCLIPRGN:
        if (m_s.clip) {
            const QTransform t = Full();
            const QPointF d = t.map(QPointF(r.I32(8), r.I32(12))) - t.map(QPointF(0, 0));
            m_s.clip->translate(d);
            m_clipDirty = true;
        }
        return true;
    case U_EMR_EXTSELECTCLIPRGN: {
        const uint32_t size = r.U32(8), mode = r.U32(12);
        if (size == 0) { // no region: only a copy, which removes the clip
            if (mode == U_RGN_COPY) {
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
    case U_EMR_FILLRGN:
    case U_EMR_PAINTRGN:
    case U_EMR_INVERTRGN:
    case U_EMR_FRAMERGN: {
        QPainterPath region;
        const uint64_t at = type == U_EMR_FILLRGN ? 32 : type == U_EMR_FRAMERGN ? 40 : 28;
        if (!RegionPath(r, at, r.U32(24), Full(), &region))
            return false;
        EmfBrush brush = m_s.brush;
        if (type == U_EMR_FILLRGN || type == U_EMR_FRAMERGN) {
            const EmfObject* o = Object(r.U32(28));
            if (!(r.U32(28) & U_STOCK_OBJECT) && (!o || o->kind != EmfObject::Kind::Brush))
                return false;
            if (o)
                brush = o->brush;
        }
        if (type == U_EMR_INVERTRGN) {
            const uint32_t rop = m_s.rop2;
            m_s.rop2 = U_R2_NOT;
            FillDevicePath(region, EmfBrush{});
            m_s.rop2 = rop;
        } else if (type == U_EMR_FRAMERGN) {
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
    Text(r, type == U_EMR_EXTTEXTOUTW);
    return true;
}

bool EmfPlayer::BitmapRecord(uint32_t type, const RecordView& r) {
    Blit(r, type);
    return true;
}
