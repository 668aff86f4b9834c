#include "musicbrainz_test_server.h"

#include "platform/cd_audio.h"
#include "tracks/musicbrainz_disc_id.h"

#include <QBuffer>
#include <QImage>

QString ExampleMusicBrainzDiscId() {
    // Tracks at 0:02, 3:10 and 6:40, lead-out at 10:00, as MakeExampleDisc makes them.
    const DiscToc toc = {MsfTime::FromFrames(150), MsfTime::FromFrames(14250),
                         MsfTime::FromFrames(30000), MsfTime::FromFrames(45000)};
    return MusicBrainzDiscId(toc);
}

QByteArray CoverPng() {
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(QColor(200, 20, 20));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray HttpResponse(int status, const QByteArray& body, const QByteArray& contentType,
                        const QByteArray& extraHeaders) {
    const QByteArray reason = status == 200   ? "OK"
                              : status == 307 ? "Temporary Redirect"
                              : status == 404 ? "Not Found"
                              : status == 503 ? "Service Unavailable"
                                              : "Status";
    return "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason +
           "\r\nContent-Type: " + contentType +
           "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n" +
           extraHeaders + "\r\n" + body;
}

namespace {

QByteArray OneReleaseJson(const QByteArray& discId) {
    return R"({"id": ")" + discId + R"(", "sectors": 45000, "offset-count": 3,
      "offsets": [150, 14250, 30000],
      "releases": [{
        "id": "11111111-2222-3333-4444-555555555555", "title": "Brainz Album",
        "date": "2001-05-02", "country": "DE",
        "artist-credit": [{"name": "Anna", "joinphrase": " & ", "artist": {"name": "Anna"}},
                          {"name": "Bob", "joinphrase": ""}],
        "media": [{"position": 1, "format": "CD", "discs": [{"id": ")" +
           discId + R"("}],
          "tracks": [
            {"position": 1, "title": "Erste", "length": 187000},
            {"position": 2, "title": "Zw\u00f6lf", "length": 211400,
             "artist-credit": [{"name": "Guest", "joinphrase": ""}]},
            {"position": 3, "title": "Drei", "length": null}]}]}]})";
}

QByteArray TwoReleasesJson(const QByteArray& discId) {
    QByteArray json = OneReleaseJson(discId);
    json.chop(2); // "]}" of the release list and the object
    return json + R"(, {
        "id": "aaaaaaaa-bbbb-cccc-dddd-eeeeeeeeeeee", "title": "Brainz Box", "date": "2010",
        "artist-credit": [{"name": "Anna", "joinphrase": ""}],
        "media": [
          {"position": 1, "discs": [{"id": "someOtherDisc"}], "tracks": [{"title": "Wrong"}]},
          {"position": 2, "discs": [{"id": ")" +
           discId + R"("}],
           "tracks": [{"title": "Box One", "length": 60000}, {"title": "Box Two"},
                      {"title": "Box Three", "length": 1000}]}]}]})";
}

} // namespace

MusicBrainzTestServer::MusicBrainzTestServer(MusicBrainzMode mode) : m_mode(mode) {
    m_server = std::make_unique<CddbTestServer>(
        [this](const QByteArray& request) { return Answer(request); });
}

QByteArray MusicBrainzTestServer::SettingsLines() const {
    const QByteArray port = QByteArray::number(Port());
    return "MusicBrainzServer=127.0.0.1\r\nMusicBrainzPort=" + port +
           "\r\nCoverArtServer=http://127.0.0.1:" + port + "\r\n";
}

CannedReply MusicBrainzTestServer::Answer(const QByteArray& request) {
    const QByteArray discId = ExampleMusicBrainzDiscId().toLatin1();
    QByteArray firstLine = request.left(request.indexOf("\r\n"));
    // As a proxy it sees "GET http://host:port/path": answer for the path.
    if (firstLine.startsWith("GET http://")) {
        const qsizetype path = firstLine.indexOf('/', 11);
        firstLine = "GET " + firstLine.mid(path);
    }
    if (firstLine.startsWith("GET /ws/2/discid/" + discId + "?")) {
        const int lookup = ++m_lookups;
        switch (m_mode) {
        case MusicBrainzMode::NotFound:
            return {HttpResponse(404, R"({"error": "Not Found"})")};
        case MusicBrainzMode::BusyAlways:
            return {HttpResponse(503, "busy", "text/plain", "Retry-After: 1\r\n")};
        case MusicBrainzMode::BusyOnce:
            if (lookup == 1)
                return {HttpResponse(503, "busy", "text/plain", "Retry-After: 1\r\n")};
            break;
        case MusicBrainzMode::TooLarge:
            return {HttpResponse(200, QByteArray(5 * 1024 * 1024, ' '))};
        case MusicBrainzMode::NeverEnds: {
            QByteArray reply = HttpResponse(200, OneReleaseJson(discId));
            reply.chop(reply.size() / 2);
            return {reply, 0, 0, true};
        }
        default:
            break;
        }
        return {HttpResponse(200, m_mode == MusicBrainzMode::TwoReleases ? TwoReleasesJson(discId)
                                                                         : OneReleaseJson(discId))};
    }
    if (firstLine.startsWith("GET /release/" + kFirstReleaseId.toLatin1() + "/front "))
        return {HttpResponse(307, QByteArray(), "text/plain",
                             "Location: http://127.0.0.1:" + QByteArray::number(Port()) +
                                 "/images/front.png\r\n")};
    if (firstLine.startsWith("GET /images/front.png "))
        return {HttpResponse(200, CoverPng(), "image/png")};
    return {HttpResponse(404, "no such thing", "text/plain")};
}
