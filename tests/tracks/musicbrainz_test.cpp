#include "tracks/musicbrainz_disc_id.h"
#include "tracks/musicbrainz_reply.h"

#include <gtest/gtest.h>

namespace {

DiscToc TocOfFrames(const std::vector<int>& frames) {
    DiscToc toc;
    for (int f : frames)
        toc.push_back(MsfTime::FromFrames(f));
    return toc;
}

} // namespace

// The worked example of the service's documentation: six tracks, lead-out at
// 95462, positions with the two-second lead-in.
TEST(MusicBrainzDiscId, MatchesTheDocumentedExample) {
    const DiscToc toc = TocOfFrames({150, 15363, 32314, 46592, 63414, 80489, 95462});
    EXPECT_EQ(MusicBrainzDiscId(toc), u"49HHV7Eb8UKF3aQiNmu1GR8vKTY-");
    EXPECT_TRUE(MusicBrainzDiscId(DiscToc{}).isEmpty());
    EXPECT_TRUE(MusicBrainzDiscId(TocOfFrames({150})).isEmpty()); // a lead-out alone
}

namespace {

MbRelease Release(const QByteArray& json, const QString& discId = QStringLiteral("D")) {
    std::vector<MbRelease> releases;
    QString error;
    EXPECT_TRUE(ParseMusicBrainzDiscReply(json, discId, releases, &error)) << error.toStdString();
    EXPECT_EQ(releases.size(), 1u);
    return releases.empty() ? MbRelease() : releases.front();
}

} // namespace

TEST(MusicBrainzReply, ReadsCreditsTracksAndTheMediumHoldingTheDisc) {
    const MbRelease release = Release(R"({"releases": [{
        "id": "r1", "title": " Album ", "date": "1999-04-12", "country": "GB",
        "artist-credit": [{"name": "A", "joinphrase": " feat. "}, {"artist": {"name": "B"}}],
        "media": [
          {"discs": [{"id": "other"}], "tracks": [{"title": "wrong"}]},
          {"discs": [{"id": "D"}], "tracks": [
            {"title": "One", "length": 61499},
            {"title": "", "recording": {"title": "From recording"}, "length": "long",
             "artist-credit": [{"name": "Guest"}]}]}]}]})");
    EXPECT_EQ(release.id, u"r1");
    EXPECT_EQ(release.title, u"Album");
    EXPECT_EQ(release.artist, u"A feat. B");
    ASSERT_EQ(release.tracks.size(), 2u);
    EXPECT_EQ(release.tracks[0].title, u"One");
    EXPECT_EQ(release.tracks[0].artist, u"A feat. B");
    EXPECT_EQ(release.tracks[0].lengthMs, 61499);
    EXPECT_EQ(release.tracks[1].title, u"From recording");
    EXPECT_EQ(release.tracks[1].artist, u"Guest");
    EXPECT_EQ(release.tracks[1].lengthMs, -1); // a length that is no number is unknown

    // Rows: the release's year, lengths rounded, an unknown one from the disc.
    const DiscToc toc = TocOfFrames({150, 4650, 9150});
    const AlbumData album = AlbumFromMusicBrainzRelease(release, toc);
    EXPECT_EQ(album.year, u"1999");
    EXPECT_EQ(album.tracks, (std::vector<TrackEntry>{{"A feat. B", "One", "01:01"},
                                                     {"Guest", "From recording", "01:00"}}));
}

TEST(MusicBrainzReply, RefusesWhatIsNoReleaseListAndSkipsBrokenReleases) {
    const struct {
        QByteArray json;
        bool ok;
        size_t releases;
    } cases[] = {
        {"", false, 0},
        {"[1, 2]", false, 0},
        {R"({"error": "Not Found"})", false, 0},
        {R"({"releases": {"id": "x"}})", false, 0},
        {R"({"releases": [}])", false, 0},
        {R"({"releases": []})", true, 0},
        // No id, no medium, tracks of the wrong type, a release that is a number.
        {R"({"releases": [{"title": "t", "media": [{"tracks": [{"title": "a"}]}]},
                          {"id": "x"}, {"id": "y", "media": [{"tracks": 5}]}, 7,
                          {"id": "z", "media": [{"tracks": [{"title": 3}]}]}]})",
         true, 1},
    };
    for (const auto& c : cases) {
        std::vector<MbRelease> releases{MbRelease{}};
        QString error;
        EXPECT_EQ(ParseMusicBrainzDiscReply(c.json, QStringLiteral("D"), releases, &error), c.ok)
            << c.json.constData();
        EXPECT_EQ(releases.size(), c.releases) << c.json.constData();
        EXPECT_EQ(error.isEmpty(), c.ok) << c.json.constData();
    }
}

TEST(MusicBrainzReply, BoundsTheCounts) {
    QByteArray tracks;
    for (int i = 0; i < 150; ++i)
        tracks += QByteArray(i > 0 ? "," : "") + R"({"title": "t"})";
    QByteArray releases;
    for (int i = 0; i < 150; ++i)
        releases += QByteArray(i > 0 ? "," : "") + R"({"id": "r", "media": [{"tracks": [)" +
                    tracks + "]}]}";
    std::vector<MbRelease> parsed;
    ASSERT_TRUE(
        ParseMusicBrainzDiscReply(R"({"releases": [)" + releases + "]}", QString(), parsed));
    EXPECT_EQ(parsed.size(), size_t(kMaxMusicBrainzReleases));
    EXPECT_EQ(parsed.front().tracks.size(), size_t(kMaxMusicBrainzTracks));
}
