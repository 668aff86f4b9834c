#pragma once

#include "base_object.h"
#include "platform/logfont.h"
#include "track_list_layout.h"

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

    // Paints the text with its placeholders expanded from the render context,
    // word-wrapped in the scaled rectangle; text below the rectangle still shows.
    void Draw(CDeviceContext& dc, int dx, int dy) override;
    // Anywhere inside the zoomed rectangle, lines or not.
    bool HitTest(int x, int y, float zoom) const override;

    // The DrawText flags the text is painted with.
    unsigned DrawFlags() const;

    quint32 m_textColour = 0;
    QString m_text;
    LOGFONTA m_font;     // lfHeight in logical units at zoom 1
    int m_rotation = 0;  // 0, 90, 180 or 270
    int m_alignment = 0; // kLeft, kCentre or kRight

private:
    // A text holding the whole track list is laid out to fit its rectangle
    // (scaled device coordinates as given); false for any other text.
    bool DrawTrackList(CDeviceContext& dc, int left, int top, int right, int bottom);
    TrackListLayoutCache m_trackListLayout;
};

// Arial in the given logical height, character set 1, normal weight: what new
// text objects start with.
LOGFONTA DefaultTextFont(int height);
