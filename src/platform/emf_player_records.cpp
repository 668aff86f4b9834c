// The record dispatch of the enhanced metafile player: one case per record
// kind it draws or applies; false for the kinds it skips.
#include "emf_player_internal.h"

#include <uemf.h>

#include <QPainterPathStroker>

#include <cmath>

namespace {

QColor Colour(uint32_t ref) {
    return QColor(int(ref & 0xFF), int((ref >> 8) & 0xFF), int((ref >> 16) & 0xFF));
}

// Replaces the world transform (libUEMF names only the first three modes).
constexpr uint32_t kMwtSet = 4;

bool Finite(std::initializer_list<float> values) {
    for (float v : values)
        if (!std::isfinite(v))
            return false;
    return true;
}

} // namespace

bool EmfPlayer::Record(uint32_t type, const RecordView& r) {
    switch (type) {
    case U_EMR_HEADER:
    case U_EMR_COMMENT:
        return true;
    case U_EMR_POLYBEZIER:
    case U_EMR_POLYGON:
    case U_EMR_POLYLINE:
    case U_EMR_POLYBEZIERTO:
    case U_EMR_POLYLINETO:
    case U_EMR_POLYBEZIER16:
    case U_EMR_POLYGON16:
    case U_EMR_POLYLINE16:
    case U_EMR_POLYBEZIERTO16:
    case U_EMR_POLYLINETO16:
        Poly(r, type);
        return true;
    case U_EMR_POLYPOLYLINE:
    case U_EMR_POLYPOLYGON:
    case U_EMR_POLYPOLYLINE16:
    case U_EMR_POLYPOLYGON16:
        PolyPoly(r, type == U_EMR_POLYPOLYGON || type == U_EMR_POLYPOLYGON16,
                 type >= U_EMR_POLYPOLYLINE16);
        return true;
    case U_EMR_POLYDRAW:
    case U_EMR_POLYDRAW16:
        PolyDraw(r, type == U_EMR_POLYDRAW16);
        return true;
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
        m_s.textColour = Colour(r.U32(8));
        return true;
    case U_EMR_SETBKCOLOR:
        m_s.bkColour = Colour(r.U32(8));
        return true;
    case U_EMR_SETARCDIRECTION:
        m_s.clockwise = r.U32(8) == U_AD_CLOCKWISE;
        return true;
    case U_EMR_SETMITERLIMIT:
        m_s.miterLimit = std::clamp<double>(r.U32(8), 1, 100);
        return true;
    case U_EMR_SETSTRETCHBLTMODE:
    case U_EMR_SETMAPPERFLAGS:
    case U_EMR_SETBRUSHORGEX:
    case U_EMR_SETICMMODE:
    case U_EMR_SETLAYOUT:
    case U_EMR_REALIZEPALETTE:
        return true; // nothing to change on our devices
    case U_EMR_MOVETOEX:
        m_s.current = QPointF(r.I32(8), r.I32(12));
        if (m_inPath)
            m_path.moveTo(Full().map(m_s.current));
        return true;
    case U_EMR_LINETO:
        LineToDevice(QPointF(r.I32(8), r.I32(12)));
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
    case U_EMR_SETWORLDTRANSFORM:
    case U_EMR_MODIFYWORLDTRANSFORM: {
        const float m11 = r.F32(8), m12 = r.F32(12), m21 = r.F32(16), m22 = r.F32(20),
                    dx = r.F32(24), dy = r.F32(28);
        if (!Finite({m11, m12, m21, m22, dx, dy}))
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
    case U_EMR_SELECTOBJECT:
        SelectObject(r.U32(8));
        return true;
    case U_EMR_SELECTPALETTE:
        SelectObject(r.U32(8));
        return true;
    case U_EMR_DELETEOBJECT:
        if (ValidIndex(r.U32(8)))
            m_objects[r.U32(8)] = EmfObject();
        return true;
    case U_EMR_CREATEPEN:
        CreatePen(r, false);
        return true;
    case U_EMR_EXTCREATEPEN:
        CreatePen(r, true);
        return true;
    case U_EMR_CREATEBRUSHINDIRECT:
        CreateBrush(r);
        return true;
    case U_EMR_CREATEDIBPATTERNBRUSHPT:
    case U_EMR_CREATEMONOBRUSH:
        CreatePatternBrush(r);
        return true;
    case U_EMR_EXTCREATEFONTINDIRECTW:
        CreateFont(r);
        return true;
    case U_EMR_CREATEPALETTE:
        CreatePalette(r);
        return true;
    case U_EMR_RECTANGLE:
    case U_EMR_ELLIPSE: {
        QPainterPath p;
        const QRectF box =
            QRectF(QPointF(r.I32(8), r.I32(12)), QPointF(r.I32(16), r.I32(20))).normalized();
        if (type == U_EMR_RECTANGLE)
            p.addRect(box);
        else
            p.addEllipse(box);
        Figure(p, true, true);
        return true;
    }
    case U_EMR_ROUNDRECT: {
        QPainterPath p;
        p.addRoundedRect(
            QRectF(QPointF(r.I32(8), r.I32(12)), QPointF(r.I32(16), r.I32(20))).normalized(),
            std::abs(r.I32(24)) / 2.0, std::abs(r.I32(28)) / 2.0);
        Figure(p, true, true);
        return true;
    }
    case U_EMR_ARC:
    case U_EMR_ARCTO:
    case U_EMR_CHORD:
    case U_EMR_PIE:
        ArcFigure(r, type);
        return true;
    case U_EMR_ANGLEARC: {
        const QPointF c(r.I32(8), r.I32(12));
        const double radius = r.U32(16);
        const float start = r.F32(20), sweep = r.F32(24);
        if (!Finite({start, sweep}))
            return false;
        const QRectF box(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius);
        QPainterPath p(m_s.current);
        QPainterPath arc;
        arc.arcMoveTo(box, start);
        p.lineTo(arc.currentPosition());
        p.arcTo(box, start, sweep);
        m_s.current = p.currentPosition();
        Figure(p, false, true);
        return true;
    }
    case U_EMR_SETPIXELV: {
        const QPointF d = Full().map(QPointF(r.I32(8), r.I32(12)));
        ApplyClip();
        m_painter.fillRect(QRectF(std::floor(d.x()), std::floor(d.y()), 1, 1), Colour(r.U32(16)));
        return true;
    }
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
    case U_EMR_FLATTENPATH:
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
    case U_EMR_EXTTEXTOUTA:
    case U_EMR_EXTTEXTOUTW:
        Text(r, type == U_EMR_EXTTEXTOUTW);
        return true;
    case U_EMR_BITBLT:
    case U_EMR_STRETCHBLT:
    case U_EMR_STRETCHDIBITS:
    case U_EMR_SETDIBITSTODEVICE:
    case U_EMR_ALPHABLEND:
    case U_EMR_TRANSPARENTBLT:
        Blit(r, type);
        return true;
    default:
        // Flood fills, gradient fills, mask and parallelogram blits, colour
        // spaces, escapes and OpenGL records are not drawn.
        return false;
    }
}
