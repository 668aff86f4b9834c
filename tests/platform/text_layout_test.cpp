#include "platform/font_mapper.h"
#include "platform/text_layout.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {
constexpr unsigned kTextFlags = kDtWordBreak | kDtExpandTabs | kDtNoPrefix | kDtEditControl;

QFontMetricsF Metrics() {
    LOGFONTA record;
    record.SetFaceName(QStringLiteral("Arial"));
    return QFontMetricsF(MapLogFont(record, 20)->font);
}

QStringList Texts(const std::vector<TextLine>& lines) {
    QStringList out;
    for (const TextLine& l : lines)
        out << l.text;
    return out;
}
} // namespace

TEST(TextLayout, WrapsAtSpacesWithinTheWidth) {
    const QFontMetricsF m = Metrics();
    const double width = m.horizontalAdvance(QStringLiteral("aaa bbb")) + 1;
    const auto lines = LayoutText(QStringLiteral("aaa bbb ccc ddd e"), m, width, kTextFlags, 40);
    EXPECT_EQ(Texts(lines), (QStringList{"aaa bbb", "ccc ddd", "e"}));
    for (const TextLine& l : lines)
        EXPECT_LE(l.width, width);
}

TEST(TextLayout, BreaksALongWordAndHonoursLineBreaks) {
    const QFontMetricsF m = Metrics();
    const double width = m.horizontalAdvance(QStringLiteral("WWW")) + 0.5;
    const auto lines = LayoutText(QStringLiteral("WWWWWWWW\r\nA&B\nx"), m, width, kTextFlags, 40);
    EXPECT_EQ(Texts(lines), (QStringList{"WWW", "WWW", "WW", "A&B", "x"}));
    // No room at all: one character per line, never an endless loop.
    EXPECT_EQ(LayoutText(QStringLiteral("abc"), m, 0, kTextFlags, 40).size(), 3u);
    EXPECT_EQ(LayoutText(QString(), m, 100, kTextFlags, 40).size(), 1u);
}

TEST(TextLayout, TabsAdvanceToTheNextStop) {
    const QFontMetricsF m = Metrics();
    const double a = m.horizontalAdvance(QLatin1Char('a'));
    EXPECT_DOUBLE_EQ(LineAdvance(QStringLiteral("a\ta"), m, 50), 50 + a);
    EXPECT_DOUBLE_EQ(LineAdvance(QStringLiteral("\t\ta"), m, 50), 100 + a);
    const auto lines = LayoutText(QStringLiteral("a\tb"), m, 1000, kTextFlags, 50);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_DOUBLE_EQ(lines[0].width, 50 + m.horizontalAdvance(QLatin1Char('b')));
}
