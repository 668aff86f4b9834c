#pragma once

#include "base_object.h"
#include "platform/font_mapper.h"
#include "platform/logfont.h"
#include "platform/region.h"

#include <QPointF>

#include <QString>

// A line of text laid along a circle about a fixed centre, either character
// by character along the arc (circular) or as one rotated straight line;
// inverse turns it over so it reads from inside the circle. Angles are in
// degrees, 0 at the top, growing counter-clockwise. The base position is the
// top-left corner of the unrotated text box; the base size is not used.
class CCirText : public CBaseObject {
public:
    // For loading: empty text, everything else from the record.
    CCirText() = default;
    // A new text in Arial of 16 device pixels (converted through `units`),
    // placed on its circle at `zoom`.
    CCirText(QPoint centre, double radius, double angle, quint32 textColour, const QString& text,
             int circular, int inverse, const UnitConversion& units, float zoom);

    static const ArchiveClass& StaticClass();
    const ArchiveClass& Class() const override { return StaticClass(); }
    // Base record, text, circular, inverse, colour, centre, radius, angle, font.
    // Storing first follows a move not yet followed, so the record holds the
    // radius and angle the next paint would take; loading leaves the box to be
    // laid out from them at the first paint.
    void Serialize(Archive& ar) override;
    // Circular text has no resize handles.
    int HitTestHandle(QPoint, float, const UnitConversion&) const override { return -1; }

    // Puts the middle of the text box on the circle of radius `radius` (stored
    // in single precision) at `angle` degrees (stored rounded up to a whole
    // degree), for the text extent of the last measurement at `zoom`.
    void PlaceOnCircle(double radius, double angle, float zoom);
    // The same with radius and angle kept exactly as given.
    void SetCircle(double radius, double angle, float zoom);

    // Paints the text, expanded from the render context, along its circle or
    // as one turned line. On screen a move of the box (dragging, arrow keys)
    // is first taken into radius and angle (FollowMove); a new text extent
    // (other zoom, text, font or album data) then lays the box out again from
    // radius and angle, so the text never creeps. Printing places it from
    // radius and angle at the print scale.
    void Draw(CDeviceContext& dc, int dx, int dy) override;
    // The point (zoomed units) inside the glyph boxes of the last paint
    // (circular) or the turned text box (straight).
    bool HitTest(int x, int y, float zoom) const override;
    // The hit region against the rectangle scaled by the zoom of the last paint.
    bool IntersectsRect(const LogicalRect& r) const override;
    // The band the text covers (or its turned box) and a dotted line to the centre.
    void DrawTracker(CDeviceContext& dc, int dx, int dy, bool withHandles) const override;

    // Follows a move of the box (FollowMove) and recomputes the span and the
    // turned corners at `zoom`.
    void TrackPosition(float zoom);
    // Takes radius and angle from where a move (dragging, arrow keys) put the
    // box, when it moved by at least one unit at `zoom` in distance from the
    // centre or by a degree around it; smaller moves change neither. The box
    // keeps its place. Nothing to do when the box has not moved.
    void FollowMove(float zoom);
    // Measures the expanded text in the font at the view zoom into the text
    // width and height (zoomed logical units of `dc`) and lays the box out
    // again for that extent.
    void MeasureText(CDeviceContext& dc);

    // Where the text lies, in scaled units: what TrackPosition computes.
    struct Placement {
        int scaledX = 0, scaledY = 0; // top-left of the text box
        int centreX = 0, centreY = 0; // centre of the circle
        double scaledRadius = 0, angle = 0, span = 0;
        double cornerX[4] = {}, cornerY[4] = {};
    };
    Placement Track(int scaledX, int scaledY, int centreX, int centreY) const;
    // The straight-mode hit polygon of a placement.
    CRegion StraightRegion(const Placement& p) const;

    // What the user edits: the text (placeholders kept), its colour
    // (0x00BBGGRR), its font (lfHeight in logical units at zoom 1), whether it
    // runs along the circle and whether it is turned over. Change them inside
    // an edit of the document.
    const QString& Text() const { return m_text; }
    void SetText(const QString& text) { m_text = text; }
    quint32 TextColour() const { return m_textColour; }
    void SetTextColour(quint32 colour) { m_textColour = colour; }
    const LOGFONTA& Font() const { return m_font; }
    void SetFont(const LOGFONTA& font) { m_font = font; }
    int Circular() const { return m_circular; }
    void SetCircular(int circular) { m_circular = circular; }
    int Inverse() const { return m_inverse; }
    void SetInverse(int inverse) { m_inverse = inverse; }

    int m_scaledX = 0;
    int m_scaledY = 0;
    int m_centreX = 0;
    int m_centreY = 0;
    int m_textWidth = 0; // of the whole text at the current scale, from the last measurement
    int m_textHeight = 0;
    double m_cornerX[4] = {};
    double m_cornerY[4] = {};
    double m_angle = 0;
    double m_radius = 0;
    double m_scaledRadius = 0;
    double m_span = 0;
    CRegion m_hitRegion;      // glyph boxes of the last paint on screen (circular mode)
    float m_paintZoom = 1.0f; // the zoom of that paint and of the text extent

private:
    quint32 m_textColour = 0;
    QString m_text;
    int m_circular = 0;
    int m_inverse = 0;
    LOGFONTA m_font;

    void Apply(const Placement& p);
    // Sets x and y so that the middle of the box lies on the circle at radius
    // and angle, for the extent of the last measurement at `zoom`.
    void LayOut(float zoom);
    // The placement of the stored radius and angle at scale `s`, with the box
    // at (scaledX, scaledY) and the centre at (centreX, centreY).
    Placement Placed(int scaledX, int scaledY, int centreX, int centreY, float s) const;

    // Whether x and y were laid out (or a move followed) since loading, and
    // where the box was then: a different x or y is a move to follow.
    bool m_placed = false;
    int m_placedX = 0;
    int m_placedY = 0;
    void DrawGlyph(CDeviceContext& dc, DeviceFont font, QPointF middle, const QString& glyph,
                   const Placement& p, CRegion* region);
};

// Degrees to radians and back with pi taken as 3.1415926, which positions in
// files depend on.
inline constexpr double kDegreesToRadians = 0.017453292222222222;
inline constexpr double kRadiansToDegrees = 57.295780490442965;
