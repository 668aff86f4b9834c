#include "device_context.h"

#include <QFontMetrics>
#include <QPolygonF>

#include <cmath>
#include <cstdlib>

namespace {
// Device coordinates handed to the rasteriser stay within this range.
constexpr long long kDeviceLimit = 1 << 22;
constexpr int kMaxPenPixels = 1 << 16;

int ClampDevice(long long v) {
    return static_cast<int>(std::clamp(v, -kDeviceLimit, kDeviceLimit));
}

// 8 x 8 hatch patterns; bit 7 is the leftmost pixel of a row.
const unsigned char* HatchBits(HatchStyle style) {
    static const unsigned char kHorizontal[8] = {0, 0, 0, 0xFF, 0, 0, 0, 0};
    static const unsigned char kVertical[8] = {8, 8, 8, 8, 8, 8, 8, 8};
    static const unsigned char kForward[8] = {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01};
    static const unsigned char kBackward[8] = {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80};
    static const unsigned char kCross[8] = {8, 8, 8, 0xFF, 8, 8, 8, 8};
    static const unsigned char kDiagCross[8] = {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81};
    switch (style) {
    case HatchStyle::Horizontal:
        return kHorizontal;
    case HatchStyle::Vertical:
        return kVertical;
    case HatchStyle::ForwardDiagonal:
        return kForward;
    case HatchStyle::BackwardDiagonal:
        return kBackward;
    case HatchStyle::Cross:
        return kCross;
    case HatchStyle::DiagonalCross:
        break;
    }
    return kDiagCross;
}
} // namespace

QColor ToQColor(ColourRef colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

CDeviceContext::CDeviceContext(QImage& image, const RenderContext* context)
    : m_image(&image), m_deviceSize(image.size()) {
    if (!image.isNull())
        m_painter.begin(&image);
    SetContext(context);
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    LOGFONTA system;
    system.SetFaceName(QStringLiteral("Arial"));
    m_font = *MapLogFont(system, 16);
}

CDeviceContext::CDeviceContext(QPaintDevice& device, int pixelsPerInch,
                               const RenderContext* context)
    : m_deviceSize(device.width(), device.height()), m_conversion{pixelsPerInch > 0 ? pixelsPerInch
                                                                                    : 96,
                                                                  2540} {
    m_painter.begin(&device);
    SetContext(context);
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    LOGFONTA system;
    system.SetFaceName(QStringLiteral("Arial"));
    m_font = *MapLogFont(system, 16);
}

CDeviceContext::~CDeviceContext() {
    if (m_painter.isActive())
        m_painter.end();
}

void CDeviceContext::SetAntialiasing(bool on) {
    m_painter.setRenderHint(QPainter::Antialiasing, on);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, on);
    m_painter.setRenderHint(QPainter::TextAntialiasing, on);
}

void CDeviceContext::SetContext(const RenderContext* context) {
    m_context = context ? context : &m_defaultContext;
}

// --- Mapping ---

MapMode CDeviceContext::SetMapMode(MapMode mode) {
    return std::exchange(m_mapMode, mode);
}

QPoint CDeviceContext::SetViewportOrigin(QPoint origin) {
    return std::exchange(m_origin, origin);
}

QPoint CDeviceContext::LPtoDP(QPoint logical) const {
    const QPoint mapped =
        m_mapMode == MapMode::HiMetric ? m_conversion.LogicalToDevice(logical) : logical;
    const long long limit = 1LL << 30;
    return {
        static_cast<int>(std::clamp<long long>(1LL * mapped.x() + m_origin.x(), -limit, limit)),
        static_cast<int>(std::clamp<long long>(1LL * mapped.y() + m_origin.y(), -limit, limit))};
}

QPoint CDeviceContext::DPtoLP(QPoint device) const {
    const QPoint local(static_cast<int>(std::clamp<long long>(1LL * device.x() - m_origin.x(),
                                                              INT32_MIN, INT32_MAX)),
                       static_cast<int>(std::clamp<long long>(1LL * device.y() - m_origin.y(),
                                                              INT32_MIN, INT32_MAX)));
    return m_mapMode == MapMode::HiMetric ? m_conversion.DeviceToLogical(local) : local;
}

QSize CDeviceContext::LPtoDPSize(QSize logical) const {
    if (m_mapMode == MapMode::Pixels)
        return logical;
    return {m_conversion.UnitsToPixels(logical.width()),
            m_conversion.UnitsToPixels(logical.height())};
}

QSize CDeviceContext::DPtoLPSize(QSize device) const {
    if (m_mapMode == MapMode::Pixels)
        return device;
    return {m_conversion.PixelsToUnits(device.width()),
            m_conversion.PixelsToUnits(device.height())};
}

QRect CDeviceContext::DeviceRect(int left, int top, int right, int bottom) const {
    const QPoint a = LPtoDP({left, top});
    const QPoint b = LPtoDP({right, bottom});
    const int l = ClampDevice(std::min(a.x(), b.x())), r = ClampDevice(std::max(a.x(), b.x()));
    const int t = ClampDevice(std::min(a.y(), b.y())), btm = ClampDevice(std::max(a.y(), b.y()));
    return QRect(QPoint(l, t), QPoint(r - 1, btm - 1));
}

// --- Tools ---

Pen CDeviceContext::SelectPen(const Pen& pen) {
    return std::exchange(m_pen, pen);
}
Brush CDeviceContext::SelectBrush(const Brush& brush) {
    return std::exchange(m_brush, brush);
}
RasterOp CDeviceContext::SetROP2(RasterOp op) {
    return std::exchange(m_rop, op);
}
ColourRef CDeviceContext::SetTextColor(ColourRef c) {
    return std::exchange(m_textColour, c);
}
ColourRef CDeviceContext::SetBkColor(ColourRef c) {
    return std::exchange(m_bkColour, c);
}
BackgroundMode CDeviceContext::SetBkMode(BackgroundMode m) {
    return std::exchange(m_bkMode, m);
}

std::optional<DeviceFont> CDeviceContext::CreateFont(const LOGFONTA& record) const {
    // The height converts like any logical length; its sign says cell or em height.
    const int pixels = LPtoDPSize(QSize(0, record.lfHeight)).height();
    return MapLogFont(record, pixels);
}

DeviceFont CDeviceContext::SelectFont(const DeviceFont& font) {
    return std::exchange(m_font, font);
}

int CDeviceContext::PenPixels() const {
    if (m_pen.style == PenStyle::Null)
        return 0;
    const long long pixels = std::llabs(LPtoDPSize(QSize(m_pen.width, 0)).width());
    return static_cast<int>(std::clamp<long long>(pixels, 1, kMaxPenPixels));
}

void CDeviceContext::ApplyFigureStyle() {
    ApplyPen();
    ApplyBrush();
    ApplyRop();
}

void CDeviceContext::ApplyRop() {
    m_painter.setCompositionMode(m_rop == RasterOp::Invert ? QPainter::RasterOp_NotDestination
                                                           : QPainter::CompositionMode_SourceOver);
}

void CDeviceContext::ApplyPen() {
    const int width = PenPixels();
    if (width == 0) {
        m_painter.setPen(Qt::NoPen);
        return;
    }
    Qt::PenStyle style = Qt::SolidLine;
    if (m_pen.style == PenStyle::Dash)
        style = Qt::DashLine;
    else if (m_pen.style == PenStyle::Dot)
        style = Qt::DotLine;
    QPen pen(ToQColor(m_pen.colour), width == 1 ? 0 : width, style, Qt::FlatCap, Qt::MiterJoin);
    m_painter.setPen(pen);
}

QBrush CDeviceContext::MakeBrush(const Brush& brush) const {
    switch (brush.kind) {
    case Brush::Kind::Null:
        return Qt::NoBrush;
    case Brush::Kind::Solid:
        return QBrush(ToQColor(brush.colour));
    case Brush::Kind::Hatched:
        break;
    }
    QImage pattern(8, 8, QImage::Format_ARGB32_Premultiplied);
    const QRgb ink = ToQColor(brush.colour).rgb();
    const QRgb paper = m_bkMode == BackgroundMode::Opaque ? ToQColor(m_bkColour).rgb() : 0u;
    const unsigned char* bits = HatchBits(brush.hatch);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            pattern.setPixel(x, y, (bits[y] & (0x80 >> x)) ? ink : paper);
    return QBrush(pattern);
}

void CDeviceContext::ApplyBrush() {
    m_painter.setBrush(MakeBrush(m_brush));
}

QRectF CDeviceContext::FigureRect(const QRect& device) const {
    // The outline runs through the centres of the first and last pixels.
    return QRectF(device.left() + 0.5, device.top() + 0.5, device.width() - 1.0,
                  device.height() - 1.0);
}

// --- Figures ---

void CDeviceContext::Rectangle(int left, int top, int right, int bottom) {
    const QRect r = DeviceRect(left, top, right, bottom);
    if (r.width() < 1 || r.height() < 1)
        return;
    ApplyFigureStyle();
    // Its sides lie on whole pixels: smoothing would only soften the corners.
    const bool smooth = m_painter.testRenderHint(QPainter::Antialiasing);
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.drawRect(FigureRect(r));
    m_painter.setRenderHint(QPainter::Antialiasing, smooth);
}

void CDeviceContext::RoundRect(int left, int top, int right, int bottom, int ellipseWidth,
                               int ellipseHeight) {
    const QRect r = DeviceRect(left, top, right, bottom);
    if (r.width() < 1 || r.height() < 1)
        return;
    const QSize corner = LPtoDPSize(QSize(ellipseWidth, ellipseHeight));
    const double rx = std::min(std::abs(corner.width()) / 2.0, r.width() / 2.0);
    const double ry = std::min(std::abs(corner.height()) / 2.0, r.height() / 2.0);
    ApplyFigureStyle();
    m_painter.drawRoundedRect(FigureRect(r), rx, ry, Qt::AbsoluteSize);
}

void CDeviceContext::Ellipse(int left, int top, int right, int bottom) {
    const QRect r = DeviceRect(left, top, right, bottom);
    if (r.width() < 1 || r.height() < 1)
        return;
    ApplyFigureStyle();
    m_painter.drawEllipse(FigureRect(r));
}

void CDeviceContext::Polygon(const std::vector<QPoint>& points) {
    if (points.size() < 2)
        return;
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const QPoint& p : points) {
        const QPoint d = LPtoDP(p);
        polygon << QPointF(ClampDevice(d.x()) + 0.5, ClampDevice(d.y()) + 0.5);
    }
    ApplyFigureStyle();
    m_painter.drawPolygon(polygon, Qt::OddEvenFill);
}

void CDeviceContext::MoveTo(int x, int y) {
    m_current = LPtoDP({x, y});
}

void CDeviceContext::LineTo(int x, int y) {
    const QPoint to = LPtoDP({x, y});
    const int width = PenPixels();
    if (width == 1 && m_pen.style == PenStyle::Solid) {
        std::vector<QPoint> pixels;
        LineDdaClipped(m_current, to, QRect(QPoint(0, 0), m_deviceSize),
                       [&](int px, int py) { pixels.emplace_back(px, py); });
        DrawPixelRun(pixels, m_pen.colour);
    } else if (width > 0) {
        ApplyPen();
        ApplyRop();
        m_painter.drawLine(
            QPointF(ClampDevice(m_current.x()) + 0.5, ClampDevice(m_current.y()) + 0.5),
            QPointF(ClampDevice(to.x()) + 0.5, ClampDevice(to.y()) + 0.5));
    }
    m_current = to;
}

void CDeviceContext::Polyline(const std::vector<QPoint>& points) {
    if (points.empty())
        return;
    MoveTo(points[0].x(), points[0].y());
    for (size_t i = 1; i < points.size(); ++i)
        LineTo(points[i].x(), points[i].y());
}

void CDeviceContext::Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
                         int yEnd) {
    const QRect r = DeviceRect(left, top, right, bottom);
    if (r.width() < 1 || r.height() < 1 || PenPixels() == 0)
        return;
    const QRectF box = FigureRect(r);
    const QPointF centre = box.center();
    const auto angle = [&](QPoint logical) {
        const QPoint d = LPtoDP(logical);
        return std::atan2(-(d.y() + 0.5 - centre.y()), d.x() + 0.5 - centre.x()) * 180.0 / M_PI;
    };
    const double start = angle({xStart, yStart});
    double span = angle({xEnd, yEnd}) - start;
    while (span <= 0)
        span += 360.0;
    ApplyPen();
    ApplyRop();
    m_painter.drawArc(box, static_cast<int>(std::lround(start * 16)),
                      static_cast<int>(std::lround(span * 16)));
}

void CDeviceContext::FillRect(int left, int top, int right, int bottom, const Brush& brush) {
    const QRect r = DeviceRect(left, top, right, bottom);
    if (r.width() < 1 || r.height() < 1)
        return;
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_painter.fillRect(r, MakeBrush(brush));
}

void CDeviceContext::FillRegion(const CRegion& deviceRegion, const Brush& brush) {
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_painter.fillPath(deviceRegion.ToPath(), MakeBrush(brush));
}

void CDeviceContext::DrawPixelRun(const std::vector<QPoint>& devicePoints, ColourRef colour) {
    if (devicePoints.empty())
        return;
    m_painter.setPen(QPen(ToQColor(colour), 0));
    ApplyRop();
    m_painter.drawPoints(devicePoints.data(), static_cast<int>(devicePoints.size()));
}

void CDeviceContext::SetPixel(int x, int y, ColourRef colour) {
    const QPoint d = LPtoDP({x, y});
    if (d.x() < 0 || d.y() < 0 || d.x() >= m_deviceSize.width() || d.y() >= m_deviceSize.height())
        return;
    DrawPixelRun({d}, colour);
}

void CDeviceContext::SetPixels(const std::vector<QPoint>& logicalPoints, ColourRef colour) {
    std::vector<QPoint> device;
    device.reserve(logicalPoints.size());
    for (const QPoint& p : logicalPoints) {
        const QPoint d = LPtoDP(p);
        if (d.x() >= 0 && d.y() >= 0 && d.x() < m_deviceSize.width() &&
            d.y() < m_deviceSize.height())
            device.push_back(d);
    }
    DrawPixelRun(device, colour);
}

// --- Clipping and copies ---

void CDeviceContext::SelectClipRegion(const CRegion* deviceRegion) {
    if (!deviceRegion) {
        m_painter.setClipping(false);
        return;
    }
    m_painter.setClipPath(deviceRegion->ToPath(), Qt::ReplaceClip);
}

void CDeviceContext::BitBlt(QPoint destination, QSize size, const CDeviceContext& source,
                            QPoint sourceOrigin) {
    if (!source.m_image || size.isEmpty())
        return;
    m_painter.setCompositionMode(QPainter::CompositionMode_Source);
    m_painter.drawImage(QRect(destination, size), *source.m_image, QRect(sourceOrigin, size));
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void CDeviceContext::StretchBlt(const QRect& destination, const CDeviceContext& source,
                                const QRect& sourceRect) {
    if (!source.m_image || destination.isEmpty() || sourceRect.isEmpty())
        return;
    m_painter.setCompositionMode(QPainter::CompositionMode_Source);
    m_painter.drawImage(destination, *source.m_image, sourceRect);
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}
