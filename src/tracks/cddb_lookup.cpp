#include "cddb_lookup.h"

#include "tracks/cddb_client.h"

#include <QCoreApplication>

namespace {

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

namespace {

// A client set up from the settings: user, time limit and proxy.
void Configure(CCddbClient& client, const CddbSettings& settings) {
    client.SetUserEmail(settings.userEmail);
    client.SetRequestTimeout(settings.requestTimeoutMs);
    if (settings.proxy.Active()) {
        client.SetProxy(settings.proxy.host, settings.proxy.port);
        if (settings.proxy.Authenticates())
            client.SetProxyAuthentication(settings.proxy.user, settings.proxy.password);
    }
}

template <typename Result>
Result Failed(const QString& message, const std::atomic<bool>* cancelled) {
    Result result;
    result.cancelled = cancelled != nullptr && cancelled->load();
    if (!result.cancelled)
        result.message = message;
    return result;
}

} // namespace

CddbQueryResult RunCddbQuery(const CddbSettings& settings, const std::atomic<bool>* cancelled) {
    CCddbClient client(cancelled);
    Configure(client, settings);
    const CCddbSite site = CCddbSite::ForQuery(settings.server, settings.port);

    uint32_t discId = 0;
    if (!client.ComputeDiscId(discId))
        return Failed<CddbQueryResult>(
            QStringLiteral(
                "error retrieving the DISC ID,make sure there is a CD in your CD-ROM drive"),
            cancelled);
    CddbQueryResult result;
    if (!client.ReadDiscToc(result.toc))
        return Failed<CddbQueryResult>(QString(), cancelled);
    if (!client.Query(site, discId, result.toc, result.matches))
        return Failed<CddbQueryResult>(
            QCoreApplication::translate("CddbLookup", "Failed to Query,error:%1")
                .arg(client.FailureText()),
            cancelled);
    if (result.matches.empty())
        return Failed<CddbQueryResult>(QCoreApplication::translate("CddbLookup", "No match found!"),
                                       cancelled);
    result.ok = true;
    return result;
}

CddbLookupResult RunCddbRead(const CddbSettings& settings, const DiscToc& toc,
                             const CCddbMatch& match, const std::atomic<bool>* cancelled) {
    CCddbClient client(cancelled);
    Configure(client, settings);
    const CCddbSite site = CCddbSite::ForQuery(settings.server, settings.port);
    CCddbRecord record;
    if (!client.Read(site, match.category, match.discId, record))
        return Failed<CddbLookupResult>(
            QCoreApplication::translate("CddbLookup", "Failed to read,error:%1")
                .arg(client.FailureText()),
            cancelled);
    CddbLookupResult result;
    result.ok = true;
    result.album = AlbumFromCddbRecord(record, toc);
    return result;
}

CddbLookupResult RunCddbLookup(const CddbSettings& settings, const std::atomic<bool>* cancelled) {
    const CddbQueryResult query = RunCddbQuery(settings, cancelled);
    if (!query.ok) {
        CddbLookupResult result;
        result.cancelled = query.cancelled;
        result.message = query.message;
        return result;
    }
    return RunCddbRead(settings, query.toc, query.matches.front(), cancelled);
}
