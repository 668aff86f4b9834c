#include "editing_geometry.h"

#include "objects/base_object.h"
#include "platform/scaling.h"

#include <algorithm>

namespace {

// Pixel coordinate divided by the single-precision zoom, truncated.
int Unzoomed(int pixel, float zoom) {
    return TruncateToInt(static_cast<float>(pixel) / zoom);
}

// A size snapped to the grid, keeping at least one step so that the object
// stays visible and can still be hit.
int SnapSize(int v, int spacing) {
    const int snapped = SnapToGrid(v, spacing);
    if (snapped != 0 || spacing <= 0)
        return snapped;
    return v < 0 ? -spacing : spacing;
}

} // namespace

QPoint PixelMapping::FaceUnits(QPoint page) const {
    return {units.PixelsToUnits(Unzoomed(page.x(), zoom)),
            -units.PixelsToUnits(Unzoomed(page.y(), zoom))};
}

LogicalRect PixelMapping::FaceRect(QPoint pageA, QPoint pageB) const {
    const QPoint topLeft =
        FaceUnits({std::min(pageA.x(), pageB.x()), std::min(pageA.y(), pageB.y())});
    const QPoint bottomRight =
        FaceUnits({std::max(pageA.x(), pageB.x()), std::max(pageA.y(), pageB.y())});
    return {topLeft.x(), topLeft.y(), bottomRight.x(), bottomRight.y()};
}

ObjectRect RectOf(const CBaseObject& o) {
    return {o.X(), o.Y(), o.Width(), o.Height()};
}

int SnapToGrid(int v, int spacing) {
    // C++'s remainder takes the dividend's sign, so negative values move up to zero.
    return spacing > 0 ? v - v % spacing : v;
}

int DraggedCoordinate(int saved, int delta, float zoom, int gridSpacing) {
    const float moved = static_cast<float>(saved) + static_cast<float>(delta) / zoom;
    return SnapToGrid(TruncateToInt(moved), gridSpacing);
}

namespace {

// Sums of object fields, which may come from any file, are clamped.
int Add(long long a, long long b) {
    return AddClamped(a, b);
}

bool OnTopEdge(int h) {
    return h == 0 || h == 1 || h == 2;
}
bool OnRightEdge(int h) {
    return h == 2 || h == 3 || h == 4;
}
bool OnBottomEdge(int h) {
    return h == 4 || h == 5 || h == 6;
}
bool OnLeftEdge(int h) {
    return h == 0 || h == 6 || h == 7;
}

} // namespace

ObjectRect ResizedRect(const ObjectRect& current, const ObjectRect& s, int handle, int dx, int dy,
                       bool keepAspect, int gridSpacing) {
    if (keepAspect)
        return ProportionalResize(current, s, handle, dx, dy);
    ObjectRect r = current;
    // Each edge moves only while the object stays at least 2 units wide and
    // deep (heights are negative).
    if (OnTopEdge(handle) && Add(s.height, -dy) < -1) {
        r.y = Add(s.y, dy);
        r.height = Add(s.height, -dy);
    }
    if (OnLeftEdge(handle) && Add(s.width, -dx) >= 2) {
        r.x = Add(s.x, dx);
        r.width = Add(s.width, -dx);
    }
    if (OnBottomEdge(handle) && Add(s.height, dy) < -1)
        r.height = Add(s.height, dy);
    if (OnRightEdge(handle) && Add(s.width, dx) > 1)
        r.width = Add(s.width, dx);
    if (gridSpacing > 0) {
        r.width = SnapSize(r.width, gridSpacing);
        r.height = SnapSize(r.height, gridSpacing);
        r.x = SnapToGrid(r.x, gridSpacing);
        r.y = SnapToGrid(r.y, gridSpacing);
    }
    return r;
}

QPoint CornerRadiiAt(const ObjectRect& r, QPoint c) {
    const int right = Add(Add(r.x, r.width), -1);
    const int ex = c.x() > right ? right : std::max(c.x(), Add(r.x, r.width / 2));
    const int top = Add(r.y, -1);
    const int middle = Add(r.y, r.height / 2);
    const int ey = c.y() > top ? top : (c.y() < middle ? middle : c.y());
    return {Add(Add(r.x, r.width), -static_cast<long long>(ex)),
            Add(ey, -static_cast<long long>(r.y))};
}
