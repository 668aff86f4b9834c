#pragma once

#include <QFontMetricsF>
#include <QString>

#include <vector>

// Flags of the word-wrapping text drawing, with the values of the Windows
// DrawText flags they stand for (project files store the alignment as these).
enum DrawTextFlag : unsigned {
    kDtLeft = 0x0,
    kDtCenter = 0x1,
    kDtRight = 0x2,
    kDtSingleLine = 0x20,
    kDtWordBreak = 0x10,
    kDtExpandTabs = 0x40,
    kDtNoClip = 0x100,
    kDtNoPrefix = 0x800,
    kDtEditControl = 0x2000,
};

// One laid-out line: its text (tabs kept) and its advance in pixels.
struct TextLine {
    QString text;
    double width = 0;
};

// Breaks `text` into lines for a box `width` pixels wide. Carriage return plus
// line feed (or either alone) ends a line. With kDtWordBreak lines wrap at
// spaces, the spaces at a wrap are dropped, and a word wider than the box is
// broken between characters (at least one character per line). With
// kDtExpandTabs a tab advances to the next multiple of `tabWidth`.
std::vector<TextLine> LayoutText(const QString& text, const QFontMetricsF& metrics, double width,
                                 unsigned flags, double tabWidth);

// The advance of one line starting at x = 0, tabs expanded.
double LineAdvance(QStringView line, const QFontMetricsF& metrics, double tabWidth);
