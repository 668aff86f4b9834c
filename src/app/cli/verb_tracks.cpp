#include "verbs.h"

#include "app/app_settings.h"
#include "document/discwright_doc.h"
#include "document/project_file.h"
#include "platform/file_reading.h"
#include "tracks/cddb_lookup.h"
#include "tracks/cdtext_lookup.h"
#include "tracks/track_import.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <limits>
#include <optional>

namespace {

// The album as the command line shows it; `withAlbum` false leaves the album
// fields out (an import changes only the track list).
QJsonObject AlbumJson(const AlbumData& album, bool withAlbum) {
    QJsonObject fields;
    if (withAlbum) {
        fields[QStringLiteral("title")] = album.title;
        fields[QStringLiteral("artist")] = album.artist;
        fields[QStringLiteral("year")] = album.year;
    }
    QJsonArray tracks;
    for (const TrackEntry& track : album.tracks)
        tracks.append(QJsonObject{{QStringLiteral("artist"), track.artist},
                                  {QStringLiteral("title"), track.title},
                                  {QStringLiteral("play_time"), track.playTime}});
    return QJsonObject{{QStringLiteral("album"), fields}, {QStringLiteral("tracks"), tracks}};
}

int PrintJson(const QJsonObject& object) {
    const QByteArray text = QJsonDocument(object).toJson(QJsonDocument::Indented);
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    return 0;
}

std::optional<QString> JsonText(const QJsonValue& value) {
    if (value.isString())
        return value.toString();
    if (value.isDouble())
        return QString::number(value.toInteger());
    return std::nullopt;
}

// Reads the form that lookup and import print. Album fields that are absent
// keep their value in `album`; the track list is replaced.
bool ReadAlbumJson(const QString& path, AlbumData& album, QString* error) {
    QByteArray bytes;
    if (!ReadFileBounded(path, kJsonFileLimit, &bytes, error))
        return false;
    QJsonParseError parseError;
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &parseError);
    const auto invalid = [&](const QString& why) {
        *error = QStringLiteral("%1: %2").arg(path, why);
        return false;
    };
    if (!json.isObject())
        return invalid(parseError.error != QJsonParseError::NoError
                           ? parseError.errorString()
                           : QStringLiteral("not a JSON object"));
    AlbumData result = album;
    const QJsonValue fields = json.object().value(QStringLiteral("album"));
    if (!fields.isUndefined() && !fields.isObject())
        return invalid(QStringLiteral("\"album\" is not an object"));
    const std::pair<const char*, QString*> albumKeys[] = {
        {"title", &result.title}, {"artist", &result.artist}, {"year", &result.year}};
    for (const auto& [key, target] : albumKeys) {
        const QJsonValue value = fields.toObject().value(QLatin1String(key));
        if (value.isUndefined())
            continue;
        const auto text = JsonText(value);
        if (!text)
            return invalid(QStringLiteral("album \"%1\" is not a text").arg(QLatin1String(key)));
        *target = *text;
    }
    const QJsonValue tracks = json.object().value(QStringLiteral("tracks"));
    if (!tracks.isArray())
        return invalid(QStringLiteral("\"tracks\" is not a list"));
    result.tracks.clear();
    for (const QJsonValue& item : tracks.toArray()) {
        const QJsonObject track = item.toObject();
        const auto artist = JsonText(track.value(QStringLiteral("artist")));
        const auto title = JsonText(track.value(QStringLiteral("title")));
        const auto playTime = JsonText(track.value(QStringLiteral("play_time")));
        if (!item.isObject() || !artist || !title || !playTime)
            return invalid(
                QStringLiteral("track %1 needs the texts \"artist\", \"title\" and \"play_time\"")
                    .arg(result.tracks.size() + 1));
        result.tracks.push_back(TrackEntry{*artist, *title, *playTime});
    }
    album = std::move(result);
    return true;
}

// Music files and playlists that are FIFOs or devices would block the import
// or never end: refuse them by name instead of skipping them silently.
bool CheckImportFiles(const QStringList& files, QString* error) {
    for (const QString& file : files)
        if (IsSpecialFile(file, error))
            return false;
    return true;
}

// Folders among the arguments stand for the music files in them.
QStringList ImportPaths(const QStringList& args) {
    return ExpandImportPaths(args, std::numeric_limits<int>::max());
}

// The import as JSON: the album fields when the files agree on them, and
// where the embedded front cover was found.
QJsonObject ImportJson(const TrackImport& import) {
    AlbumData album{import.albumTitle, import.albumArtist, import.year, import.rows};
    QJsonObject json = AlbumJson(album, import.albumAgreed);
    if (!import.cover.isEmpty())
        json[QStringLiteral("cover")] =
            QJsonObject{{QStringLiteral("file"), import.coverFile},
                        {QStringLiteral("bytes"), qint64(import.cover.size())}};
    return json;
}

bool Lookup(const AppSettings& settings, AlbumData& album, QString* error) {
    const CddbLookupResult result = RunCddbLookup(settings.ForCddb());
    if (!result.ok) {
        *error = result.message.isEmpty()
                     ? QStringLiteral("the CD's table of contents could not be read")
                     : result.message;
        return false;
    }
    album = result.album;
    return true;
}

int Apply(const QStringList& args) {
    const QString usage =
        QStringLiteral("tracks apply needs FILE.dwp and --cd, --import FILES... or --json FILE");
    QCommandLineParser parser;
    const QCommandLineOption cdOption(QStringLiteral("cd"));
    const QCommandLineOption importOption(QStringLiteral("import"));
    const QCommandLineOption jsonOption(QStringLiteral("json"), QString(), QStringLiteral("J"));
    parser.addOptions({cdOption, importOption, jsonOption});
    if (!ParseVerbArguments(parser, args, usage))
        return 1;
    const QStringList files = parser.positionalArguments();
    const int modes = int(parser.isSet(cdOption)) + int(parser.isSet(importOption)) +
                      int(parser.isSet(jsonOption));
    if (files.isEmpty() || modes == 0)
        return ReportFailure(usage);
    const QString path = files.front();
    const QStringList rest = files.mid(1);
    const bool known =
        modes == 1 && (parser.isSet(importOption) ? !rest.isEmpty() : rest.isEmpty());
    if (!known)
        return ReportFailure(
            QStringLiteral("tracks apply: use --cd, --import FILES... or --json FILE"));

    const AppSettings settings = ProgramSettings();
    CDiscwrightDoc doc(settings.ForDocument());
    QString error;
    if (!doc.OnOpenDocument(path, &error))
        return ReportFailure(error);
    AlbumData album = doc.Album();
    if (parser.isSet(cdOption)) {
        if (!Lookup(settings, album, &error))
            return ReportFailure(error);
    } else if (parser.isSet(importOption)) {
        const QStringList importFiles = ImportPaths(rest);
        if (!CheckImportFiles(importFiles, &error))
            return ReportFailure(error);
        const TrackImport import = ImportMusicFiles(importFiles);
        album.tracks = import.rows;
        if (import.albumAgreed) {
            album.title = import.albumTitle;
            album.artist = import.albumArtist;
            if (!import.year.isEmpty())
                album.year = import.year;
        }
    } else if (!ReadAlbumJson(parser.value(jsonOption), album, &error)) {
        return ReportFailure(error);
    }
    doc.Album() = album;
    if (!doc.OnSaveDocument(path, &error))
        return ReportFailure(error);
    return 0;
}

} // namespace

static int RunTracksVerb(const QStringList& args) {
    const QString command = args.value(0);
    if (command == u"lookup" && args.size() == 1) {
        AlbumData album;
        QString error;
        if (!Lookup(ProgramSettings(), album, &error))
            return ReportFailure(error);
        return PrintJson(AlbumJson(album, true));
    }
    if (command == u"lookup" && (args.mid(1) == QStringList{"--source", "cdtext"} ||
                                 args.mid(1) == QStringList{"--source=cdtext"})) {
        const CddbLookupResult result = RunCdTextLookup(CdAudioSource());
        if (!result.ok)
            return ReportFailure(result.message);
        return PrintJson(AlbumJson(result.album, true));
    }
    if (command == u"import" && args.size() > 1) {
        QString error;
        const QStringList files = ImportPaths(args.mid(1));
        if (!CheckImportFiles(files, &error))
            return ReportFailure(error);
        return PrintJson(ImportJson(ImportMusicFiles(files)));
    }
    if (command == u"apply")
        return Apply(args.mid(1));
    return ReportFailure(
        QStringLiteral("tracks: use lookup, import FILES... or apply FILE.dwp ..."));
}

const Verb kTracksVerb = {
    QStringLiteral("tracks"),
    QStringLiteral("tracks lookup [--source cdtext] | import FILES... | apply FILE.dwp (--cd | "
                   "--import FILES... | "
                   "--json J)"),
    QStringLiteral("look up the CD, read music files and playlists, or set a project's track list"),
    RunTracksVerb};
