#include "cir_text.h"

#include "text.h"

#include <cmath>

CCirText::CCirText(QPoint centre, double radius, double angle, quint32 textColour,
                   const QString& text, int circular, int inverse, const UnitConversion& units,
                   float zoom)
    : m_textColour(textColour), m_text(text), m_centreX(centre.x()), m_centreY(centre.y()),
      m_circular(circular), m_inverse(inverse), m_angle(angle), m_radius(radius),
      m_font(DefaultTextFont(units.PixelsToUnits(16))) {
    m_selected = 0;
    // Until the first measurement the text box is taken as one font height square.
    m_textWidth = Zoomed(m_font.lfHeight, zoom);
    m_textHeight = m_textWidth;
    PlaceOnCircle(radius, angle, zoom);
}

const ArchiveClass& CCirText::StaticClass() {
    static const ArchiveClass cls{"CCirText", 0,
                                  [] { return std::unique_ptr<ArchiveObject>(new CCirText); }};
    return cls;
}

void CCirText::PlaceOnCircle(double radius, double angle, float zoom) {
    m_radius = radius;
    m_scaledRadius = radius * zoom;
    const double theta = -angle * kDegreesToRadians;
    m_x = static_cast<int>(radius * std::sin(theta) + m_centreX - m_textWidth * 0.5 / zoom);
    m_y = static_cast<int>(radius * std::cos(theta) + m_textHeight * 0.5 / zoom + m_centreY);
    m_angle = std::ceil(angle);
    m_radius = static_cast<float>(m_radius);
}

void CCirText::Serialize(Archive& ar) {
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
}
