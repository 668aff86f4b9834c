// Text output of CDeviceContext: single lines, extents and word-wrapped boxes.
#include "device_context.h"

#include <QFontMetrics>
#include <QFontMetricsF>

#include <cmath>

namespace {
// Draws one line whose cell's top-left is at `origin` (device pixels), tabs expanded.
void DrawLine(QPainter& painter, QPointF origin, QStringView line, const QFontMetricsF& metrics,
              double tabWidth) {
    double x = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= line.size(); ++i) {
        if (i < line.size() && line[i] != QLatin1Char('\t'))
            continue;
        const QString piece = line.mid(start, i - start).toString();
        if (!piece.isEmpty())
            painter.drawText(QPointF(origin.x() + x, origin.y() + metrics.ascent()), piece);
        x += metrics.horizontalAdvance(piece);
        if (i < line.size() && tabWidth > 0)
            x = (std::floor(x / tabWidth) + 1) * tabWidth;
        start = i + 1;
    }
}

double TabWidth(const QFontMetricsF& metrics) {
    return 8 * metrics.averageCharWidth();
}
} // namespace

void CDeviceContext::TextOut(int x, int y, const QString& text) {
    if (text.isEmpty())
        return;
    const QPoint d = LPtoDP({x, y});
    const QFontMetricsF metrics(m_font.font);
    const double width = metrics.horizontalAdvance(text);
    const double height = metrics.ascent() + metrics.descent();
    // Skip text that cannot reach the device whatever its angle.
    const double reach = width + height;
    const QRectF device(0, 0, m_deviceSize.width(), m_deviceSize.height());
    if (!QRectF(d.x() - reach, d.y() - reach, 2 * reach, 2 * reach).intersects(device) &&
        m_painter.transform().isIdentity())
        return;
    m_painter.save();
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_painter.setFont(m_font.font);
    m_painter.translate(d.x(), d.y());
    // The escapement turns the baseline from the logical x axis toward the
    // logical -y axis: counter-clockwise on a pixel mapping, clockwise as seen
    // on the metric mapping, whose y axis points up.
    if (m_font.escapement != 0)
        m_painter.rotate((m_mapMode == MapMode::HiMetric ? 1 : -1) * m_font.escapement / 10.0);
    if (m_bkMode == BackgroundMode::Opaque)
        m_painter.fillRect(QRectF(0, 0, width, height), ToQColor(m_bkColour));
    m_painter.setPen(ToQColor(m_textColour));
    m_painter.drawText(QPointF(0, metrics.ascent()), text);
    m_painter.restore();
}

QSize CDeviceContext::GetTextExtent(const QString& text) const {
    const QFontMetrics metrics(m_font.font);
    const QSize device(metrics.horizontalAdvance(text), metrics.ascent() + metrics.descent());
    const QSize logical = DPtoLPSize(device);
    return {std::abs(logical.width()), std::abs(logical.height())};
}

int CDeviceContext::DrawText(const QString& text, int left, int top, int right, int bottom,
                             unsigned flags) {
    const QRect box = DeviceRect(left, top, right, bottom);
    const QFontMetricsF metrics(m_font.font);
    const double tabWidth = TabWidth(metrics);
    const std::vector<TextLine> lines = LayoutText(text, metrics, box.width(), flags, tabWidth);
    const int lineHeight = QFontMetrics(m_font.font).ascent() + QFontMetrics(m_font.font).descent();

    m_painter.save();
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_painter.setFont(m_font.font);
    m_painter.setPen(ToQColor(m_textColour));
    // Lines entirely outside the device are not drawn (they would not show).
    const bool plain = m_painter.transform().isIdentity();
    for (size_t i = 0; i < lines.size(); ++i) {
        const double y = box.top() + static_cast<double>(i) * lineHeight;
        if (plain && (y + lineHeight < 0 || y > m_deviceSize.height()))
            continue;
        const TextLine& line = lines[i];
        double x = box.left();
        if (flags & kDtCenter)
            x = box.left() + (box.width() - line.width) / 2.0;
        else if (flags & kDtRight)
            x = box.left() + box.width() - line.width;
        if (m_bkMode == BackgroundMode::Opaque)
            m_painter.fillRect(QRectF(x, y, line.width, lineHeight), ToQColor(m_bkColour));
        DrawLine(m_painter, QPointF(std::floor(x), y), line.text, metrics, tabWidth);
    }
    m_painter.restore();
    const long long total = static_cast<long long>(lines.size()) * lineHeight;
    return std::abs(
        DPtoLPSize(QSize(0, static_cast<int>(std::min<long long>(total, INT32_MAX)))).height());
}
