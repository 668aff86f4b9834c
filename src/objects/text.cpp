#include "text.h"

LOGFONTA DefaultTextFont(int height) {
    LOGFONTA font;
    font.SetFaceName(QStringLiteral("Arial"));
    font.lfHeight = height;
    font.lfCharSet = 1;
    font.lfWeight = 400;
    return font;
}

CText::CText(int left, int top, int right, int bottom, quint32 textColour, const QString& text,
             const UnitConversion& units)
    : m_textColour(textColour), m_text(text), m_font(DefaultTextFont(units.PixelsToUnits(10))) {
    SetX(left);
    SetY(top);
    SetWidth(right - left);
    SetHeight(bottom - top);
    SetSelected(0);
}

const ArchiveClass& CText::StaticClass() {
    static const ArchiveClass cls{"CText", 0,
                                  [] { return std::unique_ptr<ArchiveObject>(new CText); }};
    return cls;
}

void CText::Serialize(Archive& ar) {
    CBaseObject::Serialize(ar);
    ar.Dword(m_textColour);
    ar.String(m_text);
    // Rotation and alignment come before the font in the record.
    ar.Int(m_rotation);
    ar.Int(m_alignment);
    m_font.Serialize(ar);
}
