#include "region.h"

#include <QPolygonF>

#include <algorithm>
#include <cmath>

struct CRegion::Node {
    enum class Kind { Rect, Ellipse, Polygon, Union, Difference, Intersection } kind;
    // Rect and Ellipse: normalised bounds, right and bottom exclusive.
    int64_t left = 0, top = 0, right = 0, bottom = 0;
    std::vector<QPoint> points;                        // Polygon
    std::vector<std::shared_ptr<const Node>> children; // combinations
};

namespace {
using Node = CRegion::Node;
using NodePtr = std::shared_ptr<const Node>;

std::shared_ptr<Node> Box(Node::Kind kind, int l, int t, int r, int b) {
    auto node = std::make_shared<Node>();
    node->kind = kind;
    node->left = std::min(l, r);
    node->right = std::max(l, r);
    node->top = std::min(t, b);
    node->bottom = std::max(t, b);
    return node;
}

bool EllipseContains(const Node& n, double px, double py) {
    const double a = (n.right - n.left) / 2.0;
    const double b = (n.bottom - n.top) / 2.0;
    if (a <= 0 || b <= 0)
        return false;
    const double dx = (px - (n.left + a)) / a;
    const double dy = (py - (n.top + b)) / b;
    return dx * dx + dy * dy <= 1.0;
}

bool PolygonContains(const std::vector<QPoint>& pts, double px, double py) {
    bool inside = false;
    const size_t n = pts.size();
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        const double xi = pts[i].x(), yi = pts[i].y();
        const double xj = pts[j].x(), yj = pts[j].y();
        if ((yi > py) != (yj > py) && px < (xj - xi) * (py - yi) / (yj - yi) + xi)
            inside = !inside;
    }
    return inside;
}

bool NodeContains(const Node& n, int x, int y) {
    // Pixel centres decide membership of curved and slanted shapes.
    const double px = x + 0.5, py = y + 0.5;
    switch (n.kind) {
    case Node::Kind::Rect:
        return x >= n.left && x < n.right && y >= n.top && y < n.bottom;
    case Node::Kind::Ellipse:
        return EllipseContains(n, px, py);
    case Node::Kind::Polygon:
        return n.points.size() >= 3 && PolygonContains(n.points, px, py);
    case Node::Kind::Union:
        return std::any_of(n.children.begin(), n.children.end(),
                           [&](const NodePtr& c) { return NodeContains(*c, x, y); });
    case Node::Kind::Difference:
        return NodeContains(*n.children[0], x, y) && !NodeContains(*n.children[1], x, y);
    case Node::Kind::Intersection:
        return NodeContains(*n.children[0], x, y) && NodeContains(*n.children[1], x, y);
    }
    return false;
}

double Clamp(int64_t v, int limit) {
    return static_cast<double>(std::clamp<int64_t>(v, -limit, limit));
}

QPainterPath NodePath(const Node& n, int limit) {
    QPainterPath path;
    switch (n.kind) {
    case Node::Kind::Rect:
    case Node::Kind::Ellipse: {
        const QRectF r(QPointF(Clamp(n.left, limit), Clamp(n.top, limit)),
                       QPointF(Clamp(n.right, limit), Clamp(n.bottom, limit)));
        if (n.kind == Node::Kind::Rect)
            path.addRect(r);
        else
            path.addEllipse(r);
        break;
    }
    case Node::Kind::Polygon: {
        QPolygonF poly;
        poly.reserve(static_cast<qsizetype>(n.points.size()));
        for (const QPoint& p : n.points)
            poly << QPointF(Clamp(p.x(), limit), Clamp(p.y(), limit));
        path.addPolygon(poly);
        path.closeSubpath();
        path.setFillRule(Qt::OddEvenFill);
        break;
    }
    case Node::Kind::Union: {
        // Rectangles and ellipses share one orientation, so a winding fill of
        // their outlines is their union; other pieces are united exactly.
        path.setFillRule(Qt::WindingFill);
        for (const NodePtr& c : n.children) {
            if (c->kind == Node::Kind::Rect || c->kind == Node::Kind::Ellipse) {
                QPainterPath piece = NodePath(*c, limit);
                path.addPath(piece);
            } else {
                path = path.united(NodePath(*c, limit));
            }
        }
        break;
    }
    case Node::Kind::Difference:
        path = NodePath(*n.children[0], limit).subtracted(NodePath(*n.children[1], limit));
        break;
    case Node::Kind::Intersection:
        path = NodePath(*n.children[0], limit).intersected(NodePath(*n.children[1], limit));
        break;
    }
    return path;
}

bool NodeIntersects(const Node& n, int64_t l, int64_t t, int64_t r, int64_t b) {
    switch (n.kind) {
    case Node::Kind::Rect:
        return l < n.right && n.left < r && t < n.bottom && n.top < b;
    case Node::Kind::Ellipse: {
        // The ellipse point nearest its centre inside the rectangle's pixel
        // centres: clamp the centre into the rectangle.
        const double cx = (n.left + n.right) / 2.0, cy = (n.top + n.bottom) / 2.0;
        const double px = std::clamp(cx, l + 0.5, r - 0.5);
        const double py = std::clamp(cy, t + 0.5, b - 0.5);
        return EllipseContains(n, px, py);
    }
    case Node::Kind::Union:
        return std::any_of(n.children.begin(), n.children.end(),
                           [&](const NodePtr& c) { return NodeIntersects(*c, l, t, r, b); });
    default: {
        const int limit = 1 << 30;
        const QRectF rect(QPointF(Clamp(l, limit) + 0.5, Clamp(t, limit) + 0.5),
                          QPointF(Clamp(r, limit) - 0.5, Clamp(b, limit) - 0.5));
        const QPainterPath path = NodePath(n, limit);
        return path.intersects(rect) || path.contains(rect.topLeft());
    }
    }
}
} // namespace

CRegion CRegion::Rectangle(int left, int top, int right, int bottom) {
    CRegion region;
    if (left != right && top != bottom)
        region.m_node = Box(Node::Kind::Rect, left, top, right, bottom);
    return region;
}

CRegion CRegion::Ellipse(int left, int top, int right, int bottom) {
    CRegion region;
    if (left != right && top != bottom)
        region.m_node = Box(Node::Kind::Ellipse, left, top, right, bottom);
    return region;
}

CRegion CRegion::Polygon(const std::vector<QPoint>& points) {
    CRegion region;
    if (points.size() >= 3) {
        auto node = std::make_shared<Node>();
        node->kind = Node::Kind::Polygon;
        node->points = points;
        region.m_node = node;
    }
    return region;
}

CRegion CRegion::Combined(const CRegion& a, const CRegion& b, Combine mode) {
    CRegion result;
    switch (mode) {
    case Combine::Union:
        result = a;
        result.UniteWith(b);
        return result;
    case Combine::Difference:
        if (a.IsEmpty() || b.IsEmpty())
            return a;
        break;
    case Combine::Intersection:
        if (a.IsEmpty() || b.IsEmpty())
            return result;
        break;
    }
    auto node = std::make_shared<Node>();
    node->kind = mode == Combine::Difference ? Node::Kind::Difference : Node::Kind::Intersection;
    node->children = {a.m_node, b.m_node};
    result.m_node = node;
    return result;
}

void CRegion::UniteWith(const CRegion& other) {
    if (other.IsEmpty())
        return;
    if (IsEmpty()) {
        m_node = other.m_node;
        return;
    }
    if (other.m_node == m_node)
        return;
    // Keep unions flat: a region of many pieces stays one level deep, and a
    // union nobody else shares grows in place, so adding n pieces costs O(n).
    if (m_node->kind == Node::Kind::Union && m_node.use_count() == 1) {
        auto* own = const_cast<Node*>(m_node.get());
        if (other.m_node->kind == Node::Kind::Union)
            own->children.insert(own->children.end(), other.m_node->children.begin(),
                                 other.m_node->children.end());
        else
            own->children.push_back(other.m_node);
        return;
    }
    auto node = std::make_shared<Node>();
    node->kind = Node::Kind::Union;
    for (const NodePtr& part : {m_node, other.m_node}) {
        if (part->kind == Node::Kind::Union)
            node->children.insert(node->children.end(), part->children.begin(),
                                  part->children.end());
        else
            node->children.push_back(part);
    }
    m_node = node;
}

bool CRegion::Contains(QPoint p) const {
    return m_node && NodeContains(*m_node, p.x(), p.y());
}

bool CRegion::Intersects(const QRect& rect) const {
    return Intersects(rect.left(), rect.top(), rect.left() + rect.width(),
                      rect.top() + rect.height());
}

bool CRegion::Intersects(int left, int top, int right, int bottom) const {
    if (!m_node || left == right || top == bottom)
        return false;
    return NodeIntersects(*m_node, std::min(left, right), std::min(top, bottom),
                          std::max(left, right), std::max(top, bottom));
}

QPainterPath CRegion::ToPath(int limit) const {
    return m_node ? NodePath(*m_node, limit) : QPainterPath();
}
