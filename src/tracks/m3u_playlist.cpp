#include "playlist.h"

#include "platform/legacy_text.h"

// An M3U playlist: one path or address a line; lines starting with "#"
// (comments and extended information) are skipped. Its entries carry no time.
std::vector<PlaylistEntry> ParseM3uPlaylist(QByteArrayView bytes, const QString& directory) {
    QString text = DecodeLegacyText(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1); // a byte order mark
    std::vector<PlaylistEntry> entries;
    for (QStringView line : QStringView(text).tokenize(u'\n')) {
        if (line.startsWith(u'#'))
            continue;
        qsizetype end = line.size();
        while (end > 0 && (line[end - 1] == u'\r' || line[end - 1] == u' '))
            --end;
        line = line.left(end);
        if (line.isEmpty())
            continue;
        const QString entry = line.toString();
        const bool address = entry.startsWith(u"http://") || entry.startsWith(u"rtp://") ||
                             entry.startsWith(u"file://");
        const QString path = address ? entry : ResolvePlaylistPath(directory, entry);
        entries.push_back(PlaylistEntry{path, PlaylistTitleFromPath(path), QStringLiteral("0:00")});
    }
    return entries;
}
