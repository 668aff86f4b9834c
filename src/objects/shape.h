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

    quint32 m_fillColour = 0xFFFFFF; // 0x00BBGGRR
    quint32 m_lineColour = 0xFFFFFF;
    int m_kind = kRectangle;
    int m_lineWidth = 0; // device pixels; below 1 means no outline of its own colour
    int m_radiusX = 0;   // positive, logical units
    int m_radiusY = 0;   // negative, like the height
};
