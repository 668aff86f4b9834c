#include "playlist.h"

#include "platform/decimal.h"
#include "platform/legacy_text.h"

// A PLS playlist: "[playlist]" and "Key=Value" lines. "File..." starts an
// entry, "Title..." and "Length..." (seconds) describe the current one; other
// keys and lines without a key are skipped.
std::vector<PlaylistEntry> ParsePlsPlaylist(QByteArrayView bytes, const QString& directory) {
    QString text = DecodeLegacyText(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1); // a byte order mark
    std::vector<PlaylistEntry> entries;
    QString path, title;
    int length = 0;
    const auto finish = [&] {
        if (!path.isEmpty()) {
            const QString resolved = ResolvePlaylistPath(directory, path);
            // A negative length means an endless stream: no time to show.
            const int seconds = qMax(0, length);
            entries.push_back(
                PlaylistEntry{resolved, title.isEmpty() ? PlaylistTitleFromPath(resolved) : title,
                              QString::asprintf("%d:%02d", seconds / 60, seconds % 60)});
        }
        path.clear();
        title.clear();
        length = 0;
    };
    for (QStringView line : QStringView(text).tokenize(u'\n')) {
        line = line.trimmed();
        if (line.startsWith(u'['))
            continue; // a section header such as [playlist]
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0)
            continue;
        const QStringView key = line.left(eq);
        const QStringView value = line.mid(eq + 1);
        if (key.startsWith(u"File")) {
            finish();
            path = value.toString();
        } else if (key.startsWith(u"Title")) {
            title = value.toString();
        } else if (key.startsWith(u"Length")) {
            length = ParseDecimal(value);
        }
    }
    finish();
    return entries;
}
