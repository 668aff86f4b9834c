#pragma once

#include "platform/cd_audio.h"
#include "tracks/album_data.h"
#include "tracks/cddb_types.h"

#include <QString>

#include <atomic>

// The result of looking up the CD: on success the album fields and one track
// per title; on failure the message to show (empty when the lookup was
// cancelled, or when the second reading of the disc failed silently).
struct CddbLookupResult {
    bool ok = false;
    bool cancelled = false;
    QString message;
    AlbumData album;
};

// The whole lookup: disc id, query, read of the first match, rows. Blocks
// until done; run it off the user-interface thread. `cancelled` may be null.
CddbLookupResult RunCddbLookup(const CddbSettings& settings,
                               const std::atomic<bool>* cancelled = nullptr);

// The album a record gives on a disc with the table of contents `toc`: the
// disc artist on each row, one row per title (no more than the disc's
// tracks), each play time measured to the next entry of `toc` as "%02d:%02d".
AlbumData AlbumFromCddbRecord(const CCddbRecord& record, const DiscToc& toc);
