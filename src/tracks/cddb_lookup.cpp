#include "cddb_lookup.h"

#include "tracks/cddb_client.h"

#include <QCoreApplication>

namespace {

CddbLookupResult Failure(const QString& message, bool cancelled) {
    CddbLookupResult result;
    result.cancelled = cancelled;
    if (!cancelled)
        result.message = message;
    return result;
}

int WholeSeconds(const MsfTime& time) {
    return time.minutes * 60 + time.seconds;
}

} // namespace

AlbumData AlbumFromCddbRecord(const CCddbRecord& record, const DiscToc& toc) {
    AlbumData album;
    album.artist = record.artist;
    album.title = record.title;
    album.year = QString::number(record.year);
    const size_t trackCount = toc.empty() ? 0 : toc.size() - 1;
    for (size_t i = 0; i < record.trackTitles.size() && i < trackCount; ++i) {
        const int seconds = WholeSeconds(toc[i + 1]) - WholeSeconds(toc[i]);
        album.tracks.push_back(
            TrackEntry{record.artist, record.trackTitles[i],
                       QString::asprintf("%02d:%02d", seconds / 60, seconds % 60)});
    }
    return album;
}

CddbLookupResult RunCddbLookup(const CddbSettings& settings, const std::atomic<bool>* cancelled) {
    const auto isCancelled = [cancelled] { return cancelled != nullptr && cancelled->load(); };
    CCddbClient client(cancelled);
    client.SetUserEmail(settings.userEmail);
    client.SetRequestTimeout(settings.requestTimeoutMs);
    const CCddbSite site = CCddbSite::ForQuery(settings.server, settings.port);

    uint32_t discId = 0;
    if (!client.ComputeDiscId(discId))
        return Failure(
            QStringLiteral(
                "error retrieving the DISC ID,make sure there is a CD in your CD-ROM drive"),
            isCancelled());
    if (settings.useProxy) {
        client.SetProxy(settings.proxyHost, settings.proxyPort);
        if (settings.useAuthentication)
            client.SetProxyAuthentication(settings.proxyUser, settings.proxyPassword);
    }
    DiscToc toc;
    if (!client.ReadDiscToc(toc))
        return Failure(QString(), isCancelled());

    std::vector<CCddbMatch> matches;
    if (!client.Query(site, discId, toc, matches))
        return Failure(QCoreApplication::translate("CddbLookup", "Failed to Query,error:%1")
                           .arg(client.FailureText()),
                       isCancelled());
    if (matches.empty())
        return Failure(QCoreApplication::translate("CddbLookup", "No match found!"), isCancelled());

    CCddbRecord record;
    if (!client.Read(site, matches.front().category, matches.front().discId, record))
        return Failure(QCoreApplication::translate("CddbLookup", "Failed to read,error:%1")
                           .arg(client.FailureText()),
                       isCancelled());

    CddbLookupResult result;
    result.ok = true;
    result.album = AlbumFromCddbRecord(record, toc);
    return result;
}
