#include "tracks/cddb_client.h"
#include "tracks/cddb_lookup.h"
#include "tracks_test_support.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class CddbLookupTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        qputenv("LUMVANE_CDROM", MakeExampleDisc(m_dir.path()).toUtf8());
    }
    void TearDown() override { qunsetenv("LUMVANE_CDROM"); }

    static CddbSettings At(int port) {
        CddbSettings settings;
        settings.server = QStringLiteral("127.0.0.1");
        settings.port = port;
        return settings;
    }

    QTemporaryDir m_dir;
};

const QByteArray kQuery = "cmd=cddb+query+";

// Answers a query with `query` and a read with `read`.
CddbTestServer::Handler Serve(CannedReply query, CannedReply read) {
    return [query, read](const QByteArray& request) {
        return request.contains(kQuery) ? query : read;
    };
}

} // namespace

TEST_F(CddbLookupTest, QueryAndReadFillTheAlbum) {
    CddbTestServer server(ExampleCddbServer);
    const CddbLookupResult result = RunCddbLookup(At(server.Port()));
    ASSERT_TRUE(result.ok) << result.message.toStdString();
    EXPECT_EQ(result.album.artist, u"Some Artist");
    EXPECT_EQ(result.album.title, u"Some Album");
    EXPECT_EQ(result.album.year, u"1999");
    const std::vector<TrackEntry> expected = {{"Some Artist", "One", "03:08"},
                                              {"Some Artist", QStringLiteral("Tw\u00f6"), "03:30"},
                                              {"Some Artist", "Three", "03:20"}};
    EXPECT_EQ(result.album.tracks, expected);
    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_TRUE(requests[0].startsWith(
        "GET /~cddb/cddb.cgi?cmd=cddb+query+10025603+3+150+14250+30000+600&hello="));
    EXPECT_TRUE(requests[1].startsWith("GET /~cddb/cddb.cgi?cmd=cddb+read+rock+10025603&hello="));
    EXPECT_TRUE(requests[1].endsWith("&proto=6 HTTP/1.0\r\n\r\n"));
}

TEST_F(CddbLookupTest, SeveralMatchesReadTheFirst) {
    CddbTestServer server(
        Serve({HttpReply("211 close\r\nmisc 10025603 A / B\r\nrock 20025603 C / D\r\n"
                         "jazz 30025603 E / F\r\n.\r\n")},
              {HttpReply(ExampleRead())}));
    const CddbLookupResult result = RunCddbLookup(At(server.Port()));
    ASSERT_TRUE(result.ok) << result.message.toStdString();
    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_TRUE(requests[1].contains("cmd=cddb+read+misc+10025603&"));
    EXPECT_EQ(result.album.tracks.size(), 3u);
}

TEST_F(CddbLookupTest, FailuresGiveTheirMessages) {
    const QByteArray endless = HttpReply("210 rock 10025603 follows\r\n# xmcd\r\n");
    const QByteArray huge =
        HttpReply("210 rock 10025603 follows\r\n# " + QByteArray(1100 * 1024, 'x'));
    struct Case {
        const char* name;
        CannedReply query;
        CannedReply read;
        QString message; // a prefix of the message
    };
    const Case cases[] = {
        {"no match", {HttpReply("202 No match for disc ID 10025603.\r\n")}, {}, "No match found!"},
        {"server error",
         {HttpReply("500 Command syntax error\r\n")},
         {},
         "Failed to Query,error:500 Command syntax error"},
        {"invalid record",
         {HttpReply(ExampleQuery200())},
         {HttpReply(ExampleRead(false))},
         "Failed to read,error:210 rock 10025603 CD database entry follows"},
        {"read error",
         {HttpReply(ExampleQuery200())},
         {HttpReply("401 rock 10025603 No such CD entry.\r\n")},
         "Failed to read,error:HTTP/1.0 200 OK"}, // closed without terminator: whole text
        {"closes early",
         {"HTTP/1.0 200 OK\r\n\r\n21"},
         {},
         "Failed to Query,error:HTTP/1.0 200 OK 21"},
        {"never ends",
         {HttpReply(ExampleQuery200())},
         {endless, 0, 0, true},
         "Failed to read,error:connection timed out"},
        {"too large",
         {HttpReply(ExampleQuery200())},
         {huge, 64 * 1024, 0, true},
         "Failed to read,error:HTTP/1.0"},
        {"no blank line",
         {"HTTP/1.0 200 OK\r\n.\r\n"},
         {},
         "Failed to Query,error:HTTP/1.0 200 OK"},
    };
    for (const Case& c : cases) {
        CddbTestServer server(Serve(c.query, c.read));
        const CddbLookupResult result = RunCddbLookup(At(server.Port()));
        EXPECT_FALSE(result.ok) << c.name;
        EXPECT_TRUE(result.message.startsWith(c.message))
            << c.name << ": " << result.message.left(200).toStdString();
        EXPECT_LE(result.message.size(), 330) << c.name;
        EXPECT_TRUE(result.album.tracks.empty()) << c.name;
    }
}

TEST_F(CddbLookupTest, SlowDripRepliesArriveWhole) {
    CddbTestServer server(
        Serve({HttpReply(ExampleQuery200()), 3, 20}, {HttpReply(ExampleRead()), 64, 20}));
    const CddbLookupResult result = RunCddbLookup(At(server.Port()));
    ASSERT_TRUE(result.ok) << result.message.toStdString();
    EXPECT_EQ(result.album.tracks.size(), 3u);
}

TEST_F(CddbLookupTest, ThroughAProxyWithBasicCredentials) {
    CddbTestServer proxy([](const QByteArray& request) -> CannedReply {
        const bool proxied =
            request.startsWith("GET http://cddb.example.org/~cddb/cddb.cgi?cmd=cddb+") &&
            request.contains("\r\nProxy-Authorization: Basic dXNlcjpzZWNyZXQ=\r\n"
                             "Host: cddb.example.org\r\n\r\n");
        if (!proxied)
            return {"HTTP/1.0 407 Proxy Authentication Required\r\n\r\n"};
        return ExampleCddbServer(request);
    });
    CddbSettings settings;
    settings.server = QStringLiteral("cddb.example.org"); // only the proxy resolves it
    settings.proxy.use = true;
    settings.proxy.host = QStringLiteral("127.0.0.1");
    settings.proxy.port = proxy.Port();
    settings.proxy.useAuthentication = true;
    settings.proxy.user = QStringLiteral("user");
    settings.proxy.password = QStringLiteral("secret");
    const CddbLookupResult result = RunCddbLookup(settings);
    ASSERT_TRUE(result.ok) << result.message.toStdString();
    EXPECT_EQ(result.album.tracks.size(), 3u);

    settings.proxy.useAuthentication = false; // the proxy refuses: the reply is shown
    const CddbLookupResult refused = RunCddbLookup(settings);
    EXPECT_EQ(refused.message, u"Failed to Query,error:HTTP/1.0 407 Proxy Authentication Required");
}

TEST_F(CddbLookupTest, NoDiscOrNoServer) {
    qputenv("LUMVANE_CDROM", m_dir.filePath(QStringLiteral("none.cue")).toUtf8());
    EXPECT_EQ(RunCddbLookup(At(1)).message,
              u"error retrieving the DISC ID,make sure there is a CD in your CD-ROM drive");
    qputenv("LUMVANE_CDROM", MakeExampleDisc(m_dir.path()).toUtf8());
    int freePort = 0;
    {
        CddbTestServer closed(ExampleCddbServer);
        freePort = closed.Port();
    }
    EXPECT_EQ(RunCddbLookup(At(freePort)).message, u"Failed to Query,error:connection refused");
    CddbSettings unresolvable = At(80);
    unresolvable.server = QStringLiteral("host.invalid");
    EXPECT_EQ(RunCddbLookup(unresolvable).message,
              u"Failed to Query,error:unknown host host.invalid");
}

// Servers that never finish, or send what a terminal or a message box would
// act on: every lookup ends within the request's time limit with one
// printable line.
TEST_F(CddbLookupTest, HostileServersEndWithinTheDeadlineInOnePrintableLine) {
    static const char kEscapes[] = "HTTP/1.0 200 OK\r\n\r\n500 \x1b]0;owned\x07\x1b[2J\r\n"
                                   "second line\0after NUL\r\n.\r\n";
    const QByteArray escapes(kEscapes, sizeof kEscapes - 1);
    struct Case {
        const char* name;
        CannedReply query;
        QString message; // a prefix of the message
        QString within;  // also in the message
    };
    const Case cases[] = {
        // One byte every 300 ms: the 2-second pause limit alone never fires.
        {"drip",
         {HttpReply(ExampleQuery200()), 1, 300},
         "Failed to Query,error:connection timed out",
         {}},
        {"escape sequences and NUL",
         {escapes},
         "Failed to Query,error:500 \\x1b]0;owned\\x07\\x1b[2J second line",
         "line\\x00after NUL"},
        {"closes mid-line",
         {"HTTP/1.0 200 OK\r\n\r\n200 rock 100"},
         "Failed to Query,error:HTTP/1.0 200 OK 200 rock 100",
         {}},
        {"long reply",
         {HttpReply("500 " + QByteArray(5000, 'y') + "\r\n")},
         "Failed to Query,error:500 yyy",
         QStringLiteral("y\u2026")},
    };
    for (const Case& c : cases) {
        CddbTestServer server(Serve(c.query, {}));
        CddbSettings settings = At(server.Port());
        settings.requestTimeoutMs = 1500;
        QElapsedTimer clock;
        clock.start();
        const CddbLookupResult result = RunCddbLookup(settings);
        EXPECT_LT(clock.elapsed(), 5000) << c.name;
        EXPECT_FALSE(result.ok) << c.name;
        EXPECT_TRUE(result.message.startsWith(c.message))
            << c.name << ": " << result.message.toStdString();
        EXPECT_TRUE(result.message.contains(c.within))
            << c.name << ": " << result.message.toStdString();
        EXPECT_LE(result.message.size(), QStringLiteral("Failed to Query,error:").size() + 300)
            << c.name;
        for (const QChar ch : result.message)
            EXPECT_TRUE(ch.isPrint()) << c.name << ": U+" << std::hex << unsigned(ch.unicode());
    }
}

TEST_F(CddbLookupTest, CancellingStopsAWaitingRequest) {
    CddbTestServer server(Serve({HttpReply("210 x\r\n"), 0, 0, true}, {}));
    std::atomic<bool> cancelled{true};
    const CddbLookupResult result = RunCddbLookup(At(server.Port()), &cancelled);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.cancelled);
    EXPECT_TRUE(result.message.isEmpty());
}

TEST(CddbClient, ReceptionLimitsSetTheirErrors) {
    const CCddbSite site = CCddbSite::ForQuery(QStringLiteral("127.0.0.1"), 0);
    struct Case {
        CannedReply reply;
        int error;
    };
    const Case cases[] = {
        {{HttpReply("210 rock 1 follows\r\n"), 0, 0, true}, ETIMEDOUT},
        {{HttpReply(QByteArray(1024 * 1024, 'x')), 0, 0, true}, EMSGSIZE},
        {{HttpReply("210 rock 1 follows\r\n# xmcd\r\n")}, ECONNRESET},
        {{HttpReply("210 rock 1 follows\r\n" + QByteArray(5000, 'x') + "\r\n.\r\n")},
         EPROTONOSUPPORT},
    };
    for (const Case& c : cases) {
        CddbTestServer server([&c](const QByteArray&) { return c.reply; });
        CCddbSite local = site;
        local.port = server.Port();
        CCddbClient client;
        CCddbRecord record;
        EXPECT_FALSE(client.Read(local, QStringLiteral("rock"), 1, record));
        EXPECT_EQ(client.LastError(), c.error) << c.reply.bytes.left(40).data();
        EXPECT_FALSE(client.LastReplyText().isEmpty());
    }
}
