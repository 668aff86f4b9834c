#pragma once

#include "platform/logfont.h"
#include "tracks/placeholders.h"

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

#include <vector>

class QPainter;

// One line of a text block that holds the whole track list: a line of the
// text around the list, or one track ("01. Title – Artist" with its play time
// at the right of its column). A line is never broken.
struct TrackBlockLine {
    bool track = false;
    QString number;   // tracks: "01."
    QString text;     // tracks: the title (and artist); text lines: the line
    QString playTime; // tracks: shown right-aligned, may be empty

    bool operator==(const TrackBlockLine&) const = default;
};

// The lines of an expanded text whose pieces hold the track list: text lines
// split at line breaks, the tracks where the list stands (a line break right
// after the list only ends it). An album without tracks gives no track lines.
std::vector<TrackBlockLine> TrackBlockLines(const std::vector<ExpandedPiece>& pieces,
                                            const AlbumData& album);

// What a block is laid out from; equal inputs give the same layout.
struct TrackListLayoutInput {
    std::vector<TrackBlockLine> lines;
    LOGFONTA font;     // the object's font: its height is the largest size used
    double width = 0;  // the block's rectangle in logical units at zoom 1
    double height = 0; // (positive)
    int alignment = 0; // of text lines in their column: 0 left, 1 centre, 2 right

    bool operator==(const TrackListLayoutInput&) const = default;
};

// Fits a whole track list into its rectangle. The block is laid out in one,
// two or three columns (top to bottom, then left to right, one em apart) at
// the largest font size, not above the object's own, at which every line
// fits its column whole; the column count that allows the largest size wins.
// When even 4 points (or the object's size, if smaller) does not fit, titles
// are shortened with "…" at that size and lines that find no room are left
// out, the last line shown ending with "…".
//
// The layout is made in logical units at zoom 1 from the advances of one
// large unhinted reference font, which scale exactly with the size, and
// painted by scaling that font: screen at any zoom, print, export and PDF
// all show the same lines in the same places.
class TrackListLayout {
public:
    struct PlacedLine {
        QPointF origin;      // top-left of the line's cell, logical units from the block's corner
        double width = 0;    // the column's width
        TrackBlockLine line; // as shown, possibly shortened
    };

    TrackListLayout() = default;
    explicit TrackListLayout(const TrackListLayoutInput& input);

    int Columns() const { return m_columns; }
    // The em size the block is shown at, logical units.
    double EmSize() const { return m_em; }
    bool Shortened() const { return m_shortened; }
    const std::vector<PlacedLine>& Lines() const { return m_lines; }

    // Paints the block into `deviceBox` (the object's rectangle on the
    // device, whatever the scale), never outside it.
    void Paint(QPainter& painter, const QRectF& deviceBox, const QColor& colour) const;

private:
    void Place(const std::vector<TrackBlockLine>& lines, int count, double columnWidth);
    void Shorten(TrackBlockLine& line, double columnWidth, bool last) const;
    // Advance of a piece at the reference size.
    double Advance(const QString& text) const;

    QFont m_font; // the reference font: its pixel size stands for one em
    double m_reference = 1;
    double m_ascent = 0; // at the reference size
    double m_cell = 1;   // ascent plus descent at the reference size
    double m_width = 0, m_height = 0;
    int m_alignment = 0;
    int m_columns = 1;
    double m_em = 0;
    bool m_shortened = false;
    std::vector<PlacedLine> m_lines;
};

// Keeps one object's last layout and makes a new one only when its input
// (text, tracks, font, size) changed, so repainting costs no layout.
class TrackListLayoutCache {
public:
    const TrackListLayout& Get(TrackListLayoutInput input);

private:
    TrackListLayoutInput m_input;
    TrackListLayout m_layout;
    bool m_valid = false;
};
