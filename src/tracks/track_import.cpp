#include "track_import.h"

#include "platform/media_length.h"
#include "tracks/mp3_info.h"
#include "tracks/playlist.h"

#include <QStringView>

namespace {

using Rows = std::vector<TrackEntry>;

void ImportMp3(const QString& path, Rows& rows) {
    CMp3Info info;
    if (ReadMp3Info(path, info))
        rows.push_back(Mp3TrackRow(info));
}

void ImportMedia(const QString& path, Rows& rows) {
    rows.push_back(MediaTrackRow(path, MediaLengthMs(path)));
}

// Every entry goes to the MP3 reader whatever its extension; an entry that
// cannot be opened keeps the playlist's own title and time.
void ImportEntries(const std::vector<PlaylistEntry>& entries, Rows& rows) {
    for (const PlaylistEntry& entry : entries) {
        CMp3Info info;
        if (ReadMp3Info(entry.path, info))
            rows.push_back(Mp3TrackRow(info));
        else
            rows.push_back(TrackEntry{QString(), entry.title, entry.playTime});
    }
}

void ImportPls(const QString& path, Rows& rows) {
    ImportEntries(ReadPlaylistFile(path, PlaylistKind::Pls), rows);
}
void ImportM3u(const QString& path, Rows& rows) {
    ImportEntries(ReadPlaylistFile(path, PlaylistKind::M3u), rows);
}

struct ImportHandler {
    QStringView extension;
    void (*import)(const QString& path, Rows& rows);
};

constexpr ImportHandler kHandlers[] = {
    {u"pls", ImportPls},   {u"m3u", ImportM3u},   {u"mp3", ImportMp3},
    {u"wav", ImportMedia}, {u"mp4", ImportMedia}, {u"m4a", ImportMedia},
};

} // namespace

TrackEntry MediaTrackRow(const QString& path, qint64 milliseconds) {
    const qint64 seconds = milliseconds / 1000;
    QString name = path.mid(qMax(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\')) + 1);
    if (const qsizetype dot = name.lastIndexOf(u'.'); dot >= 0)
        name.truncate(dot);
    // Hours are dropped: the text holds minutes and seconds only.
    return TrackEntry{QStringLiteral("unknown"), name,
                      QString::asprintf("%d:%02d", int(seconds % 3600 / 60), int(seconds % 60))};
}

std::vector<TrackEntry> ImportTrackFiles(const QStringList& paths) {
    Rows rows;
    for (const QString& path : paths) {
        const qsizetype dot = path.lastIndexOf(u'.');
        if (dot < 0)
            continue;
        const QStringView extension = QStringView(path).mid(dot + 1);
        for (const ImportHandler& handler : kHandlers) {
            if (extension.compare(handler.extension, Qt::CaseInsensitive) == 0) {
                handler.import(path, rows);
                break;
            }
        }
    }
    return rows;
}
