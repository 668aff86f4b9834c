#include "musicbrainz_reply.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// A credit such as [{"name": "A", "joinphrase": " & "}, {"name": "B"}] as
// "A & B"; empty when the value is no such list.
QString ArtistCredit(const QJsonValue& credit) {
    QString text;
    const QJsonArray parts = credit.toArray();
    for (qsizetype i = 0; i < parts.size() && i < 50; ++i) {
        const QJsonObject part = parts[i].toObject();
        QString name = part.value(QStringLiteral("name")).toString();
        if (name.isEmpty())
            name = part.value(QStringLiteral("artist")).toObject().value(u"name").toString();
        text += name + part.value(QStringLiteral("joinphrase")).toString();
    }
    return text;
}

// The medium of `release` that lists `discId` among its discs, else the first.
QJsonObject MediumOf(const QJsonObject& release, const QString& discId) {
    const QJsonArray media = release.value(QStringLiteral("media")).toArray();
    for (const QJsonValue& medium : media) {
        const QJsonArray discs = medium.toObject().value(QStringLiteral("discs")).toArray();
        for (const QJsonValue& disc : discs)
            if (!discId.isEmpty() && disc.toObject().value(u"id").toString() == discId)
                return medium.toObject();
    }
    return media.isEmpty() ? QJsonObject() : media.first().toObject();
}

QString Text(const QJsonObject& object, QStringView key) {
    return object.value(key).toString().trimmed();
}

int WholeSeconds(const MsfTime& time) {
    return time.minutes * 60 + time.seconds;
}

} // namespace

bool ParseMusicBrainzDiscReply(const QByteArray& json, const QString& discId,
                               std::vector<MbRelease>& releases, QString* error) {
    releases.clear();
    const auto fail = [error](const QString& why) {
        if (error != nullptr)
            *error = why;
        return false;
    };
    if (json.size() > kMaxMusicBrainzReplyBytes)
        return fail(QStringLiteral("the reply is too large"));
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (!document.isObject())
        return fail(
            parseError.error != QJsonParseError::NoError
                ? QStringLiteral("the reply is not valid JSON (%1)").arg(parseError.errorString())
                : QStringLiteral("the reply is not a JSON object"));
    const QJsonObject root = document.object();
    const QJsonValue list = root.value(QStringLiteral("releases"));
    if (!list.isArray())
        return fail(QStringLiteral("the reply lists no releases"));
    for (const QJsonValue& value : list.toArray()) {
        if (int(releases.size()) >= kMaxMusicBrainzReleases)
            break;
        const QJsonObject object = value.toObject();
        MbRelease release;
        release.id = Text(object, u"id");
        release.title = Text(object, u"title");
        release.artist = ArtistCredit(object.value(QStringLiteral("artist-credit"))).trimmed();
        release.date = Text(object, u"date");
        release.country = Text(object, u"country");
        const QJsonArray tracks = MediumOf(object, discId).value(u"tracks").toArray();
        for (const QJsonValue& trackValue : tracks) {
            if (int(release.tracks.size()) >= kMaxMusicBrainzTracks)
                break;
            const QJsonObject track = trackValue.toObject();
            MbTrack entry;
            entry.title = Text(track, u"title");
            if (entry.title.isEmpty())
                entry.title = Text(track.value(u"recording").toObject(), u"title");
            entry.artist = ArtistCredit(track.value(QStringLiteral("artist-credit"))).trimmed();
            if (entry.artist.isEmpty())
                entry.artist = release.artist;
            const QJsonValue length = track.value(QStringLiteral("length"));
            // Lengths are milliseconds; anything not a sane number is unknown.
            if (length.isDouble() && length.toDouble() >= 0 && length.toDouble() < 1e8)
                entry.lengthMs = int(length.toDouble());
            release.tracks.push_back(entry);
        }
        if (release.id.isEmpty() || release.tracks.empty())
            continue;
        releases.push_back(std::move(release));
    }
    return true;
}

AlbumData AlbumFromMusicBrainzRelease(const MbRelease& release, const DiscToc& toc) {
    AlbumData album;
    album.title = release.title;
    album.artist = release.artist;
    album.year = release.date.left(4); // "1999-04-12", "1999-04" or "1999"
    for (size_t i = 0; i < release.tracks.size(); ++i) {
        const MbTrack& track = release.tracks[i];
        int seconds = -1;
        if (track.lengthMs >= 0)
            seconds = (track.lengthMs + 500) / 1000;
        else if (i + 1 < toc.size())
            seconds = WholeSeconds(toc[i + 1]) - WholeSeconds(toc[i]);
        album.tracks.push_back(
            TrackEntry{track.artist, track.title,
                       seconds < 0 ? QStringLiteral("00:00")
                                   : QString::asprintf("%02d:%02d", seconds / 60, seconds % 60)});
    }
    return album;
}
