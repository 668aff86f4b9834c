#pragma once

#include "base_object.h"

// A filled figure: rectangle, round rectangle, ellipse or diamond, with a
// solid fill and a solid outline.
class CShape : public CBaseObject {
public:
    enum Kind : int { kRectangle = 0, kRoundRect = 1, kEllipse = 2, kDiamond = 3 };

    // For loading: zero rectangle, white fill and line.
    CShape() = default;
    // A new figure over the rectangle: line width 1 and 5 mm corner radii.
    CShape(int left, int top, int right, int bottom, int kind, quint32 fillColour,
           quint32 lineColour);

    static const ArchiveClass& StaticClass();
    const ArchiveClass& Class() const override { return StaticClass(); }
    // Base record, then fill, line, kind (2 bytes), line width and radii.
    void Serialize(Archive& ar) override;

    void Draw(CDeviceContext& dc, int dx, int dy) override;
    // The figure's own region (ellipse, diamond or rectangle) against the point
    // or rectangle; a kind outside 0-3 is never hit.
    bool HitTest(int x, int y, float zoom) const override;
    bool IntersectsRect(const LogicalRect& r) const override;
    // The base's handles, then 8 for the corner-radius handle of a round rectangle.
    int HitTestHandle(QPoint devicePoint, float zoom, const UnitConversion& units) const override;
    void DrawTracker(CDeviceContext& dc, int dx, int dy, bool withHandles) const override;

    // Handle number of the corner radius.
    static constexpr int kCornerHandle = 8;
    // Whether the round rectangle is larger than one corner in both directions,
    // so its corner-radius handle exists.
    bool HasCornerHandle() const;
    // The corner-radius handle's centre in pixels of `units` at `zoom`.
    QPoint CornerHandleCentre(float zoom, const UnitConversion& units) const;

    // The look: colours 0x00BBGGRR, the kind (kRectangle ... kDiamond), the
    // outline width in device pixels (below 1: no outline of its own colour)
    // and a round rectangle's corner radii (x positive, y negative, like the
    // height, in logical units). Change them inside an edit of the document.
    quint32 FillColour() const { return m_fillColour; }
    void SetFillColour(quint32 colour) { m_fillColour = colour; }
    quint32 LineColour() const { return m_lineColour; }
    void SetLineColour(quint32 colour) { m_lineColour = colour; }
    int Kind() const { return m_kind; }
    void SetKind(int kind) { m_kind = kind; }
    int LineWidth() const { return m_lineWidth; }
    void SetLineWidth(int width) { m_lineWidth = width; }
    int RadiusX() const { return m_radiusX; }
    int RadiusY() const { return m_radiusY; }
    void SetRadii(int radiusX, int radiusY) {
        m_radiusX = radiusX;
        m_radiusY = radiusY;
    }

private:
    quint32 m_fillColour = 0xFFFFFF;
    quint32 m_lineColour = 0xFFFFFF;
    int m_kind = kRectangle;
    int m_lineWidth = 0;
    int m_radiusX = 0;
    int m_radiusY = 0;
};
