#pragma once

#include <QByteArrayView>
#include <QString>

#include <vector>

// One entry of a playlist: the resolved path, a title and a play time text.
struct PlaylistEntry {
    QString path;
    QString title;
    QString playTime;

    bool operator==(const PlaylistEntry&) const = default;
};

// The folder of a playlist's path: up to and including its last "/" or "\".
QString PlaylistDirectory(const QString& playlistPath);

// Resolves an entry path against the playlist's folder. Absolute are paths
// that start with "/" or "\" and Windows paths with a drive letter ("C:\",
// "C:/"); anything else, including paths that start with "..", is joined to
// the folder. Joined to a local folder, the entry's backslashes become "/".
QString ResolvePlaylistPath(const QString& directory, const QString& entry);

// The file name of a path (after its last "/" or "\") without the text from
// its last "." on.
QString PlaylistTitleFromPath(const QString& path);

// The readers take the playlist's text and its folder. Text that is not
// valid UTF-8 is read as Windows-1252.
std::vector<PlaylistEntry> ParsePlsPlaylist(QByteArrayView text, const QString& directory);
std::vector<PlaylistEntry> ParseM3uPlaylist(QByteArrayView text, const QString& directory);

// Reads a playlist file by its kind; an unreadable file gives no entries.
enum class PlaylistKind { Pls, M3u };
std::vector<PlaylistEntry> ReadPlaylistFile(const QString& path, PlaylistKind kind);
