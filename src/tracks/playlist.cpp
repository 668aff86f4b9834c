#include "playlist.h"

#include "platform/file_reading.h"

#include <QFile>

namespace {

bool IsSeparator(QChar c) {
    return c == u'/' || c == u'\\';
}

qsizetype LastSeparator(const QString& path) {
    return qMax(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
}

// Playlists are small; a bigger file is not one.
constexpr qint64 kMaxPlaylistBytes = kPlaylistFileLimit;

} // namespace

QString PlaylistDirectory(const QString& playlistPath) {
    return playlistPath.left(LastSeparator(playlistPath) + 1);
}

QString ResolvePlaylistPath(const QString& directory, const QString& entry) {
    const bool driveLetter =
        entry.size() >= 3 && entry[0].isLetter() && entry[1] == u':' && IsSeparator(entry[2]);
    const bool rooted = !entry.isEmpty() && IsSeparator(entry[0]);
    if (!entry.startsWith(u"..") && (driveLetter || rooted))
        return entry;
    // A playlist made on Windows names files with backslashes; on a local
    // folder they must become slashes to be found.
    const bool localFolder = !directory.contains(u'\\');
    return directory + (localFolder ? QString(entry).replace(u'\\', u'/') : entry);
}

QString PlaylistTitleFromPath(const QString& path) {
    QString name = path.mid(LastSeparator(path) + 1);
    if (const qsizetype dot = name.lastIndexOf(u'.'); dot >= 0)
        name.truncate(dot);
    return name;
}

std::vector<PlaylistEntry> ReadPlaylistFile(const QString& path, PlaylistKind kind) {
    QByteArray text;
    QString error;
    if (!ReadFileBounded(path, kMaxPlaylistBytes, &text, &error))
        return {};
    const QString directory = PlaylistDirectory(path);
    return kind == PlaylistKind::Pls ? ParsePlsPlaylist(text, directory)
                                     : ParseM3uPlaylist(text, directory);
}
