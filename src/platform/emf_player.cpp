#include "emf_player.h"

#include "device_context.h"
#include "emf_player_internal.h"

#include <uemf.h>
#include <uemf_safe.h>

#include <cmath>

namespace {

// More objects than this in one picture are refused (the table is sized
// from the header).
constexpr uint32_t kMaxObjects = 65535;

QColor Colour(uint32_t ref) {
    return QColor(int(ref & 0xFF), int((ref >> 8) & 0xFF), int((ref >> 16) & 0xFF));
}

Qt::BrushStyle Hatch(uint32_t hatch) {
    switch (hatch) {
    case U_HS_HORIZONTAL:
        return Qt::HorPattern;
    case U_HS_VERTICAL:
        return Qt::VerPattern;
    case U_HS_FDIAGONAL:
        return Qt::FDiagPattern;
    case U_HS_BDIAGONAL:
        return Qt::BDiagPattern;
    case U_HS_CROSS:
        return Qt::CrossPattern;
    default:
        return Qt::DiagCrossPattern;
    }
}

} // namespace

EmfPlayer::EmfPlayer(QPainter& painter, QByteArrayView emf, const QRectF& target)
    : m_painter(painter),
      m_data(reinterpret_cast<const uint8_t*>(emf.data()), uint32_t(emf.size())), m_target(target) {
}

EmfPlayReport EmfPlayer::Play() {
    EmfPlayReport report;
    if (!LooksLikeEnhancedMetafile(QByteArrayView(reinterpret_cast<const char*>(m_data.Data()),
                                                  qsizetype(m_data.Size()))) ||
        m_data.U32(4) < 88 || m_data.U32(4) > m_data.Size() || m_target.isEmpty())
        return report;
    const EmfHeader h = ParseEmfHeader(
        QByteArrayView(reinterpret_cast<const char*>(m_data.Data()), qsizetype(m_data.Size())));
    if (h.deviceWidth > 0 && h.deviceHeight > 0 && h.millimetresWidth > 0 &&
        h.millimetresHeight > 0) {
        m_refPerMmX = double(h.deviceWidth) / h.millimetresWidth;
        m_refPerMmY = double(h.deviceHeight) / h.millimetresHeight;
        m_refMillimetres = QSizeF(h.millimetresWidth, h.millimetresHeight);
    }
    // The frame (inclusive, 0.01 mm) in reference pixels; the bounds when
    // the frame is empty.
    QRectF frame(h.frame.left * m_refPerMmX / 100, h.frame.top * m_refPerMmY / 100,
                 (double(h.frame.Width()) + 1) * m_refPerMmX / 100,
                 (double(h.frame.Height()) + 1) * m_refPerMmY / 100);
    if (h.frame.Width() <= 0 || h.frame.Height() <= 0)
        frame = QRectF(h.bounds.left, h.bounds.top, double(h.bounds.Width()) + 1,
                       double(h.bounds.Height()) + 1);
    if (frame.width() <= 0 || frame.height() <= 0 || !std::isfinite(frame.width()) ||
        !std::isfinite(frame.height()))
        return report;
    m_playback = QTransform::fromTranslate(-frame.left(), -frame.top()) *
                 QTransform::fromScale(m_target.width() / frame.width(),
                                       m_target.height() / frame.height()) *
                 QTransform::fromTranslate(m_target.left(), m_target.top());
    m_objects.resize(std::min<uint32_t>(std::max<uint32_t>(h.handles, 1), kMaxObjects));

    m_painter.save();
    m_painter.resetTransform();
    m_targetClip.addRect(m_target);
    if (m_painter.hasClipping())
        m_targetClip = m_targetClip.intersected(m_painter.clipPath());
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);

    uint64_t pos = 0;
    while (pos + 8 <= m_data.Size()) {
        const uint32_t type = m_data.U32(pos), size = m_data.U32(pos + 4);
        if (size < 8 || size % 4 != 0 || size > m_data.Size() - pos)
            break; // the rest of the data cannot be walked
        const RecordView rec = m_data.Sub(pos, size);
        pos += size;
        if (type == U_EMR_EOF)
            break;
        // libUEMF's check of the record's own counts and offsets first.
        const bool safe = type < U_EMR_MIN || type > U_EMR_MAX ||
                          U_emf_record_safe(reinterpret_cast<const char*>(rec.Data())) != 0;
        if (safe && Record(type, rec))
            ++report.played;
        else
            ++report.skipped;
    }
    m_painter.restore();
    report.ok = true;
    return report;
}

// --- Mapping ---

QTransform EmfPlayer::Page() const {
    const QPointF& we = m_s.windowExt;
    const QPointF& ve = m_s.viewportExt;
    const double sx = we.x() != 0 ? ve.x() / we.x() : 1, sy = we.y() != 0 ? ve.y() / we.y() : 1;
    return QTransform::fromTranslate(-m_s.windowOrg.x(), -m_s.windowOrg.y()) *
           QTransform::fromScale(sx, sy) *
           QTransform::fromTranslate(m_s.viewportOrg.x(), m_s.viewportOrg.y());
}

void EmfPlayer::SetMapMode(uint32_t mode) {
    if (mode < U_MM_TEXT || mode > U_MM_ANISOTROPIC)
        return;
    m_s.mapMode = mode;
    // Units per millimetre of the fixed modes; y grows upward in them.
    double perMm = 0;
    switch (mode) {
    case U_MM_LOMETRIC:
        perMm = 10;
        break;
    case U_MM_HIMETRIC:
        perMm = 100;
        break;
    case U_MM_LOENGLISH:
        perMm = 100 / 25.4;
        break;
    case U_MM_HIENGLISH:
        perMm = 1000 / 25.4;
        break;
    case U_MM_TWIPS:
        perMm = 1440 / 25.4;
        break;
    case U_MM_TEXT:
        m_s.windowExt = m_s.viewportExt = {1, 1};
        return;
    default:
        return; // isotropic and anisotropic keep the extents they have
    }
    m_s.windowExt = {m_refMillimetres.width() * perMm, m_refMillimetres.height() * perMm};
    m_s.viewportExt = {m_refMillimetres.width() * m_refPerMmX,
                       -m_refMillimetres.height() * m_refPerMmY};
}

void EmfPlayer::FixExtents() {
    if (m_s.mapMode != U_MM_ISOTROPIC || m_s.windowExt.x() == 0 || m_s.windowExt.y() == 0)
        return;
    // Equal scales on both axes: the smaller one wins, signs are kept.
    const double sx = std::abs(m_s.viewportExt.x() / m_s.windowExt.x());
    const double sy = std::abs(m_s.viewportExt.y() / m_s.windowExt.y());
    const double s = std::min(sx, sy);
    m_s.viewportExt = {std::copysign(std::abs(m_s.windowExt.x()) * s, m_s.viewportExt.x()),
                       std::copysign(std::abs(m_s.windowExt.y()) * s, m_s.viewportExt.y())};
}

double EmfPlayer::DeviceScale() const {
    const QTransform t = Full();
    return std::sqrt(std::abs(t.m11() * t.m22() - t.m12() * t.m21()));
}

// --- Figures ---

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
    case U_R2_NOT:
        mode = QPainter::RasterOp_NotDestination;
        break;
    case U_R2_XORPEN:
        mode = QPainter::RasterOp_SourceXorDestination;
        break;
    case U_R2_MASKPEN:
        mode = QPainter::RasterOp_SourceAndDestination;
        break;
    case U_R2_MERGEPEN:
        mode = QPainter::RasterOp_SourceOrDestination;
        break;
    case U_R2_NOTCOPYPEN:
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
    if (brush.null || m_s.rop2 == U_R2_NOP)
        return;
    ApplyClip();
    ApplyComposition(true);
    QColor colour = brush.colour;
    if (m_s.rop2 == U_R2_BLACK)
        colour = Qt::black;
    else if (m_s.rop2 == U_R2_WHITE)
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
    if (p.null || m_s.rop2 == U_R2_NOP)
        return;
    ApplyClip();
    ApplyComposition(false);
    QColor colour = p.colour;
    if (m_s.rop2 == U_R2_BLACK)
        colour = Qt::black;
    else if (m_s.rop2 == U_R2_WHITE)
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
    const bool small = type >= U_EMR_POLYBEZIER16;
    std::vector<QPointF> pts;
    if (!ReadPoints(r, 28, r.U32(24), small, &pts) || pts.empty())
        return;
    const uint32_t base = small ? type - U_EMR_POLYBEZIER16 + U_EMR_POLYBEZIER : type;
    const bool to = base == U_EMR_POLYBEZIERTO || base == U_EMR_POLYLINETO;
    const bool bezier = base == U_EMR_POLYBEZIER || base == U_EMR_POLYBEZIERTO;
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
    if (base == U_EMR_POLYGON)
        path.closeSubpath();
    Figure(path, base == U_EMR_POLYGON, true);
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
        if ((t & 0x06) == U_PT_MOVETO) {
            path.moveTo(pts[i]);
        } else if ((t & 0x06) == U_PT_LINETO) {
            path.lineTo(pts[i]);
        } else if ((t & 0x06) == U_PT_BEZIERTO && i + 2 < count) {
            path.cubicTo(pts[i], pts[i + 1], pts[i + 2]);
            i += 2;
        }
        if (t & U_PT_CLOSEFIGURE)
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
    switch (type) {
    case U_EMR_ARC:
        Figure(path, false, true);
        break;
    case U_EMR_ARCTO: {
        QPainterPath to(m_s.current);
        to.lineTo(path.elementAt(0));
        to.connectPath(path);
        m_s.current = last;
        Figure(to, false, true);
        break;
    }
    case U_EMR_CHORD:
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

// --- Clipping ---

QPainterPath EmfPlayer::DeviceRect(int32_t l, int32_t t, int32_t r, int32_t b) const {
    QPainterPath p;
    p.addRect(QRectF(QPointF(l, t), QPointF(r, b)).normalized());
    return Full().map(p);
}

void EmfPlayer::CombineClip(const QPainterPath& device, uint32_t mode) {
    const QPainterPath current = m_s.clip ? *m_s.clip : m_targetClip;
    switch (mode) {
    case U_RGN_AND:
        m_s.clip = current.intersected(device);
        break;
    case U_RGN_OR:
        m_s.clip = current.united(device);
        break;
    case U_RGN_XOR:
        m_s.clip = current.united(device).subtracted(current.intersected(device));
        break;
    case U_RGN_DIFF:
        m_s.clip = current.subtracted(device);
        break;
    default:
        m_s.clip = device;
        break;
    }
    m_clipDirty = true;
}

bool EmfPlayer::RegionPath(const RecordView& r, uint64_t offset, uint64_t size,
                           const QTransform& map, QPainterPath* out) const {
    // RGNDATAHEADER: dwSize, iType, nCount, nRgnSize, rcBound; then the rectangles.
    const RecordView data = r.Sub(offset, size);
    const uint32_t count = data.U32(8);
    if (data.Size() < 32 || !data.Has(32, count, 16))
        return false;
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (uint32_t i = 0; i < count; ++i) {
        const uint64_t at = 32 + 16 * uint64_t(i);
        path.addRect(QRectF(QPointF(data.I32(at), data.I32(at + 4)),
                            QPointF(data.I32(at + 8), data.I32(at + 12))));
    }
    *out = map.map(path);
    return true;
}

// --- Objects ---

EmfObject* EmfPlayer::Object(uint32_t index) {
    return ValidIndex(index) ? &m_objects[index] : nullptr;
}

EmfObject& EmfPlayer::NewObject(uint32_t index) {
    m_objects[index] = EmfObject();
    return m_objects[index];
}

void EmfPlayer::SelectObject(uint32_t index) {
    if (index & U_STOCK_OBJECT) {
        switch (index) {
        case U_WHITE_BRUSH:
        case U_LTGRAY_BRUSH:
        case U_GRAY_BRUSH:
        case U_DKGRAY_BRUSH:
        case U_BLACK_BRUSH: {
            static const int kGrey[] = {255, 192, 128, 64, 0};
            const int g = kGrey[index - U_WHITE_BRUSH];
            m_s.brush = EmfBrush{false, QColor(g, g, g), Qt::SolidPattern, {}};
            break;
        }
        case U_NULL_BRUSH:
            m_s.brush = EmfBrush{true, Qt::white, Qt::SolidPattern, {}};
            break;
        case U_WHITE_PEN:
        case U_BLACK_PEN:
            m_s.pen = EmfPen();
            m_s.pen.colour = index == U_WHITE_PEN ? Qt::white : Qt::black;
            break;
        case U_NULL_PEN:
            m_s.pen = EmfPen();
            m_s.pen.null = true;
            break;
        case U_DEFAULT_PALETTE:
            m_s.palette.clear();
            break;
        default:
            if (index >= U_OEM_FIXED_FONT && index <= U_DEFAULT_GUI_FONT &&
                index != U_DEFAULT_PALETTE)
                m_s.font = EmfFont();
            break;
        }
        return;
    }
    const EmfObject* o = Object(index);
    if (!o)
        return;
    switch (o->kind) {
    case EmfObject::Kind::Pen:
        m_s.pen = o->pen;
        break;
    case EmfObject::Kind::Brush:
        m_s.brush = o->brush;
        break;
    case EmfObject::Kind::Font:
        m_s.font = o->font;
        break;
    case EmfObject::Kind::Palette:
        m_s.palette = o->palette;
        break;
    default:
        break;
    }
}

void EmfPlayer::CreatePen(const RecordView& r, bool extended) {
    const uint32_t index = r.U32(8);
    if (!ValidIndex(index))
        return;
    EmfObject& o = NewObject(index);
    o.kind = EmfObject::Kind::Pen;
    EmfPen& p = o.pen;
    const uint32_t style = extended ? r.U32(28) : r.U32(12);
    const int32_t width = extended ? int32_t(r.U32(32)) : r.I32(16);
    p.colour = Colour(extended ? r.U32(40) : r.U32(24));
    const bool geometric = (style & U_PS_TYPE_MASK) == U_PS_GEOMETRIC;
    p.width = std::abs(width);
    // A pen is one pixel wide when it is cosmetic or thinner than a unit.
    p.cosmetic = extended ? !geometric : width <= 1;
    if (extended && r.U32(36) == U_BS_NULL)
        p.null = true;
    switch (style & U_PS_STYLE_MASK) {
    case U_PS_DASH:
        p.style = Qt::DashLine;
        break;
    case U_PS_DOT:
    case U_PS_ALTERNATE:
        p.style = Qt::DotLine;
        break;
    case U_PS_DASHDOT:
        p.style = Qt::DashDotLine;
        break;
    case U_PS_DASHDOTDOT:
        p.style = Qt::DashDotDotLine;
        break;
    case U_PS_NULL:
        p.null = true;
        break;
    default:
        p.style = Qt::SolidLine;
        break;
    }
    switch (style & U_PS_ENDCAP_MASK) {
    case U_PS_ENDCAP_SQUARE:
        p.cap = Qt::SquareCap;
        break;
    case U_PS_ENDCAP_FLAT:
        p.cap = Qt::FlatCap;
        break;
    default:
        p.cap = Qt::RoundCap;
        break;
    }
    switch (style & U_PS_JOIN_MASK) {
    case U_PS_JOIN_BEVEL:
        p.join = Qt::BevelJoin;
        break;
    case U_PS_JOIN_MITER:
        p.join = Qt::MiterJoin;
        break;
    default:
        p.join = Qt::RoundJoin;
        break;
    }
}

void EmfPlayer::CreateBrush(const RecordView& r) {
    const uint32_t index = r.U32(8);
    if (!ValidIndex(index))
        return;
    EmfObject& o = NewObject(index);
    o.kind = EmfObject::Kind::Brush;
    const uint32_t style = r.U32(12);
    o.brush.colour = Colour(r.U32(16));
    o.brush.null = style == U_BS_NULL;
    if (style == U_BS_HATCHED)
        o.brush.style = Hatch(r.U32(20));
}

void EmfPlayer::CreatePatternBrush(const RecordView& r) {
    const uint32_t index = r.U32(8);
    if (!ValidIndex(index))
        return;
    EmfObject& o = NewObject(index);
    o.kind = EmfObject::Kind::Brush;
    o.brush.pattern = Dib(r, r.U32(16), r.U32(20), r.U32(24), r.U32(28), r.U32(12));
    if (o.brush.pattern.isNull())
        o.brush.colour = QColor(128, 128, 128);
}

void EmfPlayer::CreateFont(const RecordView& r) {
    const uint32_t index = r.U32(8);
    if (!ValidIndex(index) || !r.Has(12, 92))
        return;
    EmfObject& o = NewObject(index);
    o.kind = EmfObject::Kind::Font;
    EmfFont& f = o.font;
    f.height = r.I32(12);
    f.width = r.I32(16);
    f.escapement = r.I32(20);
    f.weight = r.I32(28);
    f.italic = r.U8(32) != 0;
    f.underline = r.U8(33) != 0;
    f.strikeOut = r.U8(34) != 0;
    f.charSet = r.U8(35);
    QString face;
    for (uint64_t i = 0; i < 32; ++i) {
        const uint16_t c = r.U16(40 + 2 * i);
        if (c == 0)
            break;
        face.append(QChar(c));
    }
    if (!face.isEmpty())
        f.face = face;
}

void EmfPlayer::CreatePalette(const RecordView& r) {
    const uint32_t index = r.U32(8);
    const uint32_t count = r.U16(14);
    if (!ValidIndex(index) || !r.Has(16, count, 4))
        return;
    EmfObject& o = NewObject(index);
    o.kind = EmfObject::Kind::Palette;
    for (uint32_t i = 0; i < count; ++i) {
        const uint64_t at = 16 + 4 * uint64_t(i);
        o.palette.push_back(qRgb(r.U8(at), r.U8(at + 1), r.U8(at + 2)));
    }
}

EmfPlayReport PlayEnhMetaFile(QPainter& painter, QByteArrayView emf, const QRectF& target) {
    if (!painter.isActive())
        return {};
    return EmfPlayer(painter, emf, target).Play();
}

EmfPlayReport PlayEnhMetaFile(CDeviceContext& dc, QByteArrayView emf, const QRectF& target) {
    return PlayEnhMetaFile(dc.Painter(), emf, target);
}
