#pragma once

#include "platform/cd_audio.h"
#include "tracks/album_data.h"
#include "tracks/musicbrainz_types.h"

#include <QByteArray>
#include <QString>

#include <vector>

// The largest reply a disc id lookup may send; a release list with every
// recording stays far below it.
inline constexpr qsizetype kMaxMusicBrainzReplyBytes = 4 * 1024 * 1024;
// More releases or tracks than this are not read: a disc has at most 99
// tracks, and no disc id belongs to hundreds of releases.
inline constexpr int kMaxMusicBrainzReleases = 100;
inline constexpr int kMaxMusicBrainzTracks = 99;

// Reads the JSON reply of a disc id lookup ("/ws/2/discid/ID?inc=...") into
// its releases, in the service's order. For each release the medium holding
// `discId` gives the tracks (the first medium when none names it). False,
// with the reason in `error`, for a reply that is not such an object; a
// release without an id or tracks is skipped. Nothing in the reply is
// trusted: every field is checked for its type and the counts are bounded.
bool ParseMusicBrainzDiscReply(const QByteArray& json, const QString& discId,
                               std::vector<MbRelease>& releases, QString* error = nullptr);

// The album a release gives on a disc with the table of contents `toc`: its
// title, artist credit and year, one row per track with the track's artist
// and its length as "%02d:%02d" (measured on `toc` when the service does not
// know it).
AlbumData AlbumFromMusicBrainzRelease(const MbRelease& release, const DiscToc& toc);
