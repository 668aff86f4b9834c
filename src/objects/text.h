#pragma once

#include "base_object.h"
#include "logfont.h"

#include <QString>

// A block of straight text inside a rectangle, word-wrapped to its width, in
// one font and one colour. The text may hold placeholders, which are expanded
// each time it is painted; the stored text keeps them.
class CText : public CBaseObject {
public:
    enum Alignment : int { kLeft = 0, kCentre = 1, kRight = 2 };

    // For loading: empty text, everything else from the record.
    CText() = default;
    // A new text over the rectangle in Arial of 10 device pixels (converted
    // through `units`), rotation 0, aligned left.
    CText(int left, int top, int right, int bottom, quint32 textColour, const QString& text,
          const UnitConversion& units);

    static const ArchiveClass& StaticClass();
    const ArchiveClass& Class() const override { return StaticClass(); }
    // Base record, colour, text, rotation, alignment, then the 60-byte font.
    void Serialize(Archive& ar) override;

    quint32 m_textColour = 0;
    QString m_text;
    LOGFONTA m_font;     // lfHeight in logical units at zoom 1
    int m_rotation = 0;  // 0, 90, 180 or 270
    int m_alignment = 0; // kLeft, kCentre or kRight
};

// Arial in the given logical height, character set 1, normal weight: what new
// text objects start with.
LOGFONTA DefaultTextFont(int height);
