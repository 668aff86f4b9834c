// Painting, tracking and hit testing of circular text.
#include "cir_text.h"
#include "object_font.h"
#include "tracker_drawing.h"

#include "platform/device_context.h"

#include <cmath>

namespace {
// A point at `angle` degrees (0 at the top, counter-clockwise) on a circle.
QPointF OnCircle(double cx, double cy, double radius, double angle) {
    const double a = angle * kDegreesToRadians;
    return {cx - radius * std::sin(a), cy + radius * std::cos(a)};
}

// (x, y) turned by `degrees` about the origin.
QPointF Rotated(double x, double y, double degrees) {
    const double a = degrees * kDegreesToRadians;
    return {x * std::cos(a) - y * std::sin(a), x * std::sin(a) + y * std::cos(a)};
}

// The characters of a text, surrogate pairs kept together.
QStringList Glyphs(const QString& text) {
    QStringList glyphs;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        glyphs << text.mid(i, n);
        i += n - 1;
    }
    return glyphs;
}

// The four corners of a w x h box about its middle, turned by -rho degrees.
void SetCorners(CCirText::Placement& p, double w, double h, double rho) {
    const double cornersX[4] = {-w / 2, w / 2, w / 2, -w / 2};
    const double cornersY[4] = {-h / 2, -h / 2, h / 2, h / 2};
    for (int i = 0; i < 4; ++i) {
        const QPointF c = Rotated(cornersX[i], cornersY[i], -rho);
        p.cornerX[i] = c.x();
        p.cornerY[i] = c.y();
    }
}
} // namespace

CCirText::Placement CCirText::Track(int scaledX, int scaledY, int centreX, int centreY) const {
    Placement p;
    p.scaledX = scaledX;
    p.scaledY = scaledY;
    p.centreX = centreX;
    p.centreY = centreY;
    p.scaledRadius = m_scaledRadius;
    p.angle = m_angle;
    const double dx = static_cast<double>(scaledX) + m_textWidth / 2 - centreX;
    const double dy = static_cast<double>(scaledY) - m_textHeight / 2 - centreY;
    const double m = std::sqrt(dx * dx + dy * dy);
    // Only a move of at least one unit or one degree changes radius and angle.
    if (std::abs(TruncateToInt(m - p.scaledRadius)) > 0.3)
        p.scaledRadius = m;
    p.span = m > 0 ? m_textWidth * 180.0 / (m * 3.1415926) : 0.0;
    const double a = -std::atan2(dx, dy) * kRadiansToDegrees;
    if (std::abs(TruncateToInt(std::remainder(a - p.angle, 360.0))) > 0.3)
        p.angle = a;
    SetCorners(p, m_textWidth, m_textHeight, p.angle + (m_inverse && !m_circular ? 180.0 : 0.0));
    return p;
}

CCirText::Placement CCirText::Placed(int scaledX, int scaledY, int centreX, int centreY,
                                     float s) const {
    Placement p;
    p.scaledX = scaledX;
    p.scaledY = scaledY;
    p.centreX = centreX;
    p.centreY = centreY;
    p.scaledRadius = m_radius * s;
    p.angle = m_angle;
    p.span = p.scaledRadius > 0 ? m_textWidth * 180.0 / (p.scaledRadius * 3.1415926) : 0.0;
    SetCorners(p, m_textWidth, m_textHeight, p.angle + (m_inverse && !m_circular ? 180.0 : 0.0));
    return p;
}

void CCirText::Apply(const Placement& p) {
    m_scaledX = p.scaledX;
    m_scaledY = p.scaledY;
    m_scaledRadius = p.scaledRadius;
    m_angle = p.angle;
    m_span = p.span;
    for (int i = 0; i < 4; ++i) {
        m_cornerX[i] = p.cornerX[i];
        m_cornerY[i] = p.cornerY[i];
    }
}

void CCirText::TrackPosition(float zoom) {
    FollowMove(zoom);
    Apply(Placed(Zoomed(X(), zoom), Zoomed(Y(), zoom), Zoomed(m_centreX, zoom),
                 Zoomed(m_centreY, zoom), zoom));
}

CRegion CCirText::StraightRegion(const Placement& p) const {
    const double mx = p.scaledX + m_textWidth / 2.0, my = p.scaledY - m_textHeight / 2.0;
    std::vector<QPoint> vertices;
    for (int i = 0; i < 4; ++i)
        vertices.emplace_back(TruncateToInt(mx + p.cornerX[i]), TruncateToInt(my - p.cornerY[i]));
    return CRegion::Polygon(vertices);
}

void CCirText::MeasureText(CDeviceContext& dc) {
    const float zoom = dc.Context().viewZoom;
    const DeviceFont old =
        dc.SelectFont(CreateObjectFont(dc, m_font, Zoomed(m_font.lfHeight, zoom), 16));
    const QSize extent = dc.GetTextExtent(dc.Context().Expand(m_text));
    dc.SelectFont(old);
    FollowMove(zoom);
    m_textWidth = extent.width();
    m_textHeight = extent.height();
    m_paintZoom = zoom;
    LayOut(zoom);
}

void CCirText::DrawGlyph(CDeviceContext& dc, DeviceFont font, QPointF middle, const QString& glyph,
                         const Placement& p, CRegion* region) {
    const QSize extent = dc.GetTextExtent(glyph);
    const double c = extent.width(), h = extent.height();
    double phi = std::atan2(middle.x() - p.centreX, middle.y() - p.centreY) * kRadiansToDegrees;
    if (m_inverse)
        phi += 180.0;
    const QPointF offset = Rotated(-c / 2, h / 2, -phi);
    font.escapement = TruncateToInt(phi * 10);
    const DeviceFont old = dc.SelectFont(font);
    dc.TextOut(TruncateToInt(middle.x() + offset.x()), TruncateToInt(middle.y() + offset.y()),
               glyph);
    dc.SelectFont(old);
    region->UniteWith(
        CRegion::Rectangle(TruncateToInt(middle.x() - c / 2), TruncateToInt(middle.y() - h / 2),
                           TruncateToInt(middle.x() + c / 2), TruncateToInt(middle.y() + h / 2)));
}

void CCirText::Draw(CDeviceContext& dc, int dx, int dy) {
    const RenderContext& context = dc.Context();
    const bool printing = dc.IsPrinting();
    // One factor for both axes: the view zoom, or the horizontal print scale.
    const float s = printing ? context.printScaleX : context.viewZoom;
    const int centreX = AddClamped(Zoomed(m_centreX, s), dx);
    const int centreY = AddClamped(Zoomed(m_centreY, s), dy);
    const QString text = context.Expand(m_text);

    const BackgroundMode oldMode = dc.SetBkMode(BackgroundMode::Transparent);
    const ColourRef oldColour = dc.SetTextColor(m_textColour);
    const DeviceFont font = CreateObjectFont(dc, m_font, Zoomed(m_font.lfHeight, s), 16);
    const DeviceFont oldFont = dc.SelectFont(font);

    // Printing works on copies, so the screen's measurements and position stay.
    const int keptWidth = m_textWidth, keptHeight = m_textHeight;
    const QSize extent = dc.GetTextExtent(text);
    Placement p;
    if (printing) {
        // Placed from radius and angle, so a printed text stays on its circle.
        m_textWidth = extent.width();
        m_textHeight = extent.height();
        const QPointF middle = OnCircle(centreX, centreY, m_radius * s, m_angle);
        p = Placed(TruncateToInt(middle.x() - m_textWidth / 2.0),
                   TruncateToInt(middle.y() + m_textHeight / 2.0), centreX, centreY, s);
    } else {
        // A move since the last paint is measured with the extent the box had.
        FollowMove(s);
        // A new extent lays the box out again from radius and angle: the text
        // grows about its place, and zooming in and out leaves it where it was.
        if (!m_placed || extent.width() != m_textWidth || extent.height() != m_textHeight ||
            s != m_paintZoom) {
            m_textWidth = extent.width();
            m_textHeight = extent.height();
            m_paintZoom = s;
            LayOut(s);
        }
        p = Placed(AddClamped(Zoomed(X(), s), dx), AddClamped(Zoomed(Y(), s), dy), centreX, centreY,
                   s);
        Apply(p);
    }

    if (m_circular) {
        CRegion region;
        QStringList glyphs = Glyphs(text);
        if (m_inverse)
            std::reverse(glyphs.begin(), glyphs.end());
        double along = 0;
        int previousHalf = 0;
        for (const QString& glyph : glyphs) {
            const int c = dc.GetTextExtent(glyph).width();
            if (m_textWidth > 0)
                along += (c / 2 + previousHalf) / static_cast<double>(m_textWidth) * p.span;
            previousHalf = c / 2;
            const double at = p.span / 2 + p.angle - along;
            DrawGlyph(dc, font, OnCircle(p.centreX, p.centreY, p.scaledRadius, at), glyph, p,
                      &region);
        }
        if (!printing)
            m_hitRegion = region;
    } else {
        DeviceFont turned = font;
        turned.escapement = TruncateToInt((p.angle + (m_inverse ? 180.0 : 0.0)) * -10);
        dc.SelectFont(turned);
        dc.TextOut(TruncateToInt(static_cast<double>(p.scaledX) + m_textWidth / 2 + p.cornerX[0]),
                   TruncateToInt(static_cast<double>(p.scaledY) - m_textHeight / 2 - p.cornerY[0]),
                   text);
    }
    if (printing) {
        m_textWidth = keptWidth;
        m_textHeight = keptHeight;
    }
    dc.SelectFont(oldFont);
    dc.SetTextColor(oldColour);
    dc.SetBkMode(oldMode);
}

bool CCirText::HitTest(int x, int y, float zoom) const {
    if (m_circular)
        return m_hitRegion.Contains({x, y});
    const Placement p = Track(Zoomed(X(), zoom), Zoomed(Y(), zoom), Zoomed(m_centreX, zoom),
                              Zoomed(m_centreY, zoom));
    return StraightRegion(p).Contains({x, y});
}

bool CCirText::IntersectsRect(const LogicalRect& r) const {
    const float zoom = m_paintZoom;
    const int left = Zoomed(r.left, zoom), top = Zoomed(r.top, zoom);
    const int right = Zoomed(r.right, zoom), bottom = Zoomed(r.bottom, zoom);
    if (m_circular)
        return m_hitRegion.Intersects(left, top, right, bottom);
    const Placement p = Track(Zoomed(X(), zoom), Zoomed(Y(), zoom), Zoomed(m_centreX, zoom),
                              Zoomed(m_centreY, zoom));
    return StraightRegion(p).Intersects(left, top, right, bottom);
}

void CCirText::DrawTracker(CDeviceContext& dc, int dx, int dy, bool withHandles) const {
    const RenderContext& context = dc.Context();
    const float zoom = context.viewZoom;
    const Placement p = Track(Zoomed(X(), zoom), Zoomed(Y(), zoom), Zoomed(m_centreX, zoom),
                              Zoomed(m_centreY, zoom));
    const UnitConversion& units = dc.Conversion();
    const QPoint offset(dx, dy);
    const auto device = [&](QPointF logical) {
        return units.LogicalToDevice({TruncateToInt(logical.x()), TruncateToInt(logical.y())}) +
               offset;
    };
    const QPointF middle(p.scaledX + m_textWidth / 2.0, p.scaledY - m_textHeight / 2.0);

    if (withHandles) {
        const RasterOp oldRop = dc.SetROP2(RasterOp::Invert);
        const Brush oldBrush = dc.SelectBrush(Brush::Solid(0));
        const Pen oldPen = dc.SelectPen(Pen{PenStyle::Solid, 0, 0});
        const MapMode oldMode = dc.SetMapMode(MapMode::Pixels);
        if (m_circular) {
            const double from = p.angle - (p.span + 4) / 2, to = p.angle + (p.span + 4) / 2;
            const QPoint centre = device({double(p.centreX), double(p.centreY)});
            for (double radius :
                 {p.scaledRadius + m_textHeight / 2.0, p.scaledRadius - m_textHeight / 2.0}) {
                const int r = std::abs(units.UnitsToPixels(TruncateToInt(radius)));
                const QPoint a = device(OnCircle(p.centreX, p.centreY, radius, from));
                const QPoint b = device(OnCircle(p.centreX, p.centreY, radius, to));
                // Counter-clockwise from the end nearer the text's end to its start.
                dc.Arc(centre.x() - r, centre.y() - r, centre.x() + r + 1, centre.y() + r + 1,
                       a.x(), a.y(), b.x(), b.y());
            }
            for (double angle : {from, to}) {
                const QPoint outer = device(
                    OnCircle(p.centreX, p.centreY, p.scaledRadius + m_textHeight / 2.0, angle));
                const QPoint inner = device(
                    OnCircle(p.centreX, p.centreY, p.scaledRadius - m_textHeight / 2.0, angle));
                dc.MoveTo(outer.x(), outer.y());
                dc.LineTo(inner.x(), inner.y());
            }
        } else {
            std::vector<QPoint> outline;
            for (int i = 0; i <= 4; ++i)
                outline.push_back(
                    device({middle.x() + p.cornerX[i % 4], middle.y() - p.cornerY[i % 4]}));
            dc.Polyline(outline);
        }
        dc.SetMapMode(oldMode);
        dc.SelectPen(oldPen);
        dc.SelectBrush(oldBrush);
        dc.SetROP2(oldRop);
    }
    DrawAnimatedLine(dc, device({double(p.centreX), double(p.centreY)}), device(middle),
                     context.animationStep, DashPhase::AgainstStep);
}
