#pragma once

#include "tracks/album_data.h"

#include <QString>
#include <QStringList>

#include <vector>

// The rows that importing music files and playlists adds, in the order of
// `paths`. Each file is handled by its extension (case does not matter):
// mp3 through the MP3 reader, wav, mp4 and m4a through their media length,
// pls and m3u entry by entry; other files add nothing. Nothing is reported:
// a file that cannot be read adds no row, or its fallback row.
std::vector<TrackEntry> ImportTrackFiles(const QStringList& paths);

// The row of a media file of `milliseconds`: artist "unknown", the file name
// without extension, and minutes and seconds with the hours dropped.
TrackEntry MediaTrackRow(const QString& path, qint64 milliseconds);
