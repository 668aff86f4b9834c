#include "track_import.h"

#include "platform/music_tags.h"
#include "tracks/mp3_info.h"
#include "tracks/playlist.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStringView>

#include <algorithm>
#include <climits>

namespace {

constexpr int kMaxFolderEntries = 100000;

// One imported row and what the album fields and the order need of its file.
struct Imported {
    TrackEntry row;
    QString album;
    QString albumArtist;
    QString year;
    int track = 0;
    int disc = 0;
};

// A row whose file tells nothing of its album or place.
Imported RowOnly(TrackEntry row) {
    Imported out;
    out.row = std::move(row);
    return out;
}

struct Import {
    std::vector<Imported> rows;
    bool viaPlaylist = false;
    QByteArray cover;
    QString coverFile;

    void TakeCover(const QString& path, const QByteArray& bytes) {
        if (cover.isEmpty() && !bytes.isEmpty()) {
            cover = bytes;
            coverFile = path;
        }
    }
};

QString FileName(const QString& path) {
    return path.mid(qMax(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\')) + 1);
}

QString WithoutExtension(QString name) {
    if (const qsizetype dot = name.lastIndexOf(u'.'); dot > 0)
        name.truncate(dot);
    return name;
}

// Minutes are not limited to 59, as on the MP3 rows.
QString PlayTime(qint64 milliseconds) {
    const qint64 seconds = milliseconds / 1000;
    return QString::asprintf("%lld:%02d", seconds / 60, int(seconds % 60));
}

Imported FromTags(const QString& path, const MusicFileTags& tags) {
    Imported out;
    out.row.artist = tags.artist;
    out.row.title = tags.title.isEmpty() ? WithoutExtension(FileName(path)) : tags.title;
    out.row.playTime = PlayTime(tags.lengthMs);
    out.album = tags.album;
    out.albumArtist = tags.albumArtist.isEmpty() ? tags.artist : tags.albumArtist;
    out.year = tags.year;
    out.track = tags.track;
    out.disc = tags.disc;
    return out;
}

// The MP3 reader's row, its texts taken from the ID3 version 2 tag where
// that has them and from version 1 otherwise; the duration from the frame
// scan, or from TagLib when the scan could not estimate one.
bool ReadMp3(const QString& path, Import& import, Imported& out) {
    CMp3Info info;
    if (!ReadMp3Info(path, info))
        return false;
    MusicFileTags tags;
    const bool v2 = ReadMusicFileTags(path, tags, MusicTagOptions{true});
    const auto prefer = [](const QString& v2Text, QString& text) {
        if (!v2Text.isEmpty())
            text = v2Text;
    };
    QString albumArtist;
    int track = info.track == 255 ? 0 : info.track;
    int disc = 0;
    if (v2) {
        prefer(tags.title, info.title);
        prefer(tags.artist, info.artist);
        prefer(tags.album, info.album);
        prefer(tags.year, info.year);
        albumArtist = tags.albumArtist;
        if (tags.track > 0)
            track = tags.track;
        disc = tags.disc;
        if (info.durationSeconds == 0 && tags.lengthMs > 0)
            info.durationSeconds = int(qMin<qint64>(tags.lengthMs / 1000, INT_MAX));
        import.TakeCover(path, tags.cover);
    }
    out = Imported{Mp3TrackRow(info),
                   info.album.trimmed(),
                   albumArtist.isEmpty() ? info.artist.trimmed() : albumArtist,
                   info.year.trimmed(),
                   track,
                   disc};
    return true;
}

void ImportMp3(const QString& path, Import& import) {
    Imported out;
    if (ReadMp3(path, import, out))
        import.rows.push_back(std::move(out));
}

// Formats TagLib reads whose untagged files keep the file name as title.
bool ImportTagged(const QString& path, Import& import) {
    MusicFileTags tags;
    if (!ReadMusicFileTags(path, tags))
        return false;
    import.TakeCover(path, tags.cover);
    import.rows.push_back(FromTags(path, tags));
    return true;
}

void ImportMusic(const QString& path, Import& import) {
    // A file that cannot be opened adds no row, as with MP3 files.
    if (!ImportTagged(path, import) && QFileInfo(path).isFile() && QFileInfo(path).isReadable()) {
        // Unknown to TagLib (or damaged): the file name still names a track.
        import.rows.push_back(
            RowOnly(TrackEntry{QString(), WithoutExtension(FileName(path)), PlayTime(0)}));
    }
}

// wav, mp4 and m4a: from their tags when they have any, else the media
// length row of old (artist "unknown", hours dropped).
void ImportMedia(const QString& path, Import& import) {
    MusicFileTags tags;
    if (ReadMusicFileTags(path, tags) && tags.HasText()) {
        import.TakeCover(path, tags.cover);
        import.rows.push_back(FromTags(path, tags));
        return;
    }
    import.TakeCover(path, tags.cover);
    import.rows.push_back(RowOnly(MediaTrackRow(path, tags.lengthMs)));
}

bool IsTagFormat(QStringView extension);

// An entry in a format with tags is read through them; every other entry
// goes to the MP3 reader whatever its extension. An entry that cannot be
// opened keeps the playlist's own title and time.
void ImportEntries(const std::vector<PlaylistEntry>& entries, Import& import) {
    import.viaPlaylist = true;
    for (const PlaylistEntry& entry : entries) {
        const qsizetype dot = entry.path.lastIndexOf(u'.');
        if (dot >= 0 && IsTagFormat(QStringView(entry.path).mid(dot + 1)) &&
            ImportTagged(entry.path, import))
            continue;
        Imported out;
        if (ReadMp3(entry.path, import, out))
            import.rows.push_back(std::move(out));
        else
            import.rows.push_back(RowOnly(TrackEntry{QString(), entry.title, entry.playTime}));
    }
}

void ImportPls(const QString& path, Import& import) {
    ImportEntries(ReadPlaylistFile(path, PlaylistKind::Pls), import);
}
void ImportM3u(const QString& path, Import& import) {
    ImportEntries(ReadPlaylistFile(path, PlaylistKind::M3u), import);
}

struct ImportHandler {
    QStringView extension;
    void (*import)(const QString& path, Import& import);
};

constexpr ImportHandler kHandlers[] = {
    {u"pls", ImportPls},   {u"m3u", ImportM3u},    {u"mp3", ImportMp3},    {u"wav", ImportMedia},
    {u"mp4", ImportMedia}, {u"m4a", ImportMedia},  {u"flac", ImportMusic}, {u"ogg", ImportMusic},
    {u"oga", ImportMusic}, {u"opus", ImportMusic}, {u"aac", ImportMusic},  {u"aiff", ImportMusic},
    {u"aif", ImportMusic}, {u"wma", ImportMusic},  {u"ape", ImportMusic},
};

const ImportHandler* HandlerOf(const QString& path) {
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot < 0)
        return nullptr;
    const QStringView extension = QStringView(path).mid(dot + 1);
    for (const ImportHandler& handler : kHandlers)
        if (extension.compare(handler.extension, Qt::CaseInsensitive) == 0)
            return &handler;
    return nullptr;
}

// wav, mp4 and m4a entries keep going to the MP3 reader, as they always did.
bool IsTagFormat(QStringView extension) {
    for (const ImportHandler& handler : kHandlers)
        if (handler.import == ImportMusic)
            if (extension.compare(handler.extension, Qt::CaseInsensitive) == 0)
                return true;
    return false;
}

bool AlbumAgreed(const std::vector<Imported>& rows) {
    if (rows.empty() || rows.front().album.isEmpty())
        return false;
    const Imported& first = rows.front();
    return std::all_of(rows.begin(), rows.end(), [&](const Imported& row) {
        return row.album == first.album && row.albumArtist == first.albumArtist &&
               row.year == first.year;
    });
}

} // namespace

TrackEntry MediaTrackRow(const QString& path, qint64 milliseconds) {
    const qint64 seconds = milliseconds / 1000;
    // Hours are dropped: the text holds minutes and seconds only.
    return TrackEntry{QStringLiteral("unknown"), WithoutExtension(FileName(path)),
                      QString::asprintf("%d:%02d", int(seconds % 3600 / 60), int(seconds % 60))};
}

TrackImport ImportMusicFiles(const QStringList& paths,
                             const std::function<bool(int done, int total)>& progress) {
    Import import;
    for (int i = 0; i < paths.size(); ++i) {
        if (progress && !progress(i, int(paths.size())))
            break;
        if (const ImportHandler* handler = HandlerOf(paths[i]))
            handler->import(paths[i], import);
    }

    // A playlist's order is the user's; files alone are put in album order
    // when every one of them knows its place.
    std::vector<Imported>& rows = import.rows;
    const bool numbered =
        !import.viaPlaylist && !rows.empty() &&
        std::all_of(rows.begin(), rows.end(), [](const Imported& row) { return row.track > 0; });
    if (numbered)
        std::stable_sort(rows.begin(), rows.end(), [](const Imported& a, const Imported& b) {
            return std::pair(a.disc, a.track) < std::pair(b.disc, b.track);
        });

    TrackImport result;
    result.albumAgreed = AlbumAgreed(rows);
    if (result.albumAgreed) {
        result.albumTitle = rows.front().album;
        result.albumArtist = rows.front().albumArtist;
        result.year = rows.front().year;
    }
    for (Imported& row : rows)
        result.rows.push_back(std::move(row.row));
    result.cover = std::move(import.cover);
    result.coverFile = std::move(import.coverFile);
    return result;
}

std::vector<TrackEntry> ImportTrackFiles(const QStringList& paths) {
    return ImportMusicFiles(paths).rows;
}

bool IsImportableFile(const QString& path) {
    return HandlerOf(path) != nullptr;
}

QStringList ExpandImportPaths(const QStringList& paths, int limit, bool* truncated) {
    QStringList files;
    bool cut = false;
    const auto add = [&](const QString& file) {
        if (files.size() >= limit) {
            cut = true;
            return false;
        }
        files << file;
        return true;
    };
    for (const QString& path : paths) {
        const QFileInfo info(path);
        if (!info.isDir()) {
            if (!add(path))
                break;
            continue;
        }
        // Names in order, folder by folder, so that a disc's files come
        // together; links to folders are not followed (no loops).
        QStringList found;
        QDirIterator it(path, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        // A dropped home folder must not keep the window busy for minutes.
        for (int seen = 0; it.hasNext() && found.size() <= limit && seen < kMaxFolderEntries;
             ++seen) {
            const QString file = it.next();
            if (IsImportableFile(file))
                found << file;
        }
        std::sort(found.begin(), found.end(), [](const QString& a, const QString& b) {
            return QString::compare(a, b, Qt::CaseInsensitive) < 0;
        });
        bool full = false;
        for (const QString& file : found)
            if (!add(file)) {
                full = true;
                break;
            }
        if (full)
            break;
    }
    if (truncated != nullptr)
        *truncated = cut;
    return files;
}
