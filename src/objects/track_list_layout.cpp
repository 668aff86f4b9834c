#include "track_list_layout.h"

#include "platform/font_mapper.h"
#include "tracks/track_list.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// The em of the reference font in pixels: large enough that advances carry
// no rounding worth speaking of, small enough for the glyph caches.
constexpr int kReferencePixels = 200;
// 4 points in logical units (0.01 mm): 4/72 inch.
constexpr double kSmallestEm = 4.0 * 2540.0 / 72.0;
// A record of height 0 asks for the default 16-pixel cell: at 96 pixels an
// inch that is 16 * 2540 / 96 logical units.
constexpr double kDefaultCell = 16.0 * 2540.0 / 96.0;
constexpr int kMostColumns = 3;
const QString kEllipsis = QStringLiteral("\u2026");
// Between a title and its play time.
const QString kTimeGap = QStringLiteral("  ");

QFont ReferenceFont(const LOGFONTA& record) {
    std::optional<DeviceFont> font = MapLogFont(record, -kReferencePixels);
    if (!font) {
        // The same stand-in the text object draws with when its font fails.
        LOGFONTA arial;
        arial.SetFaceName(QStringLiteral("Arial"));
        arial.lfWeight = kFwNormal;
        arial.lfCharSet = kDefaultCharset;
        font = MapLogFont(arial, -kReferencePixels);
    }
    QFont reference = font ? font->font : QFont();
    reference.setPixelSize(kReferencePixels);
    // Unhinted advances grow exactly with the size, so one measurement serves
    // every size and every device.
    reference.setHintingPreference(QFont::PreferNoHinting);
    return reference;
}

void AppendTextLines(QStringView text, bool afterList, QString& current,
                     std::vector<TrackBlockLine>& lines) {
    // A line break right after the list only ends the list's last line.
    if (afterList) {
        if (text.startsWith(u"\r\n"))
            text = text.sliced(2);
        else if (text.startsWith(u'\r') || text.startsWith(u'\n'))
            text = text.sliced(1);
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            lines.push_back({false, {}, current, {}});
            current.clear();
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else {
            current += c == u'\t' ? QChar(u' ') : c;
        }
    }
}

} // namespace

std::vector<TrackBlockLine> TrackBlockLines(const std::vector<ExpandedPiece>& pieces,
                                            const AlbumData& album) {
    std::vector<TrackBlockLine> lines;
    QString current;
    bool afterList = false;
    for (const ExpandedPiece& piece : pieces) {
        if (!piece.trackList) {
            AppendTextLines(piece.text, afterList, current, lines);
            afterList = false;
            continue;
        }
        if (!current.isEmpty())
            lines.push_back({false, {}, current, {}});
        current.clear();
        for (const TrackListLine& track : TrackListLines(album))
            lines.push_back({true, track.number, track.title, track.playTime});
        afterList = true;
    }
    if (!current.isEmpty())
        lines.push_back({false, {}, current, {}});
    return lines;
}

double TrackListLayout::Advance(const QString& text) const {
    return text.isEmpty() ? 0 : QFontMetricsF(m_font).horizontalAdvance(text);
}

TrackListLayout::TrackListLayout(const TrackListLayoutInput& input)
    : m_font(ReferenceFont(input.font)), m_reference(kReferencePixels), m_width(input.width),
      m_height(input.height), m_alignment(input.alignment) {
    const QFontMetricsF metrics(m_font);
    m_ascent = metrics.ascent();
    m_cell = std::max(metrics.ascent() + metrics.descent(), 1.0);
    const int count = static_cast<int>(input.lines.size());
    if (count == 0 || !(m_width > 0) || !(m_height > 0))
        return;

    // The object's own size as an em in logical units: a positive height is
    // the cell (ascent plus descent), a negative one the em itself.
    const LOGFONTA& font = input.font;
    const double ownEm = font.lfHeight > 0   ? font.lfHeight * m_reference / m_cell
                         : font.lfHeight < 0 ? -static_cast<double>(font.lfHeight)
                                             : kDefaultCell * m_reference / m_cell;
    const double gap = Advance(kTimeGap);
    double widest = 0; // reference pixels
    for (const TrackBlockLine& line : input.lines) {
        const double w = line.track
                             ? Advance(line.number + QLatin1Char(' ') + line.text) +
                                   (line.playTime.isEmpty() ? 0 : gap + Advance(line.playTime))
                             : Advance(line.text);
        widest = std::max(widest, w);
    }

    // With c columns at em e: c * widest * e / R + (c - 1) * e <= width, and
    // rows * cell * e / R <= height. Both bounds are linear in e.
    const int most = std::min(kMostColumns, count);
    double bestEm = 0;
    for (int c = 1; c <= most; ++c) {
        const int rows = (count + c - 1) / c;
        const double byWidth = m_width / (c * widest / m_reference + (c - 1));
        const double byHeight = m_height / (rows * m_cell / m_reference);
        const double em = std::min({ownEm, byWidth, byHeight});
        // A tiny margin keeps a tie with the fewer columns.
        if (em > bestEm * (1 + 1e-9)) {
            bestEm = em;
            m_columns = c;
        }
    }
    const double smallest = std::min(kSmallestEm, ownEm);
    if (bestEm >= smallest) {
        m_em = bestEm;
        Place(input.lines, count, (m_width - (m_columns - 1) * m_em) / m_columns);
        return;
    }

    // Even the smallest size does not fit: shorten at that size. Take the
    // fewest columns that show every line, else the most lines; a column
    // must hold at least a number, an ellipsis and a short time.
    m_em = smallest;
    m_shortened = true;
    const double lineHeight = m_cell * m_em / m_reference;
    const int rowsFit = static_cast<int>(std::floor(m_height / lineHeight + 1e-9));
    const double narrowest = Advance(QStringLiteral("00. \u2026  0:00")) * m_em / m_reference;
    int chosen = 0, shown = -1;
    for (int c = 1; c <= most; ++c) {
        const double columnWidth = (m_width - (c - 1) * m_em) / c;
        if (columnWidth < narrowest && c > 1)
            break;
        const int fits = std::min(count, rowsFit * c);
        if (fits > shown) {
            shown = fits;
            chosen = c;
        }
        if (fits == count)
            break;
    }
    m_columns = std::max(chosen, 1);
    if (shown <= 0)
        return;
    const double columnWidth = (m_width - (m_columns - 1) * m_em) / m_columns;
    std::vector<TrackBlockLine> lines(input.lines.begin(), input.lines.begin() + shown);
    for (int i = 0; i < shown; ++i)
        Shorten(lines[size_t(i)], columnWidth, i == shown - 1 && shown < count);
    Place(lines, shown, columnWidth);
}

void TrackListLayout::Shorten(TrackBlockLine& line, double columnWidth, bool last) const {
    const QFontMetricsF metrics(m_font);
    double room = columnWidth * m_reference / m_em; // reference pixels
    QString* text = &line.text;
    if (line.track) {
        room -= Advance(line.number + QLatin1Char(' '));
        const double withTime = room - Advance(kTimeGap) - Advance(line.playTime);
        // The time goes when even an ellipsis finds no room beside it, and on
        // the last line shown, which ends with the ellipsis.
        if (last || line.playTime.isEmpty() || withTime < Advance(kEllipsis))
            line.playTime.clear();
        else
            room = withTime;
    }
    if (last) {
        QString cut = metrics.elidedText(*text, Qt::ElideRight, room - Advance(kEllipsis));
        if (!cut.endsWith(kEllipsis))
            cut += kEllipsis;
        *text = cut;
    } else if (Advance(*text) > room) {
        *text = metrics.elidedText(*text, Qt::ElideRight, room);
        if (text->isEmpty() && !line.track)
            *text = kEllipsis;
    }
    if (line.track && text->isEmpty())
        *text = kEllipsis;
}

void TrackListLayout::Place(const std::vector<TrackBlockLine>& lines, int count,
                            double columnWidth) {
    const int rows = (count + m_columns - 1) / m_columns;
    const double lineHeight = m_cell * m_em / m_reference;
    m_lines.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        const int column = i / rows, row = i % rows;
        m_lines.push_back({QPointF(column * (columnWidth + m_em), row * lineHeight), columnWidth,
                           lines[size_t(i)]});
    }
}

void TrackListLayout::Paint(QPainter& painter, const QRectF& deviceBox,
                            const QColor& colour) const {
    if (m_lines.empty() || deviceBox.isEmpty())
        return;
    painter.save();
    painter.setClipRect(deviceBox, Qt::IntersectClip);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setPen(colour);
    painter.setFont(m_font);
    // Logical units of the block onto the device box, then one em of the
    // reference font onto the block's em.
    QTransform toBox;
    toBox.translate(deviceBox.left(), deviceBox.top());
    toBox.scale(deviceBox.width() / m_width, deviceBox.height() / m_height);
    const double glyphScale = m_em / m_reference;
    const QTransform base = painter.transform();
    const QFontMetricsF metrics(m_font);
    for (const PlacedLine& placed : m_lines) {
        const double columnWidth = placed.width / glyphScale; // reference pixels
        QTransform line;
        line.translate(placed.origin.x(), placed.origin.y());
        line.scale(glyphScale, glyphScale);
        painter.setTransform(line * toBox * base);
        const TrackBlockLine& l = placed.line;
        if (l.track) {
            painter.drawText(QPointF(0, m_ascent), l.number + QLatin1Char(' ') + l.text);
            if (!l.playTime.isEmpty())
                painter.drawText(
                    QPointF(columnWidth - metrics.horizontalAdvance(l.playTime), m_ascent),
                    l.playTime);
        } else if (!l.text.isEmpty()) {
            const double free = columnWidth - metrics.horizontalAdvance(l.text);
            const double x = m_alignment == 1 ? free / 2 : m_alignment == 2 ? free : 0;
            painter.drawText(QPointF(std::max(x, 0.0), m_ascent), l.text);
        }
    }
    painter.restore();
}

const TrackListLayout& TrackListLayoutCache::Get(TrackListLayoutInput input) {
    if (!m_valid || !(input == m_input)) {
        m_layout = TrackListLayout(input);
        m_input = std::move(input);
        m_valid = true;
    }
    return m_layout;
}
