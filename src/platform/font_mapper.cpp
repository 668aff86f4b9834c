#include "font_mapper.h"

#include <QFontMetricsF>
#include <QHash>

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {
constexpr int kDefaultCellPixels = 16;
constexpr double kReferencePixels = 1000.0;

// Cell height over em size for a family and style, measured once at a large size.
double CellToEmRatio(const QFont& font) {
    static QHash<QString, double> cache;
    const QString key = font.family() + QLatin1Char('/') + QString::number(font.weight()) +
                        (font.italic() ? QStringLiteral("i") : QString());
    const auto it = cache.constFind(key);
    if (it != cache.constEnd())
        return *it;
    QFont probe(font);
    probe.setPixelSize(static_cast<int>(kReferencePixels));
    const QFontMetricsF metrics(probe);
    double ratio = (metrics.ascent() + metrics.descent()) / kReferencePixels;
    if (!(ratio > 0.2 && ratio < 5.0))
        ratio = 1.0;
    cache.insert(key, ratio);
    return ratio;
}
} // namespace

std::optional<DeviceFont> MapLogFont(const LOGFONTA& record, int heightPixels) {
    if (std::memchr(record.lfFaceName.data(), 0, record.lfFaceName.size()) == nullptr)
        return std::nullopt;
    const long magnitude = std::labs(static_cast<long>(heightPixels));
    if (magnitude > kMaxFontPixels)
        return std::nullopt;

    QFont font(record.FaceName());
    font.setKerning(false);
    font.setStyleStrategy(QFont::PreferMatch);
    const int weight = record.lfWeight <= 0 ? kFwNormal : std::min(record.lfWeight, 1000);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(record.lfItalic != 0);
    font.setUnderline(record.lfUnderline != 0);
    font.setStrikeOut(record.lfStrikeOut != 0);

    int em;
    if (heightPixels < 0) {
        em = static_cast<int>(magnitude);
    } else {
        const int cell = heightPixels == 0 ? kDefaultCellPixels : heightPixels;
        em = static_cast<int>(std::lround(cell / CellToEmRatio(font)));
    }
    font.setPixelSize(std::max(em, 1));
    return DeviceFont{font, record.lfEscapement};
}
