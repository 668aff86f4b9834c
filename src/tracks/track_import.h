#pragma once

#include "tracks/album_data.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// What importing music files and playlists gives: the rows, the album when
// the files agree on it, and the first front cover found in their tags.
struct TrackImport {
    std::vector<TrackEntry> rows;
    // Every row came from a file naming the same album, album artist (its
    // artist when it names none) and year; the album is not empty.
    bool albumAgreed = false;
    QString albumTitle;
    QString albumArtist;
    QString year;
    QByteArray cover;  // a picture file's bytes, empty when no file has one
    QString coverFile; // the music file it is embedded in
};

// Imports `paths`, each handled by its extension (case does not matter):
// mp3 through the MP3 reader with the ID3 version 2 tag before version 1;
// flac, ogg, oga, opus, m4a, mp4, aac, aiff, aif, wma, ape and wav through
// their tags (the file name as title when untagged; wav, mp4 and m4a without
// tags through their media length); pls and m3u entry by entry. Other files
// add nothing. Files given directly (not through a playlist) that all carry
// a track number are ordered by disc and track number; otherwise the rows
// keep the order of `paths`.
// `progress`, when given, is told before each path how many are done; it
// returns false to stop there (the rows so far are kept).
TrackImport ImportMusicFiles(const QStringList& paths,
                             const std::function<bool(int done, int total)>& progress = {});

// The rows alone (see ImportMusicFiles).
std::vector<TrackEntry> ImportTrackFiles(const QStringList& paths);

// Whether the import takes a file of this name (music or playlist).
bool IsImportableFile(const QString& path);

// The importable files of `paths`: folders walked recursively (names in
// order, hidden entries and links to folders skipped), files kept as they
// are. Stops after `limit` files and sets `truncated`.
QStringList ExpandImportPaths(const QStringList& paths, int limit, bool* truncated = nullptr);

// The row of a media file of `milliseconds`: artist "unknown", the file name
// without extension, and minutes and seconds with the hours dropped.
TrackEntry MediaTrackRow(const QString& path, qint64 milliseconds);
