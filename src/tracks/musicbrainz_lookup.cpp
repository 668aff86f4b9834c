#include "musicbrainz_lookup.h"

#include "imaging/image_codec.h"
#include "imaging/raster_image.h"
#include "tracks/musicbrainz_client.h"
#include "tracks/musicbrainz_disc_id.h"
#include "tracks/musicbrainz_reply.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QUrlQuery>

namespace {

bool IsMbid(const QString& id) {
    static const QRegularExpression pattern(QStringLiteral(
        "^[0-9a-fA-F]{8}-[0-9a-fA-F]{4}-[0-9a-fA-F]{4}-[0-9a-fA-F]{4}-[0-9a-fA-F]{12}$"));
    return pattern.match(id).hasMatch();
}

QUrl WithPath(QUrl base, const QString& path) {
    QString prefix = base.path();
    while (prefix.endsWith(u'/'))
        prefix.chop(1);
    base.setPath(prefix + path);
    return base;
}

} // namespace

QUrl MusicBrainzDiscUrl(const MusicBrainzSettings& settings, const QString& discId) {
    QUrl url = WithPath(CMusicBrainzClient::ServiceBase(settings),
                        QStringLiteral("/ws/2/discid/") + discId);
    // Disc ids use only letters, digits, ".", "_" and "-": nothing to escape.
    url.setQuery(QStringLiteral("inc=artist-credits+recordings&fmt=json"));
    return url;
}

QUrl FrontCoverUrl(const MusicBrainzSettings& settings, const QString& releaseId) {
    if (!IsMbid(releaseId))
        return QUrl();
    return WithPath(QUrl(settings.coverArtServer.trimmed()),
                    QStringLiteral("/release/%1/front").arg(releaseId.toLower()));
}

MusicBrainzQueryResult RunMusicBrainzQuery(const MusicBrainzSettings& settings,
                                           const std::atomic<bool>* cancelled) {
    MusicBrainzQueryResult result;
    const auto fail = [&](const QString& message) {
        result.cancelled = cancelled != nullptr && cancelled->load();
        if (!result.cancelled)
            result.message = message;
        result.releases.clear();
        return result;
    };
    if (!ReadCdAudioToc(CdAudioSource(), result.toc))
        return fail(QStringLiteral(
            "error retrieving the DISC ID,make sure there is a CD in your CD-ROM drive"));
    result.discId = MusicBrainzDiscId(result.toc);
    if (result.discId.isEmpty())
        return fail(QCoreApplication::translate(
            "MusicBrainzLookup", "The disc's table of contents gives no MusicBrainz disc id."));

    CMusicBrainzClient client(settings, cancelled);
    QByteArray body;
    switch (client.GetService(MusicBrainzDiscUrl(settings, result.discId),
                              kMaxMusicBrainzReplyBytes, body)) {
    case CMusicBrainzClient::Outcome::Ok:
        break;
    case CMusicBrainzClient::Outcome::NotFound:
        return fail(
            QCoreApplication::translate("MusicBrainzLookup",
                                        "MusicBrainz knows no release of this disc (disc id %1).")
                .arg(result.discId));
    case CMusicBrainzClient::Outcome::Busy:
        return fail(QStringLiteral("The MusicBrainz server is busy. Please try again in a "
                                   "minute."));
    case CMusicBrainzClient::Outcome::Cancelled:
        return fail(QString());
    case CMusicBrainzClient::Outcome::Failed:
        return fail(QCoreApplication::translate("MusicBrainzLookup",
                                                "Failed to query MusicBrainz, error: %1")
                        .arg(client.FailureText()));
    }
    QString error;
    if (!ParseMusicBrainzDiscReply(body, result.discId, result.releases, &error))
        return fail(QCoreApplication::translate("MusicBrainzLookup",
                                                "Failed to query MusicBrainz, error: %1")
                        .arg(error));
    if (result.releases.empty())
        return fail(
            QCoreApplication::translate("MusicBrainzLookup",
                                        "MusicBrainz knows no release of this disc (disc id %1).")
                .arg(result.discId));
    result.ok = true;
    return result;
}

CoverArtResult FetchFrontCover(const MusicBrainzSettings& settings, const QString& releaseId,
                               const std::atomic<bool>* cancelled) {
    CoverArtResult result;
    const QUrl url = FrontCoverUrl(settings, releaseId);
    if (!url.isValid()) {
        result.message = QStringLiteral("The release id \"%1\" is not valid.").arg(releaseId);
        return result;
    }
    CMusicBrainzClient client(settings, cancelled);
    QByteArray body;
    switch (client.Get(url, kMaxCoverBytes, body)) {
    case CMusicBrainzClient::Outcome::Ok:
        break;
    case CMusicBrainzClient::Outcome::NotFound:
        result.notFound = true;
        result.message =
            QCoreApplication::translate("MusicBrainzLookup", "The release has no front cover.");
        return result;
    case CMusicBrainzClient::Outcome::Cancelled:
        result.cancelled = true;
        return result;
    case CMusicBrainzClient::Outcome::Busy:
        result.message =
            QCoreApplication::translate("MusicBrainzLookup", "The cover server is busy.");
        return result;
    case CMusicBrainzClient::Outcome::Failed:
        result.message =
            QCoreApplication::translate("MusicBrainzLookup", "Failed to fetch the cover, error: %1")
                .arg(client.FailureText());
        return result;
    }
    // Our own decoders, with their pixel budget, judge the picture: a
    // hostile or damaged file is refused here, before it reaches a document.
    const auto* data = reinterpret_cast<const uint8_t*>(body.constData());
    const std::span<const uint8_t> bytes(data, size_t(body.size()));
    const int format = SniffImageFormat(bytes);
    CRasterImage image;
    if (format < 0 || !image.DecodeFrom(bytes, format)) {
        result.message = QCoreApplication::translate(
            "MusicBrainzLookup", "The cover is not a picture Lumvane can read.");
        return result;
    }
    result.ok = true;
    result.bytes = body;
    result.formatId = format;
    return result;
}
