#pragma once

#include "platform/cd_audio.h"
#include "tracks/album_data.h"
#include "tracks/musicbrainz_types.h"

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <atomic>
#include <vector>

// The first half of a MusicBrainz lookup: the disc, its disc id and the
// releases the service lists for it, in the service's order. `ok` with at
// least one release; otherwise `message` says why (empty when cancelled).
struct MusicBrainzQueryResult {
    bool ok = false;
    bool cancelled = false;
    QString message;
    DiscToc toc;
    QString discId;
    std::vector<MbRelease> releases;
};

// A front cover: the picture file's bytes, checked to decode as a picture.
struct CoverArtResult {
    bool ok = false;
    bool cancelled = false;
    bool notFound = false; // the release has no front cover: not worth a message
    QString message;
    QByteArray bytes;
    int formatId = -1;
};

// The largest cover accepted, in bytes.
inline constexpr qsizetype kMaxCoverBytes = 16 * 1024 * 1024;

// "<base>/ws/2/discid/<id>?inc=artist-credits+recordings&fmt=json".
QUrl MusicBrainzDiscUrl(const MusicBrainzSettings& settings, const QString& discId);
// "<cover server>/release/<id>/front"; invalid for an id that is no MBID.
QUrl FrontCoverUrl(const MusicBrainzSettings& settings, const QString& releaseId);

// Reads the disc, computes its disc id and asks the service for its
// releases. Blocks; run it off the user-interface thread (the calling thread
// needs no event loop of its own). `cancelled` may be null.
MusicBrainzQueryResult RunMusicBrainzQuery(const MusicBrainzSettings& settings,
                                           const std::atomic<bool>* cancelled = nullptr);

// Fetches the release's front cover and checks that it decodes within the
// decoders' pixel budget. Blocks like RunMusicBrainzQuery.
CoverArtResult FetchFrontCover(const MusicBrainzSettings& settings, const QString& releaseId,
                               const std::atomic<bool>* cancelled = nullptr);
