// The text block that lays out a whole track list: the fitting itself, and
// what reaches the pixels at several zooms and in print.
#include "draw_support.h"
#include "objects/text.h"
#include "objects/track_list_layout.h"
#include "tracks/placeholders.h"

#include <gtest/gtest.h>

namespace {

constexpr double kFourPoints = 4.0 * 2540.0 / 72.0;

AlbumData Album(int tracks, const QString& title = QStringLiteral("Song")) {
    AlbumData album = AlbumData::Defaults();
    album.artist = QStringLiteral("Band");
    for (int i = 1; i <= tracks; ++i)
        album.tracks.push_back({QStringLiteral("Band"), QStringLiteral("%1 %2").arg(title).arg(i),
                                QStringLiteral("3:%1").arg(i % 60, 2, 10, QLatin1Char('0'))});
    return album;
}

TrackListLayout Lay(const QString& text, const AlbumData& album, double width, double height,
                    int fontHeight) {
    TrackListLayoutInput input;
    input.lines = TrackBlockLines(ExpandPlaceholderPieces(text, album), album);
    input.font = DefaultTextFont(fontHeight);
    input.width = width;
    input.height = height;
    return TrackListLayout(input);
}

// Every line inside the block, none overlapping another.
void ExpectInside(const TrackListLayout& layout, double width, double height) {
    for (const auto& placed : layout.Lines()) {
        EXPECT_GE(placed.origin.x(), -1e-6);
        EXPECT_LE(placed.origin.x() + placed.width, width + 1e-6);
        EXPECT_GE(placed.origin.y(), -1e-6);
        EXPECT_LT(placed.origin.y(), height);
    }
}

} // namespace

TEST(TrackListLayout, LinesOfTheBlock) {
    AlbumData album = Album(2);
    album.tracks[1].artist = QStringLiteral("Guest");
    const auto lines =
        TrackBlockLines(ExpandPlaceholderPieces(
                            QStringLiteral("Tracks of <albumtitle>:\r\n<tracklist>\r\nEnd"), album),
                        album);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_FALSE(lines[0].track);
    EXPECT_EQ(lines[0].text, QStringLiteral("Tracks of unknown title:"));
    EXPECT_TRUE(lines[1].track);
    EXPECT_EQ(lines[1].number, QStringLiteral("01."));
    EXPECT_EQ(lines[1].text, QStringLiteral("Song 1"));
    EXPECT_EQ(lines[1].playTime, QStringLiteral("3:01"));
    // Only a track whose artist differs from the album's names it.
    EXPECT_EQ(lines[2].text, QStringLiteral("Song 2 \u2013 Guest"));
    EXPECT_EQ(lines[3].text, QStringLiteral("End"));
    // Without tracks the list gives no lines at all.
    EXPECT_TRUE(TrackBlockLines(
                    ExpandPlaceholderPieces(QStringLiteral("<tracklist>"), AlbumData::Defaults()),
                    AlbumData::Defaults())
                    .empty());
}

TEST(TrackListLayout, FitsWholeListsInTheLargestSize) {
    // 24 tracks in 90 x 50 mm with a 7 mm font: more than one column, every
    // line whole, a size between 4 points and the font's own.
    const TrackListLayout many = Lay(QStringLiteral("<tracklist>"), Album(24), 9000, 5000, 700);
    EXPECT_GE(many.Columns(), 2);
    EXPECT_FALSE(many.Shortened());
    ASSERT_EQ(many.Lines().size(), 24u);
    EXPECT_GE(many.EmSize(), kFourPoints);
    EXPECT_LT(many.EmSize(), 700);
    ExpectInside(many, 9000, 5000);
    // Filled top to bottom, then left to right.
    EXPECT_EQ(many.Lines()[0].origin, QPointF(0, 0));
    EXPECT_EQ(many.Lines()[1].origin.x(), 0);
    EXPECT_GT(many.Lines().back().origin.x(), 0);

    // 3 tracks keep the object's own size in one column.
    const TrackListLayout few = Lay(QStringLiteral("<tracklist>"), Album(3), 9000, 5000, 700);
    EXPECT_EQ(few.Columns(), 1);
    const TrackListLayout one = Lay(QStringLiteral("<tracklist>"), Album(1), 9000, 5000, 700);
    EXPECT_DOUBLE_EQ(few.EmSize(), one.EmSize());
    EXPECT_FALSE(few.Shortened());

    // A heading takes the first line of the first column.
    const TrackListLayout headed =
        Lay(QStringLiteral("Tracks\r\n<tracklist>"), Album(24), 9000, 5000, 700);
    ASSERT_EQ(headed.Lines().size(), 25u);
    EXPECT_FALSE(headed.Lines()[0].line.track);
    EXPECT_EQ(headed.Lines()[0].origin, QPointF(0, 0));
}

TEST(TrackListLayout, ShortensOnlyBelowFourPoints) {
    const QString longTitle(200, QLatin1Char('w'));
    const TrackListLayout layout =
        Lay(QStringLiteral("<tracklist>"), Album(3, longTitle), 9000, 5000, 700);
    EXPECT_TRUE(layout.Shortened());
    EXPECT_DOUBLE_EQ(layout.EmSize(), kFourPoints);
    ASSERT_EQ(layout.Lines().size(), 3u);
    for (const auto& placed : layout.Lines()) {
        EXPECT_TRUE(placed.line.text.endsWith(QStringLiteral("\u2026")));
        EXPECT_FALSE(placed.line.playTime.isEmpty());
    }

    // 99 tracks in a box that holds a few lines: the rest is left out and the
    // last line shown ends with the ellipsis.
    const TrackListLayout cut = Lay(QStringLiteral("<tracklist>"), Album(99), 3000, 800, 700);
    EXPECT_TRUE(cut.Shortened());
    ASSERT_FALSE(cut.Lines().empty());
    EXPECT_LT(cut.Lines().size(), 99u);
    EXPECT_TRUE(cut.Lines().back().line.text.endsWith(QStringLiteral("\u2026")));
    ExpectInside(cut, 3000, 800);

    // No room for a single line: nothing.
    EXPECT_TRUE(Lay(QStringLiteral("<tracklist>"), Album(5), 3000, 50, 700).Lines().empty());
    EXPECT_TRUE(Lay(QStringLiteral("<tracklist>"), Album(5), 0, 5000, 700).Lines().empty());
}

namespace {

struct TrackListText : CText {
    TrackListText(const QString& text, int left, int top, int right, int bottom, int font)
        : CText(left, top, right, bottom, 0x000000, text, UnitConversion{}) {
        LOGFONTA chosen = Font();
        chosen.lfHeight = font;
        SetFont(chosen);
    }
};

RenderContext WithAlbum(const AlbumData& album, float zoom, bool print = false) {
    RenderContext context = AtZoom(print ? 1.0f : zoom);
    if (print) {
        context.printScaleX = zoom;
        context.printScaleY = zoom;
    }
    context.expandPlaceholders = [&album](const QString& t) {
        return ExpandPlaceholders(t, album);
    };
    context.album = &album;
    return context;
}

QImage Paint(CText& text, const RenderContext& context, bool printing, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    CDeviceContext dc(image, &context);
    dc.SetPrinting(printing);
    dc.SetMapMode(MapMode::HiMetric);
    text.Draw(dc, 0, 0);
    return image;
}

} // namespace

TEST(TrackListDraw, NoInkOutsideTheBoxAtAnyScale) {
    const AlbumData album = Album(24, QStringLiteral("A rather long title"));
    // 90 x 50 mm at (10 mm, 10 mm), 7 mm font.
    TrackListText text(QStringLiteral("<tracklist>"), 1000, -1000, 10000, -6000, 700);
    const struct {
        float scale;
        bool printing;
    } cases[] = {{1.0f, false}, {2.0f, false}, {1.5f, true}, {0.4f, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.scale);
        const QImage image = Paint(text, WithAlbum(album, c.scale, c.printing), c.printing,
                                   QSize(int(500 * c.scale), int(300 * c.scale)));
        const UnitConversion units;
        const QRect box(QPoint(units.UnitsToPixels(int(1000 * c.scale)),
                               units.UnitsToPixels(int(1000 * c.scale))),
                        QPoint(units.UnitsToPixels(int(10000 * c.scale)) - 1,
                               units.UnitsToPixels(int(6000 * c.scale)) - 1));
        const int inside = Ink(image, box);
        EXPECT_GT(inside, 200);
        EXPECT_EQ(Ink(image, image.rect()), inside);
        // The last of three columns (or of two) is used.
        EXPECT_GT(Ink(image, QRect(box.center().x() + box.width() / 4, box.top(), box.width() / 4,
                                   box.height())),
                  0);
    }
    EXPECT_EQ(text.Text(), QStringLiteral("<tracklist>"));
}

TEST(TrackListDraw, ZeroTracksDrawNothingAndOtherTextsAreUnchanged) {
    const AlbumData empty = AlbumData::Defaults();
    TrackListText list(QStringLiteral("<tracklist>"), 1000, -1000, 10000, -6000, 700);
    const QImage blank = Paint(list, WithAlbum(empty, 1.0f), false, QSize(500, 300));
    EXPECT_EQ(Ink(blank, blank.rect()), 0);

    // A text without the list paints as it always did.
    const AlbumData album = Album(3);
    TrackListText plain(QStringLiteral("<title01>  <playtime01>"), 1000, -1000, 10000, -6000, 700);
    TrackListText literal(QStringLiteral("Song 1  3:01"), 1000, -1000, 10000, -6000, 700);
    EXPECT_EQ(Paint(plain, WithAlbum(album, 1.0f), false, QSize(500, 300)),
              Paint(literal, AtZoom(1.0f), false, QSize(500, 300)));
}

TEST(TrackListDraw, TheSameLayoutAtEveryZoom) {
    // The ink of zoom 2 covers the ink of zoom 1 doubled: the same lines land
    // in the same places whatever the scale.
    const AlbumData album = Album(22);
    TrackListText text(QStringLiteral("<tracklist>"), 0, 0, 9000, -5000, 700);
    const auto inkBounds = [&](float zoom) {
        const QImage image =
            Paint(text, WithAlbum(album, zoom), false, QSize(int(400 * zoom), int(220 * zoom)));
        QRect bounds;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (Pixel(image, x, y) != 0xFFFFFF)
                    bounds |= QRect(x, y, 1, 1);
        return QRectF(bounds.x() / zoom, bounds.y() / zoom, bounds.width() / zoom,
                      bounds.height() / zoom);
    };
    const QRectF one = inkBounds(1.0f), two = inkBounds(2.0f);
    ASSERT_FALSE(one.isEmpty());
    EXPECT_NEAR(one.left(), two.left(), 1.5);
    EXPECT_NEAR(one.top(), two.top(), 1.5);
    EXPECT_NEAR(one.right(), two.right(), 1.5);
    EXPECT_NEAR(one.bottom(), two.bottom(), 1.5);
}
