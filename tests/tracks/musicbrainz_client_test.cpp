#include "musicbrainz_test_server.h"
#include "tracks/musicbrainz_client.h"
#include "tracks/musicbrainz_lookup.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class MusicBrainzClientTest : public ::testing::Test {
protected:
    void SetUp() override { qputenv("LUMVANE_CDROM", MakeExampleDisc(m_disc.path()).toUtf8()); }
    void TearDown() override { qunsetenv("LUMVANE_CDROM"); }

    static MusicBrainzSettings Settings(const MusicBrainzTestServer& server) {
        MusicBrainzSettings settings;
        settings.server = QStringLiteral("127.0.0.1");
        settings.port = server.Port();
        settings.coverArtServer = QStringLiteral("http://127.0.0.1:%1").arg(server.Port());
        settings.requestTimeoutMs = 3000;
        return settings;
    }

    QTemporaryDir m_disc;
};

} // namespace

TEST_F(MusicBrainzClientTest, AsksForTheDiscWithTheRightRequest) {
    MusicBrainzTestServer server(MusicBrainzMode::OneRelease);
    const MusicBrainzQueryResult result = RunMusicBrainzQuery(Settings(server));
    ASSERT_TRUE(result.ok) << result.message.toStdString();
    EXPECT_EQ(result.discId, ExampleMusicBrainzDiscId());
    ASSERT_EQ(result.releases.size(), 1u);
    EXPECT_EQ(result.releases[0].artist, u"Anna & Bob");
    EXPECT_EQ(result.releases[0].tracks[1].title, QStringLiteral("Zw\u00f6lf"));

    ASSERT_EQ(server.Requests().size(), 1u);
    const QByteArray request = server.Requests().front();
    EXPECT_TRUE(request.startsWith("GET /ws/2/discid/" + result.discId.toLatin1() +
                                   "?inc=artist-credits+recordings&fmt=json HTTP/1.1\r\n"))
        << request.constData();
    EXPECT_TRUE(request.contains("\r\nUser-Agent: Lumvane/" LUMVANE_VERSION
                                 " ( https://lumvane.example.org )\r\n"))
        << request.constData();
}

TEST_F(MusicBrainzClientTest, NamesEveryFailure) {
    const struct {
        MusicBrainzMode mode;
        QString message;
    } cases[] = {
        {MusicBrainzMode::NotFound,
         QStringLiteral("MusicBrainz knows no release of this disc (disc id %1).")
             .arg(ExampleMusicBrainzDiscId())},
        {MusicBrainzMode::BusyAlways,
         QStringLiteral("The MusicBrainz server is busy. Please try again in a minute.")},
        {MusicBrainzMode::NeverEnds,
         QStringLiteral("Failed to query MusicBrainz, error: timed out")},
    };
    for (const auto& c : cases) {
        MusicBrainzTestServer server(c.mode);
        QElapsedTimer clock;
        clock.start();
        const MusicBrainzQueryResult result = RunMusicBrainzQuery(Settings(server));
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.message, c.message);
        EXPECT_LT(clock.elapsed(), 5000); // the 3-second limit holds, waits included
    }
}

// Through the proxy of the settings, the request names the service's address.
TEST_F(MusicBrainzClientTest, GoesThroughTheProxy) {
    MusicBrainzTestServer proxy(MusicBrainzMode::OneRelease);
    MusicBrainzSettings settings;
    settings.server = QStringLiteral("musicbrainz.invalid");
    settings.port = 80;
    settings.proxy.use = true;
    settings.proxy.host = QStringLiteral("127.0.0.1");
    settings.proxy.port = proxy.Port();
    const MusicBrainzQueryResult result = RunMusicBrainzQuery(settings);
    ASSERT_TRUE(result.ok) << result.message.toStdString();
    ASSERT_EQ(proxy.Requests().size(), 1u);
    EXPECT_TRUE(proxy.Requests().front().startsWith("GET http://musicbrainz.invalid/ws/2/discid/"))
        << proxy.Requests().front().constData();
}

// A 503 is answered once, after its Retry-After; the retry also keeps the
// one-request-a-second pace.
TEST_F(MusicBrainzClientTest, WaitsOnceForABusyServer) {
    MusicBrainzTestServer server(MusicBrainzMode::BusyOnce);
    QElapsedTimer clock;
    clock.start();
    const MusicBrainzQueryResult result = RunMusicBrainzQuery(Settings(server));
    EXPECT_TRUE(result.ok) << result.message.toStdString();
    EXPECT_GE(clock.elapsed(), 1000);
    EXPECT_EQ(server.Requests().size(), 2u);
}

TEST_F(MusicBrainzClientTest, CancelStopsAHangingRequestAtOnce) {
    MusicBrainzTestServer server(MusicBrainzMode::NeverEnds);
    std::atomic<bool> cancelled{false};
    std::thread canceller([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        cancelled = true;
    });
    QElapsedTimer clock;
    clock.start();
    MusicBrainzSettings settings = Settings(server);
    settings.requestTimeoutMs = 20000;
    const MusicBrainzQueryResult result = RunMusicBrainzQuery(settings, &cancelled);
    canceller.join();
    EXPECT_TRUE(result.cancelled);
    EXPECT_TRUE(result.message.isEmpty());
    EXPECT_LT(clock.elapsed(), 2500); // the rate gate may hold it up to a second first
}

TEST_F(MusicBrainzClientTest, FetchesTheCoverThroughItsRedirect) {
    MusicBrainzTestServer server(MusicBrainzMode::OneRelease);
    CoverArtResult cover = FetchFrontCover(Settings(server), kFirstReleaseId);
    ASSERT_TRUE(cover.ok) << cover.message.toStdString();
    EXPECT_EQ(cover.bytes, CoverPng());
    const std::vector<QByteArray> requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_TRUE(requests[0].startsWith("GET /release/" + kFirstReleaseId.toLatin1() + "/front "));

    cover = FetchFrontCover(Settings(server), kSecondReleaseId);
    EXPECT_FALSE(cover.ok);
    EXPECT_TRUE(cover.notFound);
    // An id that is no release id never becomes part of an address.
    cover = FetchFrontCover(Settings(server), QStringLiteral("../../etc/passwd"));
    EXPECT_FALSE(cover.ok);
    EXPECT_EQ(server.Requests().size(), 3u);
}

TEST(MusicBrainzAddress, SchemeFollowsThePortUnlessGiven) {
    const struct {
        QString server;
        int port;
        QString url;
    } cases[] = {
        {"musicbrainz.org", 443,
         "https://musicbrainz.org/ws/2/discid/X?inc=artist-credits+recordings&fmt=json"},
        {"mb.local", 5000,
         "http://mb.local:5000/ws/2/discid/X?inc=artist-credits+recordings&fmt=json"},
        {"mb.local", 80, "http://mb.local/ws/2/discid/X?inc=artist-credits+recordings&fmt=json"},
        {"https://mb.local:8443/base/", 80,
         "https://mb.local:8443/base/ws/2/discid/X?inc=artist-credits+recordings&fmt=json"},
    };
    for (const auto& c : cases) {
        MusicBrainzSettings settings;
        settings.server = c.server;
        settings.port = c.port;
        EXPECT_EQ(MusicBrainzDiscUrl(settings, QStringLiteral("X")).toString(), c.url);
    }
}
