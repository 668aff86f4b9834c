#include "music_encoders.h"
#include "music_fixtures.h"
#include "support/test_support.h"
#include "tracks/track_import.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class MusicTagsTest : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return m_dir.filePath(name); }
    QByteArray FileBytes(const QString& name) const {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QTemporaryDir m_dir;
};

struct FormatCase {
    const char* name;
    Encoder encoder;
    bool tagged;
    TrackEntry row;
};

EncoderTags Titled(const QString& title, const QString& album = {}) {
    EncoderTags tags;
    tags.title = title;
    tags.album = album;
    return tags;
}

} // namespace

TEST_F(MusicTagsTest, EveryFormatWithAndWithoutTags) {
    const EncoderTags tags{QStringLiteral("Ωmega Fläche"), QStringLiteral("Bänd"),
                           QStringLiteral("Alb"),          {},
                           QStringLiteral("2021"),         4};
    // Untagged files keep their file name as title; an untagged M4A keeps the
    // media length row of old (artist "unknown").
    const FormatCase cases[] = {
        {"a.flac", Encoder::Flac, true, {"Bänd", "Ωmega Fläche", "0:01"}},
        {"b.flac", Encoder::Flac, false, {"", "b", "0:01"}},
        {"a.ogg", Encoder::Vorbis, true, {"Bänd", "Ωmega Fläche", "0:01"}},
        {"b.oga", Encoder::Vorbis, false, {"", "b", "0:01"}},
        {"a.opus", Encoder::Opus, true, {"Bänd", "Ωmega Fläche", "0:01"}},
        {"b.opus", Encoder::Opus, false, {"", "b", "0:01"}},
        {"a.mp3", Encoder::Mp3, true, {"Bänd", "Ωmega Fläche", "0:01"}},
        {"a.m4a", Encoder::M4a, true, {"Bänd", "Ωmega Fläche", "0:01"}},
        {"b.m4a", Encoder::M4a, false, {"unknown", "b", "0:01"}},
        {"b.aac", Encoder::Aac, false, {"", "b", "0:01"}}, // raw ADTS frames carry no tags
        {"a.aiff", Encoder::Aiff, true, {"Bänd", "Ωmega Fläche", "0:01"}},
        {"b.aiff", Encoder::Aiff, false, {"", "b", "0:01"}},
        {"a.wma", Encoder::Wma, true, {"Bänd", "Ωmega Fläche", "0:01"}},
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(EncodeMusic(c.encoder, Path(c.name), c.tagged ? tags : EncoderTags{}));
        const TrackImport import = ImportMusicFiles({Path(c.name)});
        ASSERT_EQ(import.rows.size(), 1u);
        EXPECT_EQ(import.rows[0], c.row);
        EXPECT_EQ(import.albumAgreed, c.tagged);
        if (c.tagged) {
            EXPECT_EQ(import.albumTitle, "Alb");
            EXPECT_EQ(import.albumArtist, "Bänd"); // no album artist: the artist
            // ffmpeg's ASF writer keeps no year.
            EXPECT_EQ(import.year, c.encoder == Encoder::Wma ? "" : "2021");
        }
    }
}

TEST_F(MusicTagsTest, Id3v2ComesBeforeId3v1AndVersion1FillsTheGaps) {
    // A Latin-1 version 1 tag after the audio, as old rippers wrote it.
    const QByteArray v1 = Id3v1Tag("Caf\xE9 au lait", "S\xF8ren", 7);
    const auto withV1 = [&](const QString& name) {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write(v1);
    };
    ASSERT_TRUE(EncodeMusic(Encoder::Mp3, Path("v1.mp3")));
    withV1("v1.mp3");
    ASSERT_TRUE(EncodeMusic(Encoder::Mp3, Path("both.mp3"),
                            Titled(QStringLiteral("Zweite Fassung"), QStringLiteral("V2 Album"))));
    withV1("both.mp3");
    const TrackImport import = ImportMusicFiles({Path("v1.mp3"), Path("both.mp3")});
    const std::vector<TrackEntry> expected = {
        {"Søren", "Café au lait", "0:01"},
        {"Søren", "Zweite Fassung", "0:01"}, // the artist only version 1 has
    };
    EXPECT_EQ(import.rows, expected);
    EXPECT_FALSE(import.albumAgreed); // "Album" against "V2 Album"
}

TEST_F(MusicTagsTest, EmbeddedFrontCoverOfEachFormat) {
    WritePictureFile(Path("cover.png"), Qt::red);
    WritePictureFile(Path("cover.jpg"), Qt::green);
    const struct {
        const char* name;
        Encoder encoder;
        const char* cover;
    } cases[] = {
        {"c.flac", Encoder::Flac, "cover.png"},
        {"c.opus", Encoder::Opus, "cover.png"},
        {"c.mp3", Encoder::Mp3, "cover.jpg"},
        {"c.m4a", Encoder::M4a, "cover.jpg"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(
            EncodeMusic(c.encoder, Path(c.name), Titled(QStringLiteral("T")), Path(c.cover)));
        const TrackImport import = ImportMusicFiles({Path("b.flac"), Path(c.name)});
        EXPECT_EQ(import.cover, FileBytes(c.cover));
        EXPECT_EQ(import.coverFile, Path(c.name));
    }
    // Without a picture there is no cover.
    ASSERT_TRUE(EncodeMusic(Encoder::Flac, Path("plain.flac"), Titled(QStringLiteral("T"))));
    EXPECT_TRUE(ImportMusicFiles({Path("plain.flac")}).cover.isEmpty());
}

TEST_F(MusicTagsTest, OrderByDiscAndTrackOnlyWhenEveryFileIsNumbered) {
    const auto song = [&](const char* name, int disc, int track, const char* albumArtist = "VA") {
        EXPECT_TRUE(
            EncodeMusic(Encoder::Flac, Path(name),
                        {QString::fromLatin1(name), QStringLiteral("Singer"), QStringLiteral("Mix"),
                         QLatin1String(albumArtist), QStringLiteral("1999"), track, disc}));
    };
    song("d2t1.flac", 2, 1);
    song("d1t2.flac", 1, 2);
    song("d1t1.flac", 1, 1);
    song("loose.flac", 0, 0);
    const auto titles = [](const TrackImport& import) {
        QStringList out;
        for (const TrackEntry& row : import.rows)
            out << row.title;
        return out;
    };
    const TrackImport numbered =
        ImportMusicFiles({Path("d2t1.flac"), Path("d1t2.flac"), Path("d1t1.flac")});
    EXPECT_EQ(titles(numbered), QStringList({"d1t1.flac", "d1t2.flac", "d2t1.flac"}));
    // The album artist tag, not the track artist, names the album.
    EXPECT_TRUE(numbered.albumAgreed);
    EXPECT_EQ(numbered.albumArtist, "VA");
    EXPECT_EQ(numbered.albumTitle, "Mix");
    EXPECT_EQ(numbered.year, "1999");

    // One file without a number: the chosen order stays.
    EXPECT_EQ(titles(ImportMusicFiles({Path("d2t1.flac"), Path("loose.flac"), Path("d1t1.flac")})),
              QStringList({"d2t1.flac", "loose.flac", "d1t1.flac"}));
    // A playlist's order is the user's.
    WriteTextFile(Path("list.m3u"), "d2t1.flac\nd1t1.flac\n");
    EXPECT_EQ(titles(ImportMusicFiles({Path("list.m3u")})),
              QStringList({"d2t1.flac", "d1t1.flac"}));

    // A file of another album artist breaks the agreement.
    song("other.flac", 1, 3, "Someone Else");
    EXPECT_FALSE(ImportMusicFiles({Path("d1t1.flac"), Path("other.flac")}).albumAgreed);
}

TEST_F(MusicTagsTest, FoldersAreWalkedInNameOrderUpToALimit) {
    for (const char* name : {"b/2.flac", "b/sub/1.opus", "a.mp3", "b/notes.txt", "b/.hidden.flac",
                             "b/cover.jpg", "b/list.m3u"})
        WriteTextFile(Path(name), "x");
    bool truncated = true;
    EXPECT_EQ(
        ExpandImportPaths({Path("b"), Path("a.mp3")}, 10, &truncated),
        QStringList({Path("b/2.flac"), Path("b/list.m3u"), Path("b/sub/1.opus"), Path("a.mp3")}));
    EXPECT_FALSE(truncated);
    EXPECT_EQ(ExpandImportPaths({Path("b"), Path("a.mp3")}, 2, &truncated),
              QStringList({Path("b/2.flac"), Path("b/list.m3u")}));
    EXPECT_TRUE(truncated);
    EXPECT_TRUE(ExpandImportPaths({Path("missing")}, 10).contains(Path("missing")));
}

TEST_F(MusicTagsTest, DamagedMusicFilesStillGiveARowAndMissingOnesNone) {
    // Garbage behind a music file's name: TagLib refuses it, the name stays.
    WriteTextFile(Path("broken.flac"), "fLaC but not really");
    WriteTextFile(Path("broken.opus"), QByteArray(5000, '\xFF'));
    EXPECT_EQ(ImportMusicFiles({Path("broken.flac"), Path("gone.flac"), Path("broken.opus")}).rows,
              (std::vector<TrackEntry>{{"", "broken", "0:00"}, {"", "broken", "0:00"}}));
}

TEST_F(MusicTagsTest, ImportVerbReadsAFolderWithAlbumAndCover) {
    TempProgramFolder home;
    WritePictureFile(Path("cover.png"), Qt::blue);
    EncoderTags tags;
    tags.artist = QStringLiteral("Band");
    tags.album = QStringLiteral("Räume");
    tags.year = QStringLiteral("2003");
    tags.title = QStringLiteral("Zwei");
    tags.track = 2;
    ASSERT_TRUE(EncodeMusic(Encoder::Opus, Path("album/x.opus"), tags));
    tags.title = QStringLiteral("Eins");
    tags.track = 1;
    ASSERT_TRUE(EncodeMusic(Encoder::Flac, Path("album/y.flac"), tags, Path("cover.png")));
    const ProcessResult result = RunLumvane({"tracks", "import", Path("album")}, home.Path());
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(result.out).object();
    EXPECT_EQ(json["album"].toObject(),
              (QJsonObject{{"title", "Räume"}, {"artist", "Band"}, {"year", "2003"}}));
    EXPECT_EQ(
        json["tracks"].toArray(),
        (QJsonArray{QJsonObject{{"artist", "Band"}, {"title", "Eins"}, {"play_time", "0:01"}},
                    QJsonObject{{"artist", "Band"}, {"title", "Zwei"}, {"play_time", "0:01"}}}));
    EXPECT_EQ(json["cover"].toObject()["file"].toString(), Path("album/y.flac"));
    EXPECT_EQ(json["cover"].toObject()["bytes"].toInteger(), FileBytes("cover.png").size());
}
