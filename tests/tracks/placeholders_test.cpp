#include "tracks/placeholders.h"
#include "tracks/track_list.h"

#include <gtest/gtest.h>

namespace {

AlbumData TwoTracks() {
    AlbumData album = AlbumData::Defaults();
    album.tracks = {
        {QStringLiteral("Ann"), QStringLiteral("Intro"), QStringLiteral("3:45")},
        {QStringLiteral("Bob"), QStringLiteral("<artist01> & co"), QStringLiteral("04:10")}};
    return album;
}

} // namespace

TEST(Placeholders, Expansion) {
    struct Case {
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"<albumartist> - <albumtitle> (<albumtime>)", "unknown artist - unknown title (2006)"},
        {"<title01>  <playtime01>", "Intro  3:45"},
        {"<title03>", "<title03>"}, // beyond the track count
        {"<title00>", "<title00>"},
        {"<title-1>", "<title-1>"},
        {"<title1>", "<title1>"},         // one character is not enough
        {"<title 1>", "Intro"},           // atoi skips the blank
        {"<title+2>", "<artist01> & co"}, // and reads a sign
        {"<title1x>", "Intro"},           // stops at the first non-digit
        {"<title123>", "<title123>"},     // reads "12", beyond the 2 tracks
        {"<title02>", "<artist01> & co"}, // inserted values are not scanned again
        {"<TITLE01>", "Intro"},
        {"<PlayTime02>", "04:10"},
        {"<AlbumTitle>", "unknown title"},
        {"<albumtitle of the year>", "unknown title"},
        {"<albumtitle2>", "unknown title"},
        {"<albumtime>", "2006"},
        {"<<title01>", "<Intro"},
        {"a < b", "a < b"},
        {"ends in <", "ends in <"},
        {"x <title01", "x <title01"},
        {"<artist02><artist01>", "BobAnn"},
        {"<titlex01>", "<titlex01>"},
        {"<artist01>-<title01>-<playtime01>", "Ann-Intro-3:45"},
        {"", ""},
        {"<", "<"},
        {"<>", "<>"},
    };
    const AlbumData album = TwoTracks();
    for (const Case& c : cases) {
        EXPECT_EQ(ExpandPlaceholders(QString::fromUtf8(c.text), album),
                  QString::fromUtf8(c.expected))
            << c.text;
    }
}

TEST(Placeholders, TrackNumbersReachTwoDigits) {
    AlbumData album = AlbumData::Defaults();
    for (int i = 1; i <= 12; ++i)
        album.tracks.push_back({QString(), QStringLiteral("T%1").arg(i), QString()});
    // "<title123>": the two characters "12" give track 12 and the "3" goes with it.
    EXPECT_EQ(ExpandPlaceholders(QStringLiteral("<title123>"), album), QStringLiteral("T12"));
    EXPECT_EQ(ExpandPlaceholders(QStringLiteral("<title12>"), album), QStringLiteral("T12"));
    // An empty field replaces the placeholder with nothing.
    EXPECT_EQ(ExpandPlaceholders(QStringLiteral("[<artist05>]"), album), QStringLiteral("[]"));
    // No tracks: placeholders stay literal.
    EXPECT_EQ(ExpandPlaceholders(QStringLiteral("<title01>"), AlbumData::Defaults()),
              QStringLiteral("<title01>"));
}

TEST(Placeholders, WholeAlbumKeys) {
    struct Case {
        const char* text;
        const char* expected;
    };
    // Track 2's artist differs from the album's, so the list names it.
    const Case cases[] = {
        {"<trackcount> tracks, <albumlength>", "2 tracks, 7:55"},
        {"<TrackCount>", "2"},
        {"<albumlength of all>", "7:55"},
        {"<tracklist>", "01. Intro  3:45\r\n02. <artist01> & co \u2013 Bob  04:10"},
        {"[<tracklist>]", "[01. Intro  3:45\r\n02. <artist01> & co \u2013 Bob  04:10]"},
        {"<tracklis>", "<tracklis>"},
        {"<albumlen>", "<albumlen>"},
    };
    AlbumData album = TwoTracks();
    album.artist = QStringLiteral("Ann");
    for (const Case& c : cases) {
        EXPECT_EQ(ExpandPlaceholders(QString::fromUtf8(c.text), album),
                  QString::fromUtf8(c.expected))
            << c.text;
    }
    // The list's place splits the text; inserted values are not scanned again.
    const auto pieces =
        ExpandPlaceholderPieces(QStringLiteral("<title02>:<tracklist><title01>"), album);
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[0].text, QStringLiteral("<artist01> & co:"));
    EXPECT_TRUE(pieces[1].trackList);
    EXPECT_EQ(pieces[2].text, QStringLiteral("Intro"));
    EXPECT_EQ(ExpandPlaceholders(QStringLiteral("<tracklist>"), AlbumData::Defaults()), QString());
    EXPECT_EQ(ExpandPlaceholders(QStringLiteral("<trackcount>"), AlbumData::Defaults()),
              QStringLiteral("0"));
}

TEST(Placeholders, AlbumLength) {
    const struct {
        std::vector<const char*> times;
        const char* length;
    } cases[] = {
        {{"3:45", "10:05", "x"}, "13:50"},
        {{}, "0:00"},
        {{"59:59", "0:01"}, "1:00:00"},
        {{"1:02:03", " 4:05 "}, "1:06:08"},
        // Not m:ss, mm:ss or h:mm:ss: left out of the sum.
        {{"3:5", "3:60", "123:00", "1:60:00", "-1:00", "3:45:", ":45", "3.45"}, "0:00"},
    };
    for (const auto& c : cases) {
        AlbumData album = AlbumData::Defaults();
        for (const char* time : c.times)
            album.tracks.push_back({QString(), QStringLiteral("t"), QString::fromUtf8(time)});
        EXPECT_EQ(AlbumLength(album), QString::fromUtf8(c.length)) << c.length;
        EXPECT_EQ(ExpandPlaceholders(QStringLiteral("<albumlength>"), album),
                  QString::fromUtf8(c.length));
    }
}

TEST(Placeholders, TrackMenuTemplates) {
    const auto templates = PlaceholderTemplates();
    ASSERT_EQ(templates.size(), 10u);
    const int order[] = {32829, 32832, 32830, 32831, 32833, 32834, 32835, 32890, 32891, 32892};
    for (size_t i = 0; i < templates.size(); ++i)
        EXPECT_EQ(templates[i].commandId, order[i]);
    EXPECT_STREQ(templates[0].caption, "<artist01> <title01> <playtime01>");
    EXPECT_STREQ(templates[0].text, "<artist01>  <title01>  <playtime01>");
    EXPECT_STREQ(templates[3].text, "<artist01>  <title01>");
    EXPECT_STREQ(templates[6].text, "<albumtime>");
    EXPECT_STREQ(templates[7].text, "<tracklist>");
    EXPECT_STREQ(templates[8].text, "<albumlength>");
    EXPECT_STREQ(templates[9].text, "<trackcount>");
}
