#pragma once

#include <QPainterPath>
#include <QPoint>
#include <QRect>

#include <memory>
#include <vector>

// An area of integer coordinates built from rectangles, ellipses and polygons,
// combined by union, difference and intersection, with a point-inside and a
// rectangle-intersection test. It is kept as the shapes it was built from, not
// rasterised, so tests cost nothing proportional to the coordinates: a hit
// region of an object a kilometre wide is as cheap as a small one.
//
// As in the Windows regions, a rectangle region from (l, t) to (r, b) holds the
// points with l <= x < r and t <= y < b (corners given in any order); an ellipse
// or polygon holds the points whose pixel centre lies inside it; polygons are
// filled with the alternate (even-odd) rule.
class CRegion {
public:
    CRegion() = default; // empty

    static CRegion Rectangle(int left, int top, int right, int bottom);
    static CRegion Ellipse(int left, int top, int right, int bottom);
    static CRegion Polygon(const std::vector<QPoint>& points);

    enum class Combine { Union, Difference, Intersection };
    // a op b; either may be this region.
    static CRegion Combined(const CRegion& a, const CRegion& b, Combine mode);
    // Adds `other` to this region (the cheap, flat form used for many pieces).
    void UniteWith(const CRegion& other);

    bool IsEmpty() const { return !m_node; }
    bool Contains(QPoint p) const;
    // True when some point of the rectangle [left, right) x [top, bottom)
    // (corners in any order) lies in the region.
    bool Intersects(const QRect& rect) const;
    bool Intersects(int left, int top, int right, int bottom) const;
    // The outline as a path with coordinates clamped to +-`limit`, for clipping.
    QPainterPath ToPath(int limit = 1 << 22) const;

    struct Node;

private:
    std::shared_ptr<const Node> m_node;
};
