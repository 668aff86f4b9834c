#include "text_layout.h"

#include <cmath>

namespace {
bool IsBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

double NextTabStop(double x, double tabWidth) {
    return tabWidth > 0 ? (std::floor(x / tabWidth) + 1) * tabWidth : x;
}

// Advance of a run of blanks starting at x.
double BlanksEnd(QStringView blanks, double x, const QFontMetricsF& m, double tabWidth,
                 bool expandTabs) {
    for (QChar c : blanks)
        x = (c == QLatin1Char('\t') && expandTabs) ? NextTabStop(x, tabWidth)
                                                   : x + m.horizontalAdvance(c);
    return x;
}

class Wrapper {
public:
    Wrapper(const QFontMetricsF& m, double width, unsigned flags, double tabWidth,
            std::vector<TextLine>& out)
        : m_m(m), m_width(width), m_wrap(flags & kDtWordBreak), m_tabs(flags & kDtExpandTabs),
          m_tabWidth(tabWidth), m_out(out) {}

    void Paragraph(QStringView para) {
        m_line.clear();
        m_x = 0;
        bool lineStart = true;
        bool paragraphStart = true;
        qsizetype i = 0;
        while (i < para.size()) {
            qsizetype j = i;
            while (j < para.size() && IsBlank(para[j]))
                ++j;
            const QStringView blanks = para.mid(i, j - i);
            qsizetype k = j;
            while (k < para.size() && !IsBlank(para[k]))
                ++k;
            const QStringView word = para.mid(j, k - j);
            i = k;

            const double wordWidth = m_m.horizontalAdvance(word.toString());
            if (!m_wrap) {
                Append(blanks, word, wordWidth);
                continue;
            }
            if (lineStart) {
                // Blanks before the first word of a paragraph are kept; those at
                // a wrap are dropped.
                if (paragraphStart)
                    Append(blanks, {}, 0);
                PlaceWordAtLineStart(word, wordWidth);
            } else {
                const double end = BlanksEnd(blanks, m_x, m_m, m_tabWidth, m_tabs) + wordWidth;
                if (end <= m_width || word.isEmpty()) {
                    Append(blanks, word, wordWidth);
                } else {
                    Emit();
                    PlaceWordAtLineStart(word, wordWidth);
                }
            }
            lineStart = m_line.isEmpty() && m_x == 0;
            paragraphStart = false;
        }
        Emit();
    }

private:
    void Append(QStringView blanks, QStringView word, double wordWidth) {
        m_x = BlanksEnd(blanks, m_x, m_m, m_tabWidth, m_tabs) + wordWidth;
        m_line += blanks;
        m_line += word;
    }
    void PlaceWordAtLineStart(QStringView word, double wordWidth) {
        if (m_x + wordWidth <= m_width || word.isEmpty()) {
            Append({}, word, wordWidth);
            return;
        }
        if (!m_line.isEmpty())
            Emit(); // leading blanks that already fill the line
        // One pass over the characters: a line takes as many as fit, at
        // least one, so a huge word costs time in proportion to its length.
        qsizetype start = 0;
        double x = 0;
        for (qsizetype i = 0; i < word.size();) {
            const qsizetype step = (word[i].isHighSurrogate() && i + 1 < word.size()) ? 2 : 1;
            const double advance = m_m.horizontalAdvance(word.mid(i, step).toString());
            if (x + advance > m_width && i > start) {
                Append({}, word.mid(start, i - start), x);
                Emit();
                start = i;
                x = 0;
            }
            x += advance;
            i += step;
        }
        Append({}, word.mid(start), x);
    }
    void Emit() {
        m_out.push_back(TextLine{m_line, m_x});
        m_line.clear();
        m_x = 0;
    }

    const QFontMetricsF& m_m;
    double m_width;
    bool m_wrap;
    bool m_tabs;
    double m_tabWidth;
    std::vector<TextLine>& m_out;
    QString m_line;
    double m_x = 0;
};
} // namespace

std::vector<TextLine> LayoutText(const QString& text, const QFontMetricsF& metrics, double width,
                                 unsigned flags, double tabWidth) {
    std::vector<TextLine> lines;
    Wrapper wrapper(metrics, width, flags, tabWidth, lines);
    if (flags & kDtSingleLine) {
        QString flat = text;
        flat.replace(QLatin1Char('\r'), QLatin1Char(' '))
            .replace(QLatin1Char('\n'), QLatin1Char(' '));
        lines.push_back(TextLine{flat, LineAdvance(flat, metrics, tabWidth)});
        return lines;
    }
    const QStringView all(text);
    qsizetype start = 0;
    for (qsizetype i = 0; i <= all.size(); ++i) {
        if (i < all.size() && all[i] != QLatin1Char('\r') && all[i] != QLatin1Char('\n'))
            continue;
        wrapper.Paragraph(all.mid(start, i - start));
        if (i + 1 < all.size() && all[i] == QLatin1Char('\r') && all[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    return lines;
}

double LineAdvance(QStringView line, const QFontMetricsF& metrics, double tabWidth) {
    double x = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= line.size(); ++i) {
        if (i < line.size() && line[i] != QLatin1Char('\t'))
            continue;
        x += metrics.horizontalAdvance(line.mid(start, i - start).toString());
        if (i < line.size())
            x = NextTabStop(x, tabWidth);
        start = i + 1;
    }
    return x;
}
