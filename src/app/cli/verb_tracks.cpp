#include "verbs.h"

#include "document/discwright_doc.h"
#include "document/project_file.h"
#include "platform/file_reading.h"
#include "settings/app_settings.h"
#include "tracks/cddb_lookup.h"
#include "tracks/cdtext_lookup.h"
#include "tracks/musicbrainz_lookup.h"
#include "tracks/musicbrainz_reply.h"
#include "tracks/track_import.h"

#include <QCoreApplication>

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

// How "tracks lookup" and "tracks apply --cd" look the disc up.
struct LookupChoice {
    QString source = QStringLiteral("cddb"); // cdtext, cddb, musicbrainz or auto
    int match = 0;                           // from 1; 0: the first
    bool listMatches = false;
};

const QCommandLineOption kSourceOption(QStringLiteral("source"), QString(), QStringLiteral("S"));
const QCommandLineOption kMatchOption(QStringLiteral("match"), QString(), QStringLiteral("N"));
const QCommandLineOption kListOption(QStringLiteral("list-matches"));

bool ReadLookupChoice(const QCommandLineParser& parser, LookupChoice& choice, QString* error) {
    if (parser.isSet(kSourceOption))
        choice.source = parser.value(kSourceOption);
    if (choice.source != u"cdtext" && choice.source != u"cddb" && choice.source != u"musicbrainz" &&
        choice.source != u"auto") {
        *error = QStringLiteral("unknown --source \"%1\": use cdtext, cddb, musicbrainz or auto")
                     .arg(choice.source);
        return false;
    }
    if (parser.isSet(kMatchOption)) {
        bool ok = false;
        choice.match = parser.value(kMatchOption).toInt(&ok);
        if (!ok || choice.match < 1) {
            *error = QStringLiteral("--match needs a number from 1, not \"%1\"")
                         .arg(parser.value(kMatchOption));
            return false;
        }
    }
    choice.listMatches = parser.isSet(kListOption);
    if (choice.source == u"cdtext" && (choice.listMatches || choice.match > 0)) {
        *error =
            QStringLiteral("--source cdtext: the disc's CD-TEXT is one album, without matches");
        return false;
    }
    return true;
}

// The entry --match picks among `count`, or -1 after setting `error`.
int PickMatch(const LookupChoice& choice, size_t count, QString* error) {
    const int index = choice.match > 0 ? choice.match - 1 : 0;
    if (size_t(index) >= count) {
        *error = count == 1
                     ? QStringLiteral("--match %1: the lookup found only 1 match").arg(choice.match)
                     : QStringLiteral("--match %1: the lookup found %2 matches")
                           .arg(choice.match)
                           .arg(count);
        return -1;
    }
    return index;
}

// One source's lookup. On success either `album` (and `coverReleaseId` for
// MusicBrainz) or, with --list-matches, `matches` is filled.
bool LookupFrom(const QString& source, const AppSettings& settings, const LookupChoice& choice,
                AlbumData& album, QJsonArray& matches, QString* error) {
    if (source == u"cdtext") {
        const CddbLookupResult result = RunCdTextLookup(CdAudioSource());
        if (!result.ok) {
            *error = result.message;
            return false;
        }
        album = result.album;
        return true;
    }
    if (source == u"musicbrainz") {
        const MusicBrainzQueryResult query = RunMusicBrainzQuery(settings.ForMusicBrainz());
        if (!query.ok) {
            *error = query.message;
            return false;
        }
        if (choice.listMatches) {
            for (const MbRelease& release : query.releases)
                matches.append(QJsonObject{{QStringLiteral("release_id"), release.id},
                                           {QStringLiteral("artist"), release.artist},
                                           {QStringLiteral("title"), release.title},
                                           {QStringLiteral("date"), release.date},
                                           {QStringLiteral("country"), release.country}});
            return true;
        }
        const int index = PickMatch(choice, query.releases.size(), error);
        if (index < 0)
            return false;
        album = AlbumFromMusicBrainzRelease(query.releases[size_t(index)], query.toc);
        return true;
    }
    const CddbSettings cddb = settings.ForCddb();
    const CddbQueryResult query = RunCddbQuery(cddb);
    if (!query.ok) {
        *error = query.message.isEmpty()
                     ? QStringLiteral("the CD's table of contents could not be read")
                     : query.message;
        return false;
    }
    if (choice.listMatches) {
        for (const CCddbMatch& match : query.matches)
            matches.append(
                QJsonObject{{QStringLiteral("category"), match.category},
                            {QStringLiteral("disc_id"),
                             QStringLiteral("%1").arg(match.discId, 8, 16, QLatin1Char('0'))},
                            {QStringLiteral("artist"), match.artist},
                            {QStringLiteral("title"), match.title}});
        return true;
    }
    const int index = PickMatch(choice, query.matches.size(), error);
    if (index < 0)
        return false;
    const CddbLookupResult result = RunCddbRead(cddb, query.toc, query.matches[size_t(index)]);
    if (!result.ok) {
        *error = result.message;
        return false;
    }
    album = result.album;
    return true;
}

// The lookup the choice asks for. "auto" takes the disc's own CD-TEXT first
// (offline; not when matches are asked for), then asks MusicBrainz (its disc
// id names the disc exactly, where CDDB ids often collide) and CDDB when
// MusicBrainz has nothing or cannot be reached; a failure of both names both.
bool Lookup(const AppSettings& settings, const LookupChoice& choice, AlbumData& album,
            QJsonArray& matches, QString* error) {
    // The network client runs an event loop, which needs an application.
    std::unique_ptr<QCoreApplication> app;
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "lumvane";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    if (choice.source != u"auto")
        return LookupFrom(choice.source, settings, choice, album, matches, error);
    // Without a disc neither service can help: say so once.
    DiscToc toc;
    if (!ReadCdAudioToc(CdAudioSource(), toc)) {
        *error = QStringLiteral(
            "error retrieving the DISC ID,make sure there is a CD in your CD-ROM drive");
        return false;
    }
    if (!choice.listMatches && choice.match == 0) {
        QString noCdText;
        if (LookupFrom(QStringLiteral("cdtext"), settings, choice, album, matches, &noCdText))
            return true;
    }
    QStringList failures;
    for (const QString& source : {QStringLiteral("musicbrainz"), QStringLiteral("cddb")}) {
        QString failure;
        if (LookupFrom(source, settings, choice, album, matches, &failure))
            return true;
        // MusicBrainz's messages name it already; CDDB's do not.
        failures << (source == u"cddb" ? QStringLiteral("CDDB: ") + failure : failure);
    }
    *error = failures.join(u' ');
    return false;
}

int Apply(const QStringList& args) {
    const QString usage =
        QStringLiteral("tracks apply needs FILE.dwp and --cd, --import FILES... or --json FILE");
    QCommandLineParser parser;
    const QCommandLineOption cdOption(QStringLiteral("cd"));
    const QCommandLineOption importOption(QStringLiteral("import"));
    const QCommandLineOption jsonOption(QStringLiteral("json"), QString(), QStringLiteral("J"));
    parser.addOptions({cdOption, importOption, jsonOption, kSourceOption, kMatchOption});
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
    const std::unique_ptr<CDiscwrightDoc> opened = OpenVerbProject(path, settings);
    if (!opened)
        return 1;
    CDiscwrightDoc& doc = *opened;
    QString error;
    AlbumData album = doc.Album();
    LookupChoice choice;
    if ((parser.isSet(kSourceOption) || parser.isSet(kMatchOption)) && !parser.isSet(cdOption))
        return ReportFailure(QStringLiteral("tracks apply: --source and --match go with --cd"));
    if (!ReadLookupChoice(parser, choice, &error))
        return ReportFailure(error);
    if (parser.isSet(cdOption)) {
        QJsonArray unused;
        if (!Lookup(settings, choice, album, unused, &error))
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

int LookupCommand(const QStringList& args) {
    QCommandLineParser parser;
    parser.addOptions({kSourceOption, kMatchOption, kListOption});
    const QString usage = QStringLiteral(
        "tracks lookup [--source cdtext|cddb|musicbrainz|auto] [--list-matches | --match N]");
    if (!ParseVerbArguments(parser, args, usage))
        return 1;
    if (!parser.positionalArguments().isEmpty() ||
        (parser.isSet(kListOption) && parser.isSet(kMatchOption)))
        return ReportFailure(usage);
    LookupChoice choice;
    QString error;
    if (!ReadLookupChoice(parser, choice, &error))
        return ReportFailure(error);
    AlbumData album;
    QJsonArray matches;
    if (!Lookup(ProgramSettings(), choice, album, matches, &error))
        return ReportFailure(error);
    if (choice.listMatches)
        return PrintJson(QJsonObject{{QStringLiteral("matches"), matches}});
    return PrintJson(AlbumJson(album, true));
}

} // namespace

static int RunTracksVerb(const QStringList& args) {
    const QString command = args.value(0);
    if (command == u"lookup")
        return LookupCommand(args.mid(1));
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
    QStringLiteral(
        "tracks lookup [--source cdtext|cddb|musicbrainz|auto] [--list-matches | "
        "--match N] | import FILES|FOLDERS... | apply FILE.dwp (--cd [--source S] [--match N] | "
        "--import FILES... | --json J)"),
    QStringLiteral("look up the CD, read music files and playlists, or set a project's track list"),
    RunTracksVerb};
