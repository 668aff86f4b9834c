// Figures of the enhanced metafile player: lines, polygons, curves, arcs,
// and how a figure is filled and outlined on the device.
#include "emf_player_internal.h"
#include "emf_records.h"

#include <cmath>

void EmfPlayer::ApplyClip() {
    if (!m_clipDirty)
        return;
    m_clipDirty = false;
    m_painter.setClipPath(m_s.clip ? m_s.clip->intersected(m_targetClip) : m_targetClip);
}

void EmfPlayer::ApplyComposition(bool forFill) {
    (void)forFill;
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    switch (m_s.rop2) {
    case Emf::kR2Not:
        mode = QPainter::RasterOp_NotDestination;
        break;
    case Emf::kR2XorPen:
        mode = QPainter::RasterOp_SourceXorDestination;
        break;
    case Emf::kR2MaskPen:
        mode = QPainter::RasterOp_SourceAndDestination;
        break;
    case Emf::kR2MergePen:
        mode = QPainter::RasterOp_SourceOrDestination;
        break;
    case Emf::kR2NotCopyPen:
        mode = QPainter::RasterOp_NotSource;
        break;
    default:
        break;
    }
    m_painter.setCompositionMode(mode);
    // Raster operations on anti-aliased edges would leave fringes.
    m_painter.setRenderHint(QPainter::Antialiasing, mode == QPainter::CompositionMode_SourceOver);
}

void EmfPlayer::FillDevicePath(const QPainterPath& device, const EmfBrush& brush) {
    if (brush.null || m_s.rop2 == Emf::kR2Nop)
        return;
    ApplyClip();
    ApplyComposition(true);
    QColor colour = brush.colour;
    if (m_s.rop2 == Emf::kR2Black)
        colour = Qt::black;
    else if (m_s.rop2 == Emf::kR2White)
        colour = Qt::white;
    if (brush.style != Qt::SolidPattern && brush.pattern.isNull() && m_s.bkOpaque)
        m_painter.fillPath(device, m_s.bkColour); // behind the hatch lines
    if (!brush.pattern.isNull())
        m_painter.fillPath(device, QBrush(brush.pattern));
    else
        m_painter.fillPath(device, QBrush(colour, brush.style));
}

void EmfPlayer::StrokeDevicePath(const QPainterPath& device) {
    const EmfPen& p = m_s.pen;
    if (p.null || m_s.rop2 == Emf::kR2Nop)
        return;
    ApplyClip();
    ApplyComposition(false);
    QColor colour = p.colour;
    if (m_s.rop2 == Emf::kR2Black)
        colour = Qt::black;
    else if (m_s.rop2 == Emf::kR2White)
        colour = Qt::white;
    const double width = p.cosmetic ? 1.0 : std::max(1.0, p.width * DeviceScale());
    QPen pen(QBrush(colour), width, p.style, p.cap, p.join);
    pen.setMiterLimit(m_s.miterLimit);
    pen.setCosmetic(p.cosmetic);
    if (p.cosmetic)
        pen.setWidthF(1.0);
    m_painter.strokePath(device, pen);
}

void EmfPlayer::Figure(const QPainterPath& logical, bool fill, bool stroke) {
    const QPainterPath device = Full().map(logical);
    if (m_inPath) {
        m_path.addPath(device);
        return;
    }
    if (fill) {
        QPainterPath filled = device;
        filled.setFillRule(m_s.fillRule);
        FillDevicePath(filled, m_s.brush);
    }
    if (stroke)
        StrokeDevicePath(device);
}

bool EmfPlayer::ReadPoints(const RecordView& r, uint64_t offset, uint64_t count, bool small,
                           std::vector<QPointF>* out) const {
    const uint64_t size = small ? 4 : 8;
    if (!r.Has(offset, count, size))
        return false;
    out->resize(count);
    for (uint64_t i = 0; i < count; ++i) {
        const uint64_t at = offset + i * size;
        (*out)[i] = small ? QPointF(r.I16(at), r.I16(at + 2)) : QPointF(r.I32(at), r.I32(at + 4));
    }
    return true;
}

void EmfPlayer::LineToDevice(QPointF logical) {
    const QPointF d = Full().map(logical);
    if (m_inPath) {
        if (m_path.elementCount() == 0)
            m_path.moveTo(Full().map(m_s.current));
        m_path.lineTo(d);
    } else {
        QPainterPath line(Full().map(m_s.current));
        line.lineTo(d);
        StrokeDevicePath(line);
    }
    m_s.current = logical;
}

void EmfPlayer::Poly(const RecordView& r, uint32_t type) {
    const bool small = type >= Emr::kPolyBezier16;
    std::vector<QPointF> pts;
    if (!ReadPoints(r, 28, r.U32(24), small, &pts) || pts.empty())
        return;
    const uint32_t base = small ? type - Emr::kPolyBezier16 + Emr::kPolyBezier : type;
    const bool to = base == Emr::kPolyBezierTo || base == Emr::kPolylineTo;
    const bool bezier = base == Emr::kPolyBezier || base == Emr::kPolyBezierTo;
    QPainterPath path;
    size_t i = 0;
    if (to) {
        path.moveTo(m_s.current);
    } else {
        path.moveTo(pts[0]);
        i = 1;
    }
    if (bezier) {
        for (; i + 2 < pts.size(); i += 3)
            path.cubicTo(pts[i], pts[i + 1], pts[i + 2]);
    } else {
        for (; i < pts.size(); ++i)
            path.lineTo(pts[i]);
    }
    if (to) {
        m_s.current = path.currentPosition();
        if (m_inPath) {
            // Continues the figure being built, element by element: joining
            // whole paths would drop a figure's opening move (after MOVETOEX)
            // and tie the figure to the one before it.
            const QPainterPath device = Full().map(path);
            if (m_path.elementCount() == 0)
                m_path.moveTo(device.elementAt(0));
            else if (m_path.currentPosition() != QPointF(device.elementAt(0)))
                m_path.lineTo(device.elementAt(0));
            for (int e = 1; e < device.elementCount(); ++e) {
                const QPainterPath::Element element = device.elementAt(e);
                if (element.isCurveTo() && e + 2 < device.elementCount()) {
                    m_path.cubicTo(element, device.elementAt(e + 1), device.elementAt(e + 2));
                    e += 2;
                } else {
                    m_path.lineTo(element);
                }
            }
            return;
        }
    }
    if (base == Emr::kPolygon)
        path.closeSubpath();
    Figure(path, base == Emr::kPolygon, true);
}

void EmfPlayer::PolyPoly(const RecordView& r, bool polygon, bool small) {
    const uint32_t polys = r.U32(24), total = r.U32(28);
    if (!r.Has(32, polys, 4))
        return;
    uint64_t sum = 0;
    for (uint32_t i = 0; i < polys; ++i)
        sum += r.U32(32 + 4 * uint64_t(i));
    std::vector<QPointF> pts;
    // Counts that do not add up to the points the record holds: skipped.
    if (sum != total || !ReadPoints(r, 32 + 4 * uint64_t(polys), total, small, &pts))
        return;
    QPainterPath path;
    size_t at = 0;
    for (uint32_t i = 0; i < polys; ++i) {
        const uint32_t n = r.U32(32 + 4 * uint64_t(i));
        if (n == 0)
            continue;
        path.moveTo(pts[at]);
        for (uint32_t k = 1; k < n; ++k)
            path.lineTo(pts[at + k]);
        if (polygon)
            path.closeSubpath();
        at += n;
    }
    Figure(path, polygon, true);
}

void EmfPlayer::PolyDraw(const RecordView& r, bool small) {
    const uint32_t count = r.U32(24);
    std::vector<QPointF> pts;
    const uint64_t typesAt = 28 + uint64_t(count) * (small ? 4 : 8);
    if (!ReadPoints(r, 28, count, small, &pts) || !r.Has(typesAt, count))
        return;
    QPainterPath path(m_s.current);
    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t t = r.U8(typesAt + i);
        if ((t & 0x06) == Emf::kPtMoveTo) {
            path.moveTo(pts[i]);
        } else if ((t & 0x06) == Emf::kPtLineTo) {
            path.lineTo(pts[i]);
        } else if ((t & 0x06) == Emf::kPtBezierTo && i + 2 < count) {
            path.cubicTo(pts[i], pts[i + 1], pts[i + 2]);
            i += 2;
        }
        if (t & Emf::kPtCloseFigure)
            path.closeSubpath();
    }
    m_s.current = path.currentPosition();
    Figure(path, false, true);
}

QPainterPath EmfPlayer::ArcPath(const QRectF& box, QPointF start, QPointF end, bool moveToStart,
                                QPointF* endPoint) const {
    const QPointF c = box.center();
    const double rx = box.width() / 2, ry = box.height() / 2;
    // Angles of the rays through the two points, on the ellipse's own
    // parameter (y measured downward, as the figure is built).
    const auto angle = [&](QPointF p) {
        return std::atan2(-(p.y() - c.y()) / (ry != 0 ? ry : 1),
                          (p.x() - c.x()) / (rx != 0 ? rx : 1)) *
               180 / M_PI;
    };
    const double a0 = angle(start), a1 = angle(end);
    // Counter-clockwise as seen on the device: a mirrored mapping turns the
    // direction around.
    bool clockwise = m_s.clockwise;
    const QTransform t = Full();
    if (t.m11() * t.m22() - t.m12() * t.m21() < 0)
        clockwise = !clockwise;
    double sweep = a1 - a0;
    if (!clockwise) {
        while (sweep <= 0)
            sweep += 360;
    } else {
        while (sweep >= 0)
            sweep -= 360;
    }
    QPainterPath path;
    QRectF b = box.normalized();
    path.arcMoveTo(b, a0);
    if (!moveToStart) {
        const QPointF s = path.currentPosition();
        path = QPainterPath(s);
    }
    path.arcTo(b, a0, sweep);
    if (endPoint)
        *endPoint = path.currentPosition();
    return path;
}

void EmfPlayer::ArcFigure(const RecordView& r, uint32_t type) {
    const QRectF box(QPointF(r.I32(8), r.I32(12)), QPointF(r.I32(16), r.I32(20)));
    const QPointF start(r.I32(24), r.I32(28)), end(r.I32(32), r.I32(36));
    QPointF last;
    QPainterPath path = ArcPath(box.normalized(), start, end, true, &last);
    // A box without width or height holds no arc: there is nothing to draw
    // and no start point to draw a line or a pie's sides to.
    if (path.elementCount() == 0)
        return;
    switch (type) {
    case Emr::kArc:
        Figure(path, false, true);
        break;
    case Emr::kArcTo: {
        QPainterPath to(m_s.current);
        to.lineTo(path.elementAt(0));
        to.connectPath(path);
        m_s.current = last;
        Figure(to, false, true);
        break;
    }
    case Emr::kChord:
        path.closeSubpath();
        Figure(path, true, true);
        break;
    default: { // pie
        QPainterPath pie(box.normalized().center());
        pie.lineTo(path.elementAt(0));
        pie.connectPath(path);
        pie.closeSubpath();
        Figure(pie, true, true);
        break;
    }
    }
}

// Lines, polygons, curves, boxes, arcs and pixels.
bool EmfPlayer::FigureRecord(uint32_t type, const RecordView& r) {
    switch (type) {
    case Emr::kPolyBezier:
    case Emr::kPolygon:
    case Emr::kPolyline:
    case Emr::kPolyBezierTo:
    case Emr::kPolylineTo:
    case Emr::kPolyBezier16:
    case Emr::kPolygon16:
    case Emr::kPolyline16:
    case Emr::kPolyBezierTo16:
    case Emr::kPolylineTo16:
        Poly(r, type);
        return true;
    case Emr::kPolyPolyline:
    case Emr::kPolyPolygon:
    case Emr::kPolyPolyline16:
    case Emr::kPolyPolygon16:
        PolyPoly(r, type == Emr::kPolyPolygon || type == Emr::kPolyPolygon16,
                 type >= Emr::kPolyPolyline16);
        return true;
    case Emr::kPolyDraw:
    case Emr::kPolyDraw16:
        PolyDraw(r, type == Emr::kPolyDraw16);
        return true;
    case Emr::kMoveToEx:
        m_s.current = QPointF(r.I32(8), r.I32(12));
        if (m_inPath)
            m_path.moveTo(Full().map(m_s.current));
        return true;
    case Emr::kLineTo:
        LineToDevice(QPointF(r.I32(8), r.I32(12)));
        return true;
    case Emr::kRectangle:
    case Emr::kEllipse: {
        QPainterPath p;
        const QRectF box =
            QRectF(QPointF(r.I32(8), r.I32(12)), QPointF(r.I32(16), r.I32(20))).normalized();
        if (type == Emr::kRectangle)
            p.addRect(box);
        else
            p.addEllipse(box);
        Figure(p, true, true);
        return true;
    }
    case Emr::kRoundRect: {
        QPainterPath p;
        p.addRoundedRect(
            QRectF(QPointF(r.I32(8), r.I32(12)), QPointF(r.I32(16), r.I32(20))).normalized(),
            std::abs(r.I32(24)) / 2.0, std::abs(r.I32(28)) / 2.0);
        Figure(p, true, true);
        return true;
    }
    case Emr::kArc:
    case Emr::kArcTo:
    case Emr::kChord:
    case Emr::kPie:
        ArcFigure(r, type);
        return true;
    case Emr::kAngleArc: {
        const QPointF c(r.I32(8), r.I32(12));
        const double radius = r.U32(16);
        const float start = r.F32(20), sweep = r.F32(24);
        if (!AllFinite({start, sweep}))
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
    case Emr::kSetPixelV: {
        const QPointF d = Full().map(QPointF(r.I32(8), r.I32(12)));
        ApplyClip();
        m_painter.fillRect(QRectF(std::floor(d.x()), std::floor(d.y()), 1, 1),
                           EmfColour(r.U32(16)));
        return true;
    }
    default:
        return false;
    }
}
