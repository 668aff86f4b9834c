#include "document/discwright_doc.h"
#include "document/project_file.h"
#include "music_fixtures.h"
#include "musicbrainz_test_server.h"
#include "support/test_support.h"
#include "tracks_test_support.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class TracksCliTest : public ::testing::Test {
protected:
    void SetUp() override { qputenv("LUMVANE_CDROM", MakeExampleDisc(m_disc.path()).toUtf8()); }
    void TearDown() override { qunsetenv("LUMVANE_CDROM"); }

    static QJsonDocument Json(const QByteArray& text) { return QJsonDocument::fromJson(text); }

    TempProgramFolder m_home;
    QTemporaryDir m_disc;
};

const QByteArray kLookupJson = R"({
  "album": {"artist": "Some Artist", "title": "Some Album", "year": "1999"},
  "tracks": [
    {"artist": "Some Artist", "title": "One", "play_time": "03:08"},
    {"artist": "Some Artist", "title": "Tw\u00f6", "play_time": "03:30"},
    {"artist": "Some Artist", "title": "Three", "play_time": "03:20"}
  ]})";

} // namespace

TEST_F(TracksCliTest, LookupPrintsTheAlbum) {
    CddbTestServer server(ExampleCddbServer);
    WriteCddbSettings(m_home.Path(), server.Port(), "User=someone@example.org\r\n");
    const ProcessResult result = RunLumvane({"tracks", "lookup"}, m_home.Path());
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(Json(result.out), Json(kLookupJson));
    ASSERT_FALSE(server.Requests().empty());
    EXPECT_TRUE(server.Requests().front().contains("&hello=someone+example.org+Lumvane+"));
}

// A server dripping one byte a second: "CDDBTimeout" (seconds) ends the
// request, whatever the pause limit between bytes would allow.
TEST_F(TracksCliTest, LookupEndsAtTheConfiguredTimeout) {
    CddbTestServer server([](const QByteArray&) {
        return CannedReply{HttpReply(ExampleQuery200()), 1, 1000};
    });
    WriteCddbSettings(m_home.Path(), server.Port(), "CDDBTimeout=2\r\n");
    QElapsedTimer clock;
    clock.start();
    const ProcessResult result = RunLumvane({"tracks", "lookup"}, m_home.Path());
    EXPECT_LT(clock.elapsed(), 6000);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "lumvane: Failed to Query,error:connection timed out\n");
}

TEST_F(TracksCliTest, LookupFailuresGoToStderr) {
    CddbTestServer server(
        [](const QByteArray&) { return CannedReply{HttpReply("202 No match.\r\n")}; });
    WriteCddbSettings(m_home.Path(), server.Port());
    ProcessResult result = RunLumvane({"tracks", "lookup"}, m_home.Path());
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "lumvane: No match found!\n");
    EXPECT_TRUE(result.out.isEmpty());

    qputenv("LUMVANE_CDROM", m_disc.filePath(QStringLiteral("none.cue")).toUtf8());
    result = RunLumvane({"tracks", "lookup"}, m_home.Path());
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(
        result.err,
        "lumvane: error retrieving the DISC ID,make sure there is a CD in your CD-ROM drive\n");
}

TEST_F(TracksCliTest, ImportPrintsTheRows) {
    const QString mp3 = m_disc.filePath(QStringLiteral("Intro.mp3"));
    WriteSparseFile(mp3, Mp3Frames(0xFFFB9000, 6, 417), 413 * 2000);
    const QString wav = m_disc.filePath(QStringLiteral("take.wav"));
    WriteWav(wav, 8000, 3725);
    const QString m3u = m_disc.filePath(QStringLiteral("list.m3u"));
    WriteTextFile(m3u, "Intro.mp3\r\nmissing.ogg\r\n");
    const ProcessResult result = RunLumvane({"tracks", "import", mp3, wav, m3u}, m_home.Path());
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(Json(result.out), Json(R"({"album": {}, "tracks": [
        {"artist": "", "title": "Intro", "play_time": "0:52"},
        {"artist": "unknown", "title": "take", "play_time": "2:05"},
        {"artist": "", "title": "Intro", "play_time": "0:52"},
        {"artist": "", "title": "missing", "play_time": "0:00"}]})"));
}

TEST_F(TracksCliTest, ApplyLeavesTheProjectAloneOnFailure) {
    const QString project = m_disc.filePath(QStringLiteral("p.dwp"));
    WriteTextFile(project, "not a project");
    const QString json = m_disc.filePath(QStringLiteral("album.json"));
    WriteTextFile(json, kLookupJson);
    const QString badJson = m_disc.filePath(QStringLiteral("bad.json"));
    WriteTextFile(badJson, R"({"tracks": [{"artist": "a", "title": 3}]})");
    const QList<QStringList> failing = {
        {"tracks", "apply", project, "--json", json},
        {"tracks", "apply", project, "--json", badJson},
        {"tracks", "apply", project, "--cd"},
        {"tracks", "apply", project, "--import"},
        {"tracks", "apply", project},
        {"tracks", "frobnicate"},
    };
    for (const QStringList& args : failing) {
        const ProcessResult result = RunLumvane(args, m_home.Path());
        EXPECT_EQ(result.exitCode, 1) << args.join(u' ').toStdString();
        EXPECT_TRUE(result.err.startsWith("lumvane: ")) << args.join(u' ').toStdString();
        EXPECT_EQ(ReadWholeFile(project), "not a project");
    }
}

TEST_F(TracksCliTest, ApplyReplacesTheTrackListAndAlbumFields) {
    CDiscwrightDoc doc(m_home.DefaultStocks());
    doc.Album().tracks = {TrackEntry{"old", "old", "1:00"}};
    const QString project = m_disc.filePath(QStringLiteral("p.dwp"));
    QString error;
    ASSERT_TRUE(doc.OnSaveDocument(project, &error)) << error.toStdString();

    const QString json = m_disc.filePath(QStringLiteral("album.json"));
    WriteTextFile(json, kLookupJson);
    ProcessResult result = RunLumvane({"tracks", "apply", project, "--json", json}, m_home.Path());
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    CDiscwrightDoc reread(m_home.DefaultStocks());
    ASSERT_TRUE(reread.OnOpenDocument(project, &error)) << error.toStdString();
    EXPECT_EQ(reread.Album().artist, u"Some Artist");
    EXPECT_EQ(reread.Album().year, u"1999");
    ASSERT_EQ(reread.Album().tracks.size(), 3u);
    EXPECT_EQ(reread.Album().tracks[1],
              (TrackEntry{"Some Artist", QStringLiteral("Tw\u00f6"), "03:30"}));

    // Absent album fields keep their values.
    WriteTextFile(json, R"({"album": {"title": "Other"}, "tracks": []})");
    result = RunLumvane({"tracks", "apply", project, "--json", json}, m_home.Path());
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    ASSERT_TRUE(reread.OnOpenDocument(project, &error)) << error.toStdString();
    EXPECT_EQ(reread.Album().title, u"Other");
    EXPECT_EQ(reread.Album().artist, u"Some Artist");
    EXPECT_TRUE(reread.Album().tracks.empty());

    CddbTestServer server(ExampleCddbServer);
    WriteCddbSettings(m_home.Path(), server.Port());
    result = RunLumvane({"tracks", "apply", project, "--cd"}, m_home.Path());
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QString mp3 = m_disc.filePath(QStringLiteral("Intro.mp3"));
    WriteSparseFile(mp3, Mp3Frames(0xFFFB9000, 6, 417), 413 * 2000);
    result = RunLumvane({"tracks", "apply", project, "--import", mp3}, m_home.Path());
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    ASSERT_TRUE(reread.OnOpenDocument(project, &error)) << error.toStdString();
    EXPECT_EQ(reread.Album().title, u"Some Album");
    EXPECT_EQ(reread.Album().tracks, (std::vector<TrackEntry>{{"", "Intro", "0:52"}}));
}

TEST_F(TracksCliTest, ListsEveryMatchAndReadsTheOneChosen) {
    CddbTestServer server(ThreeMatchCddbServer);
    WriteCddbSettings(m_home.Path(), server.Port());
    ProcessResult result = RunLumvane({"tracks", "lookup", "--list-matches"}, m_home.Path());
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(Json(result.out), Json(R"({"matches": [
        {"category": "rock", "disc_id": "10025603", "artist": "Some Artist", "title": "Album rock"},
        {"category": "misc", "disc_id": "10025603", "artist": "Other Artist", "title": "Album misc"},
        {"category": "jazz", "disc_id": "10025603", "artist": "Third Artist", "title": "Album jazz"}
    ]})"));

    result = RunLumvane({"tracks", "lookup", "--match", "2"}, m_home.Path());
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(Json(result.out)["album"]["title"].toString(), u"Album misc");
    EXPECT_TRUE(server.Requests().back().contains("cmd=cddb+read+misc+10025603&"));

    // Without --match the first is read, as with a single match.
    result = RunLumvane({"tracks", "lookup"}, m_home.Path());
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(Json(result.out)["album"]["title"].toString(), u"Album rock");
}

TEST_F(TracksCliTest, BadLookupChoicesAreRefusedClearly) {
    CddbTestServer server(ThreeMatchCddbServer);
    WriteCddbSettings(m_home.Path(), server.Port());
    const struct {
        QStringList args;
        QByteArray err;
    } cases[] = {
        {{"--match", "4"}, "lumvane: --match 4: the lookup found 3 matches\n"},
        {{"--match", "0"}, "lumvane: --match needs a number from 1, not \"0\"\n"},
        {{"--match", "x"}, "lumvane: --match needs a number from 1, not \"x\"\n"},
        {{"--source", "gopher"},
         "lumvane: unknown --source \"gopher\": use cdtext, cddb, musicbrainz or auto\n"},
        {{"--source", "cdtext", "--match", "2"},
         "lumvane: --source cdtext: the disc's CD-TEXT is one album, without matches\n"},
    };
    for (const auto& c : cases) {
        const ProcessResult result =
            RunLumvane(QStringList{"tracks", "lookup"} + c.args, m_home.Path());
        EXPECT_EQ(result.exitCode, 1) << c.args.join(u' ').toStdString();
        EXPECT_EQ(result.err, c.err);
        EXPECT_TRUE(result.out.isEmpty());
    }
}

TEST_F(TracksCliTest, MusicBrainzFillsTheRowsAndListsReleases) {
    MusicBrainzTestServer server(MusicBrainzMode::TwoReleases);
    WriteCddbSettings(m_home.Path(), 1, server.SettingsLines());
    ProcessResult result = RunLumvane(
        {"tracks", "lookup", "--source", "musicbrainz", "--list-matches"}, m_home.Path());
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(Json(result.out), Json(R"({"matches": [
        {"release_id": "11111111-2222-3333-4444-555555555555", "artist": "Anna & Bob",
         "title": "Brainz Album", "date": "2001-05-02", "country": "DE"},
        {"release_id": "aaaaaaaa-bbbb-cccc-dddd-eeeeeeeeeeee", "artist": "Anna",
         "title": "Brainz Box", "date": "2010", "country": ""}]})"));

    result = RunLumvane({"tracks", "lookup", "--source", "musicbrainz"}, m_home.Path());
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(Json(result.out), Json(R"({
      "album": {"artist": "Anna & Bob", "title": "Brainz Album", "year": "2001"},
      "tracks": [
        {"artist": "Anna & Bob", "title": "Erste", "play_time": "03:07"},
        {"artist": "Guest", "title": "Zw\u00f6lf", "play_time": "03:31"},
        {"artist": "Anna & Bob", "title": "Drei", "play_time": "03:20"}]})"));

    // The second release holds the disc as its second medium.
    result =
        RunLumvane({"tracks", "lookup", "--source", "musicbrainz", "--match", "2"}, m_home.Path());
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(Json(result.out)["tracks"][1]["title"].toString(), u"Box Two");
    EXPECT_EQ(Json(result.out)["tracks"][1]["play_time"].toString(), u"03:30");
    for (const QByteArray& request : server.Requests())
        EXPECT_TRUE(request.contains("\r\nUser-Agent: Lumvane/" LUMVANE_VERSION " ( "));
}

// auto asks MusicBrainz, then CDDB; when both fail, both say why.
TEST_F(TracksCliTest, AutoFallsBackToCddb) {
    MusicBrainzTestServer musicBrainz(MusicBrainzMode::NotFound);
    CddbTestServer cddb(ExampleCddbServer);
    WriteCddbSettings(m_home.Path(), cddb.Port(), musicBrainz.SettingsLines());
    ProcessResult result = RunLumvane({"tracks", "lookup", "--source", "auto"}, m_home.Path());
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(Json(result.out), Json(kLookupJson));
    EXPECT_EQ(musicBrainz.Requests().size(), 1u);

    CddbTestServer none(
        [](const QByteArray&) { return CannedReply{HttpReply("202 No match.\r\n")}; });
    WriteCddbSettings(m_home.Path(), none.Port(), musicBrainz.SettingsLines());
    result = RunLumvane({"tracks", "lookup", "--source", "auto"}, m_home.Path());
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "lumvane: MusicBrainz knows no release of this disc (disc id " +
                              ExampleMusicBrainzDiscId().toLatin1() + "). CDDB: No match found!\n");
}
