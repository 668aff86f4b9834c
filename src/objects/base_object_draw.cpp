// Drawing of the parts every object shares: nothing for the base itself, and
// the animated selection frame with its eight handles.
#include "base_object.h"
#include "tracker_drawing.h"

#include "platform/device_context.h"

void DrawAnimatedLine(CDeviceContext& dc, QPoint a, QPoint b, unsigned step, DashPhase phase) {
    std::vector<QPoint> black, white;
    const QRect bounds(QPoint(0, 0), dc.DeviceSize());
    LineDdaClipped(a, b, bounds, [&](int x, int y) {
        const unsigned sum = phase == DashPhase::WithStep
                                 ? static_cast<unsigned>(x) + step + static_cast<unsigned>(y)
                                 : static_cast<unsigned>(x) + static_cast<unsigned>(y) - step;
        (sum % 6 > 2 ? black : white).emplace_back(x, y);
    });
    const QPoint origin = dc.ViewportOrigin();
    for (QPoint& p : black)
        p -= origin;
    for (QPoint& p : white)
        p -= origin;
    const RasterOp previous = dc.SetROP2(RasterOp::Copy);
    dc.SetPixels(black, 0x000000);
    dc.SetPixels(white, 0xFFFFFF);
    dc.SetROP2(previous);
}

void InvertHandles(CDeviceContext& dc, const std::vector<QPoint>& centres) {
    std::vector<QPoint> pixels;
    pixels.reserve(centres.size() * 36);
    const QPoint origin = dc.ViewportOrigin();
    for (const QPoint& c : centres)
        for (int y = -3; y <= 2; ++y)
            for (int x = -3; x <= 2; ++x)
                pixels.push_back(c + QPoint(x, y) - origin);
    const RasterOp previous = dc.SetROP2(RasterOp::Invert);
    dc.SetPixels(pixels, 0);
    dc.SetROP2(previous);
}

void CBaseObject::Draw(CDeviceContext&, int, int) {
}

void CBaseObject::DrawTracker(CDeviceContext& dc, int dx, int dy, bool withHandles) const {
    const RenderContext& context = dc.Context();
    const float zoom = context.viewZoom;
    // The corners in the metric mapping of the context's resolution, then offset.
    const UnitConversion& units = dc.Conversion();
    const QPoint offset(dx, dy);
    const QPoint lt = units.LogicalToDevice({Zoomed(m_x, zoom), Zoomed(m_y, zoom)}) + offset;
    const QPoint rb = units.LogicalToDevice({Zoomed(AddClamped(m_x, m_width), zoom),
                                             Zoomed(AddClamped(m_y, m_height), zoom)}) +
                      offset;
    const int l = lt.x(), t = lt.y(), r = rb.x(), b = rb.y();
    const unsigned n = context.animationStep;
    DrawAnimatedLine(dc, {l, t}, {r, t}, n, DashPhase::WithStep);
    DrawAnimatedLine(dc, {r, t}, {r, b}, n, DashPhase::WithStep);
    DrawAnimatedLine(dc, {l, b}, {r, b}, n, DashPhase::AgainstStep);
    DrawAnimatedLine(dc, {l, t}, {l, b}, n, DashPhase::AgainstStep);
    if (!withHandles)
        return;
    const int mx = l + (r - l) / 2, my = t + (b - t) / 2;
    InvertHandles(dc, {{l, t}, {mx, t}, {r, t}, {r, my}, {r, b}, {mx, b}, {l, b}, {l, my}});
}
