#pragma once

#include "base_object.h"
#include "logfont.h"

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
    void Serialize(Archive& ar) override;
    // Circular text has no resize handles.
    int HitTestHandle(QPoint, float, const UnitConversion&) const override { return -1; }

    // Puts the middle of the text box on the circle of radius `radius` at
    // `angle` degrees (stored rounded up to a whole degree).
    void PlaceOnCircle(double radius, double angle, float zoom);

    quint32 m_textColour = 0;
    int m_scaledX = 0;
    int m_scaledY = 0;
    QString m_text;
    int m_centreX = 0;
    int m_centreY = 0;
    int m_textWidth = 0; // of the whole text at the current scale, from the last measurement
    int m_textHeight = 0;
    int m_circular = 0;
    int m_inverse = 0;
    double m_cornerX[4] = {};
    double m_cornerY[4] = {};
    double m_angle = 0;
    double m_radius = 0;
    double m_scaledRadius = 0;
    double m_span = 0;
    LOGFONTA m_font; // lfHeight in logical units at zoom 1
};

// Degrees to radians and back with pi taken as 3.1415926, which positions in
// files depend on.
inline constexpr double kDegreesToRadians = 0.017453292222222222;
inline constexpr double kRadiansToDegrees = 57.295780490442965;
