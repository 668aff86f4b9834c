#pragma once

#include "tracks_test_support.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <memory>

// The MusicBrainz disc id of the example disc (MakeExampleDisc).
QString ExampleMusicBrainzDiscId();

// Release ids of the canned replies.
inline const QString kFirstReleaseId = QStringLiteral("11111111-2222-3333-4444-555555555555");
inline const QString kSecondReleaseId = QStringLiteral("aaaaaaaa-bbbb-cccc-dddd-eeeeeeeeeeee");

// A 40 x 30 red PNG file.
QByteArray CoverPng();

// "HTTP/1.1 <status>" with a length, a content type and "Connection: close".
QByteArray HttpResponse(int status, const QByteArray& body,
                        const QByteArray& contentType = "application/json",
                        const QByteArray& extraHeaders = QByteArray());

// What the canned MusicBrainz and Cover Art Archive server answers with.
enum class MusicBrainzMode {
    OneRelease,  // the disc belongs to one release
    TwoReleases, // ... to two; the second is a two-disc set holding it second
    NotFound,    // 404
    BusyOnce,    // 503 with "Retry-After: 1", then the one release
    BusyAlways,  // 503 with "Retry-After: 1" every time
    NeverEnds,   // a header and half a body, then silence
    TooLarge,    // a 5 MB reply
};

// A test server for both services: disc id lookups under /ws/2/discid/, and
// front covers under /release/<id>/front, which redirect to /images/<id>.png
// (kSecondReleaseId has none: 404). It also answers requests made to it as a
// proxy (absolute addresses).
class MusicBrainzTestServer {
public:
    explicit MusicBrainzTestServer(MusicBrainzMode mode);
    int Port() const { return m_server->Port(); }
    std::vector<QByteArray> Requests() const { return m_server->Requests(); }
    // The lumvanesetup.ini lines pointing both services at this server.
    QByteArray SettingsLines() const;

private:
    CannedReply Answer(const QByteArray& request);

    MusicBrainzMode m_mode;
    std::atomic<int> m_lookups{0};
    std::unique_ptr<CddbTestServer> m_server;
};
