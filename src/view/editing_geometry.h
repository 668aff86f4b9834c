#pragma once

#include "objects/proportional_resize.h"
#include "platform/unit_conversion.h"

#include <QPoint>
#include <QRect>

class CBaseObject;

// The arithmetic of mouse editing: conversions between the view's pixels and
// face units, and the rectangles that moving, resizing and the round-rectangle
// corner handle give. Every division truncates toward zero, as positions in
// saved projects depend on it.

// How the view maps pixels to face units at its current zoom.
struct PixelMapping {
    float zoom = 1.0f;
    UnitConversion units;

    // A pixel point in zoomed units (y negated, no division by the zoom): what
    // CBaseObject::HitTest expects.
    QPoint ZoomedUnits(QPoint pixel) const { return units.DeviceToLogical(pixel); }
    // A page point (pixels from the face's top-left corner) in face units: each
    // coordinate divided by the zoom and truncated, then converted, y negated.
    QPoint FaceUnits(QPoint page) const;
    // The normalised page rectangle between two corners in face units; its top
    // lies above its bottom (top > bottom).
    LogicalRect FaceRect(QPoint pageA, QPoint pageB) const;
};

ObjectRect RectOf(const CBaseObject& object);

// `v` moved toward zero onto the grid: v - v rem spacing. A spacing of 0 or
// less leaves it.
int SnapToGrid(int v, int spacing);

// Where a coordinate saved at `saved` lands when the mouse has moved `delta`
// zoomed units: saved + delta / zoom in single precision, truncated as a
// whole, then snapped when `gridSpacing` > 0.
int DraggedCoordinate(int saved, int delta, float zoom, int gridSpacing);

// Handle numbers of the select tool: 0-7 the resize handles clockwise from
// the top-left corner, 8 the corner radius of a round rectangle.
inline constexpr int kCornerRadiusHandle = 8;

// The rectangle of an object resized with `handle` by (dx, dy) face units
// from its saved rectangle. An edge that would leave the object narrower than
// 2 units or shallower than -2 keeps its place in `current`. Objects that
// keep their proportions (`keepAspect`) follow ProportionalResize and do not
// snap; other objects snap every field to the grid when `gridSpacing` > 0,
// keeping at least one grid step of width and height.
ObjectRect ResizedRect(const ObjectRect& current, const ObjectRect& saved, int handle, int dx,
                       int dy, bool keepAspect, int gridSpacing);

// The corner radii (x positive, y negative) a round rectangle `r` gets when
// its corner handle is dragged to the face point `c`, kept inside its
// top-right quarter: 1 .. width - width/2 and height/2 .. -1.
QPoint CornerRadiiAt(const ObjectRect& r, QPoint c);
