#include "draw_support.h"
#include "objects/text.h"
#include "tracks/placeholders.h"

#include <gtest/gtest.h>

namespace {
// A black text in a 5 mm (19 pixel) font.
struct TestText : CText {
    TestText(const QString& text, int left, int top, int right, int bottom)
        : CText(left, top, right, bottom, 0x000000, text, UnitConversion{}) {
        LOGFONTA font = Font();
        font.lfHeight = 500;
        SetFont(font);
    }
};
int Px(int units) {
    return UnitConversion{}.UnitsToPixels(units);
}
} // namespace

TEST(TextDraw, WrapsAtTheWidthAndPaintsPastTheBottom) {
    TestText text(QStringLiteral("wrap these words inside a narrow box please"), 1000, -1000, 4000,
                  -1500);
    const QImage image = PaintObject(text, AtZoom(1.0f));
    // Several lines below the 5 mm box, nothing right of it.
    EXPECT_GT(Ink(image, QRect(Px(1000), Px(1500) + 25, Px(3000), 80)), 30);
    EXPECT_EQ(Ink(image, QRect(Px(4000) + 2, 0, 200, 500)), 0);
    EXPECT_EQ(Ink(image, QRect(0, 0, Px(1000) - 1, 500)), 0);
    EXPECT_EQ(text.Text(), QStringLiteral("wrap these words inside a narrow box please"));
}

TEST(TextDraw, GlyphsGrowWithTheZoom) {
    TestText text(QStringLiteral("Hg"), 0, 0, 5000, -2000);
    const auto inkRows = [&](float zoom) {
        const QImage image = PaintObject(text, AtZoom(zoom));
        int first = -1, last = -1;
        for (int y = 0; y < image.height(); ++y)
            if (Ink(image, QRect(0, y, image.width(), 1)) > 0) {
                if (first < 0)
                    first = y;
                last = y;
            }
        return last - first + 1;
    };
    EXPECT_NEAR(inkRows(2.0f), 2 * inkRows(1.0f), 3);
}

TEST(TextDraw, PlaceholdersArePaintedButNeverStored) {
    AlbumData album = AlbumData::Defaults();
    album.title = QStringLiteral("Blue Train");
    RenderContext context = AtZoom(1.0f);
    context.expandPlaceholders = [&](const QString& t) { return ExpandPlaceholders(t, album); };

    TestText withPlaceholder(QStringLiteral("<albumtitle>"), 0, 0, 8000, -2000);
    TestText literal(QStringLiteral("Blue Train"), 0, 0, 8000, -2000);
    const QImage painted = PaintObject(withPlaceholder, context);
    EXPECT_EQ(painted, PaintObject(literal, AtZoom(1.0f)));
    EXPECT_EQ(withPlaceholder.Text(), QStringLiteral("<albumtitle>"));
}

TEST(TextDraw, AmpersandAndAlignment) {
    TestText amp(QStringLiteral("A&B"), 0, 0, 8000, -2000);
    TestText plain(QStringLiteral("A&B"), 0, 0, 8000, -2000);
    EXPECT_EQ(PaintObject(amp, AtZoom(1.0f)), PaintObject(plain, AtZoom(1.0f)));
    TestText right(QStringLiteral("x"), 0, 0, 8000, -2000);
    right.SetAlignment(CText::kRight);
    const QImage image = PaintObject(right, AtZoom(1.0f));
    EXPECT_EQ(Ink(image, QRect(0, 0, Px(7000), 100)), 0);
    EXPECT_GT(Ink(image, QRect(Px(7000), 0, Px(1000), 100)), 0);
    TestText centre(QStringLiteral("x"), 0, 0, 8000, -2000);
    centre.SetAlignment(CText::kCentre);
    const QImage centred = PaintObject(centre, AtZoom(1.0f));
    EXPECT_GT(Ink(centred, QRect(Px(3500), 0, Px(1000), 100)), 0);
    EXPECT_EQ(Ink(centred, QRect(0, 0, Px(3000), 100)), 0);
}

TEST(TextDraw, AFontThatCannotBeMadeFallsBackToArial) {
    TestText text(QStringLiteral("fallback"), 0, 0, 8000, -2000);
    {
        LOGFONTA unterminated = text.Font();
        unterminated.lfFaceName.fill('x'); // no terminator
        text.SetFont(unterminated);
    }
    {
        LOGFONTA font = text.Font();
        font.lfWeight = 700;
        text.SetFont(font);
    }
    const QImage image = PaintObject(text, AtZoom(2.0f));
    EXPECT_GT(Ink(image, image.rect()), 20);
    EXPECT_EQ(text.Font().FaceName(), QStringLiteral("Arial"));
    EXPECT_EQ(text.Font().lfHeight, 500); // its own height is kept
    EXPECT_EQ(text.Font().lfWeight, 400);
    EXPECT_EQ(text.Font().lfCharSet, 1);
}

TEST(TextDraw, RotatedTextIsPaintedTurned) {
    TestText text(QStringLiteral("turned text"), 2000, -1000, 5000, -9000);
    text.SetRotation(90);
    const QImage image = PaintObject(text, AtZoom(1.0f));
    // Turned about the box centre, the line runs upward: taller than wide.
    QRect inked;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Pixel(image, x, y) != 0xFFFFFF)
                inked |= QRect(x, y, 1, 1);
    ASSERT_FALSE(inked.isEmpty());
    EXPECT_GT(inked.height(), 2 * inked.width());
}

TEST(TextHitTest, AnywhereInTheZoomedRectangle) {
    TestText text(QStringLiteral("a"), 1000, -1000, 3000, -2000);
    EXPECT_TRUE(text.HitTest(2900, -1900, 1.0f)); // empty space counts
    EXPECT_FALSE(text.HitTest(3100, -1500, 1.0f));
    EXPECT_TRUE(text.HitTest(5900, -3900, 2.0f));
}
