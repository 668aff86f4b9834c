#include "tracks/cddb_protocol.h"

#include <gtest/gtest.h>

namespace {

const DiscToc kToc = {{0, 2, 0}, {3, 10, 0}, {6, 40, 0}, {10, 0, 0}};
const QByteArray kVersion = LUMVANE_VERSION;

} // namespace

TEST(CddbProtocol, HelloUsesTheEmailOrTheCleanedLoginAndHostNames) {
    EXPECT_EQ(CddbHello(QString(), QStringLiteral("jo.doe"), QStringLiteral("my-box.local")),
              "hello=jo_doe+my_box_local+Lumvane+" + kVersion + "&proto=6");
    EXPECT_EQ(CddbHello(QString(), QString(), QString()),
              "hello=Unknown+Unknown+Lumvane+" + kVersion + "&proto=6");
    EXPECT_EQ(CddbHello(QStringLiteral("jo.doe+cd@mail-host.example"), QStringLiteral("x"),
                        QStringLiteral("y")),
              "hello=jo.doe%2Bcd+mail-host.example+Lumvane+" + kVersion + "&proto=6");
    // Not an address: the login and host names are used.
    EXPECT_EQ(CddbHello(QStringLiteral("nobody"), QStringLiteral("a"), QStringLiteral("b")),
              "hello=a+b+Lumvane+" + kVersion + "&proto=6");
}

TEST(CddbProtocol, RequestsDirectAndThroughAProxy) {
    const CCddbSite site = CCddbSite::ForQuery(QStringLiteral("cddb.example.org"), 8880);
    const QByteArray hello = "hello=u+h+Lumvane+1&proto=6";
    EXPECT_EQ(
        CddbQueryRequest(site, 0x10025603, kToc, hello, {}),
        "GET "
        "/~cddb/cddb.cgi?cmd=cddb+query+10025603+3+150+14250+30000+600&hello=u+h+Lumvane+1&proto=6 "
        "HTTP/1.0\r\n\r\n");
    EXPECT_EQ(CddbReadRequest(site, QStringLiteral("rock"), 0x7a0a4b0c, hello, {}),
              "GET /~cddb/cddb.cgi?cmd=cddb+read+rock+7a0a4b0c&hello=u+h+Lumvane+1&proto=6 "
              "HTTP/1.0\r\n\r\n");
    // The disc id keeps its leading zeros.
    EXPECT_TRUE(
        CddbReadRequest(site, QStringLiteral("misc"), 0x1a, hello, {}).contains("+misc+0000001a&"));

    CddbProxy proxy{QStringLiteral("proxy.example"), 3128, QString(), QString()};
    EXPECT_EQ(CddbReadRequest(site, QStringLiteral("rock"), 0x7a0a4b0c, hello, proxy),
              "GET "
              "http://cddb.example.org/~cddb/"
              "cddb.cgi?cmd=cddb+read+rock+7a0a4b0c&hello=u+h+Lumvane+1&proto=6 "
              "HTTP/1.0\r\nHost: cddb.example.org\r\n\r\n");
    proxy.user = QStringLiteral("Aladdin");
    proxy.password = QStringLiteral("open sesame");
    const QByteArray query = CddbQueryRequest(site, 0x10025603, kToc, hello, proxy);
    EXPECT_EQ(
        query,
        "GET http://cddb.example.org/~cddb/cddb.cgi?cmd=cddb+query+10025603+3+150+14250+30000+600"
        "&hello=u+h+Lumvane+1&proto=6 HTTP/1.0\r\nProxy-Authorization: Basic "
        "QWxhZGRpbjpvcGVuIHNlc2FtZQ==\r\nHost: cddb.example.org\r\n\r\n");
    // Exactly one blank line, at the end.
    EXPECT_EQ(query.count("\r\n\r\n"), 1);
    EXPECT_TRUE(query.endsWith("\r\n\r\n"));
}
