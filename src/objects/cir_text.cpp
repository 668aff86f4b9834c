#include "cir_text.h"

#include "text.h"

#include <cmath>

CCirText::CCirText(QPoint centre, double radius, double angle, quint32 textColour,
                   const QString& text, int circular, int inverse, const UnitConversion& units,
                   float zoom)
    : m_centreX(centre.x()), m_centreY(centre.y()), m_angle(angle), m_radius(radius),
      m_textColour(textColour), m_text(text), m_circular(circular), m_inverse(inverse),
      m_font(DefaultTextFont(units.PixelsToUnits(16))) {
    SetSelected(0);
    // Until the first measurement the text box is taken as one font height square.
    m_textWidth = Zoomed(m_font.lfHeight, zoom);
    m_textHeight = m_textWidth;
    m_paintZoom = zoom;
    PlaceOnCircle(radius, angle, zoom);
}

const ArchiveClass& CCirText::StaticClass() {
    static const ArchiveClass cls{"CCirText", 0,
                                  [] { return std::unique_ptr<ArchiveObject>(new CCirText); }};
    return cls;
}

void CCirText::PlaceOnCircle(double radius, double angle, float zoom) {
    SetCircle(static_cast<float>(radius), std::ceil(angle), zoom);
}

void CCirText::SetCircle(double radius, double angle, float zoom) {
    m_radius = radius;
    m_angle = angle;
    LayOut(zoom);
}

void CCirText::LayOut(float zoom) {
    const double z = zoom > 0 ? zoom : 1.0;
    // The middle of the box sits at (centre x - R sin angle, centre y + R cos angle).
    const double theta = -m_angle * kDegreesToRadians;
    SetX(TruncateToInt(m_radius * std::sin(theta) + m_centreX - m_textWidth * 0.5 / z));
    SetY(TruncateToInt(m_radius * std::cos(theta) + m_textHeight * 0.5 / z + m_centreY));
    m_scaledRadius = m_radius * z;
    m_placed = true;
    m_placedX = X();
    m_placedY = Y();
}

void CCirText::FollowMove(float zoom) {
    if (!m_placed || (X() == m_placedX && Y() == m_placedY))
        return;
    // The middle of the box for the extent it was laid out with, in exact halves
    // as LayOut took them, so a box that did not move gives back its circle.
    const double extentZoom = m_paintZoom > 0 ? m_paintZoom : 1.0;
    const double dx = X() + m_textWidth * 0.5 / extentZoom - m_centreX;
    const double dy = Y() - m_textHeight * 0.5 / extentZoom - m_centreY;
    const double z = zoom > 0 ? zoom : 1.0;
    const double distance = std::sqrt(dx * dx + dy * dy);
    if (std::abs(TruncateToInt((distance - m_radius) * z)) >= 1)
        m_radius = distance;
    const double angle = -std::atan2(dx, dy) * kRadiansToDegrees;
    // Compared the short way round, so 180 and -179.9 are a tenth of a degree apart.
    if (std::abs(TruncateToInt(std::remainder(angle - m_angle, 360.0))) >= 1)
        m_angle = angle;
    m_scaledRadius = m_radius * z;
    m_placedX = X();
    m_placedY = Y();
}

void CCirText::Serialize(Archive& ar) {
    // A drag's release records the change before the next paint follows the move.
    if (ar.IsStoring())
        FollowMove(m_paintZoom);
    CBaseObject::Serialize(ar);
    ar.String(m_text);
    ar.Int(m_circular);
    ar.Int(m_inverse);
    ar.Dword(m_textColour);
    ar.Int(m_centreX);
    ar.Int(m_centreY);
    ar.Double(m_radius);
    ar.Double(m_angle);
    m_font.Serialize(ar);
    if (ar.IsLoading())
        m_placed = false;
}
