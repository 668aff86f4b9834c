#pragma once

#include "platform/cd_audio.h"
#include "tracks/album_data.h"
#include "tracks/cddb_types.h"

#include <QString>

#include <atomic>
#include <vector>

// The result of looking up the CD: on success the album fields and one track
// per title; on failure the message to show (empty when the lookup was
// cancelled, or when the second reading of the disc failed silently).
struct CddbLookupResult {
    bool ok = false;
    bool cancelled = false;
    QString message;
    AlbumData album;
};

// The first half of a lookup: the disc's table of contents and every match
// the server offers for it, in the server's order. `ok` with at least one
// match; otherwise `message` as for CddbLookupResult.
struct CddbQueryResult {
    bool ok = false;
    bool cancelled = false;
    QString message;
    DiscToc toc;
    std::vector<CCddbMatch> matches;
};

// Reads the disc and asks the server which entries match it. Blocks; run it
// off the user-interface thread. `cancelled` may be null.
CddbQueryResult RunCddbQuery(const CddbSettings& settings,
                             const std::atomic<bool>* cancelled = nullptr);

// Reads the entry `match` names and fills the album from it for a disc with
// the table of contents `toc`. Blocks like RunCddbQuery.
CddbLookupResult RunCddbRead(const CddbSettings& settings, const DiscToc& toc,
                             const CCddbMatch& match, const std::atomic<bool>* cancelled = nullptr);

// The whole lookup: disc id, query, read of the first match, rows. Blocks
// until done; run it off the user-interface thread. `cancelled` may be null.
CddbLookupResult RunCddbLookup(const CddbSettings& settings,
                               const std::atomic<bool>* cancelled = nullptr);

// The album a record gives on a disc with the table of contents `toc`: the
// disc artist on each row, one row per title (no more than the disc's
// tracks), each play time measured to the next entry of `toc` as "%02d:%02d".
AlbumData AlbumFromCddbRecord(const CCddbRecord& record, const DiscToc& toc);
