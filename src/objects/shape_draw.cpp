// Drawing and hit testing of shapes.
#include "shape.h"
#include "tracker_drawing.h"

#include "platform/device_context.h"
#include "platform/region.h"

namespace {
// The figure's rectangle with x and y scaled separately and then offset.
struct FigureRect {
    int left, top, right, bottom;
};

FigureRect Scaled(const CBaseObject& o, float fx, float fy, int dx, int dy) {
    return {AddClamped(ScaleCoordinate(o.X(), fx), dx), AddClamped(ScaleCoordinate(o.Y(), fy), dy),
            AddClamped(ScaleCoordinate(AddClamped(o.X(), o.Width()), fx), dx),
            AddClamped(ScaleCoordinate(AddClamped(o.Y(), o.Height()), fy), dy)};
}

// The diamond's vertices: the middles of the four edges, truncated.
std::vector<QPoint> Diamond(const FigureRect& r) {
    const int cx = static_cast<int>(r.left + (static_cast<long long>(r.right) - r.left) / 2);
    const int cy = static_cast<int>(r.top + (static_cast<long long>(r.bottom) - r.top) / 2);
    return {{cx, r.top}, {r.right, cy}, {cx, r.bottom}, {r.left, cy}};
}

CRegion FigureRegion(int kind, const FigureRect& r) {
    switch (kind) {
    case CShape::kRectangle:
    case CShape::kRoundRect: // round corners count as inside
        return CRegion::Rectangle(r.left, r.top, r.right, r.bottom);
    case CShape::kEllipse:
        return CRegion::Ellipse(r.left, r.top, r.right, r.bottom);
    case CShape::kDiamond:
        return CRegion::Polygon(Diamond(r));
    default:
        return {};
    }
}

// Line widths beyond this many pixels are drawn at this width.
constexpr int kMaxLineWidth = 10000;
} // namespace

void CShape::Draw(CDeviceContext& dc, int dx, int dy) {
    const bool printing = dc.IsPrinting();
    const float fx = dc.Context().ScaleX(printing), fy = dc.Context().ScaleY(printing);
    const FigureRect r = Scaled(*this, fx, fy, dx, dy);

    const Brush oldBrush = dc.SelectBrush(Brush::Solid(m_fillColour));
    // A line width below 1 draws a one-pixel outline in the fill colour, so
    // the edge disappears into the fill.
    const bool outline = m_lineWidth >= 1;
    const int pixels = outline ? std::min(m_lineWidth, kMaxLineWidth) : 1;
    const int width = dc.DPtoLPSize(QSize(pixels, pixels)).width();
    const Pen oldPen =
        dc.SelectPen(Pen{PenStyle::Solid, width, outline ? m_lineColour : m_fillColour});

    switch (m_kind) {
    case kRectangle:
        dc.Rectangle(r.left, r.top, r.right, r.bottom);
        break;
    case kRoundRect:
        dc.RoundRect(r.left, r.top, r.right, r.bottom,
                     TruncateToInt(static_cast<float>(2.0 * m_radiusX) * fx),
                     TruncateToInt(static_cast<float>(2.0 * m_radiusY) * fy));
        break;
    case kEllipse:
        dc.Ellipse(r.left, r.top, r.right, r.bottom);
        break;
    case kDiamond:
        dc.Polygon(Diamond(r));
        break;
    default:
        break;
    }
    dc.SelectPen(oldPen);
    dc.SelectBrush(oldBrush);
}

bool CShape::HitTest(int x, int y, float zoom) const {
    return FigureRegion(m_kind, Scaled(*this, zoom, zoom, 0, 0)).Contains({x, y});
}

bool CShape::IntersectsRect(const LogicalRect& r) const {
    return FigureRegion(m_kind, Scaled(*this, 1.0f, 1.0f, 0, 0))
        .Intersects(r.left, r.top, r.right, r.bottom);
}

bool CShape::HasCornerHandle() const {
    return m_kind == kRoundRect && m_radiusX < Width() && Height() < m_radiusY;
}

QPoint CShape::CornerHandleCentre(float zoom, const UnitConversion& units) const {
    const int x = AddClamped(AddClamped(X(), Width()), -static_cast<long long>(m_radiusX));
    const int y = AddClamped(Y(), m_radiusY);
    return units.LogicalToDevice({Zoomed(x, zoom), Zoomed(y, zoom)});
}

int CShape::HitTestHandle(QPoint p, float zoom, const UnitConversion& units) const {
    const int handle = CBaseObject::HitTestHandle(p, zoom, units);
    if (handle >= 0 || !HasCornerHandle())
        return handle;
    const QPoint c = CornerHandleCentre(zoom, units);
    if (p.x() >= c.x() - 3 && p.x() < c.x() + 3 && p.y() >= c.y() - 3 && p.y() < c.y() + 3)
        return kCornerHandle;
    return -1;
}

void CShape::DrawTracker(CDeviceContext& dc, int dx, int dy, bool withHandles) const {
    CBaseObject::DrawTracker(dc, dx, dy, withHandles);
    if (withHandles && HasCornerHandle())
        InvertHandles(
            dc, {CornerHandleCentre(dc.Context().viewZoom, dc.Conversion()) + QPoint(dx, dy)});
}
