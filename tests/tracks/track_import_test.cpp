#include "music_fixtures.h"
#include "support/test_support.h"
#include "tracks/track_import.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ImportTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteSparseFile(Path("music/tagged.mp3"), Mp3Frames(0xFFFB9000, 6, 417), 413 * 2000,
                        Id3v1Tag("Tagged", "Singer", 1));
        WriteWav(Path("long.WAV"), 100, 3725); // hours dropped: 2:05
        WriteWav(Path("short.wav"), 8000, 75);
        WriteM4a(Path("tune.m4a"), 125500);
    }
    QString Path(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(ImportTest, FilesByExtension) {
    const auto rows = ImportTrackFiles(
        {Path("music/tagged.mp3"), Path("long.WAV"), Path("short.wav"), Path("tune.m4a"),
         Path("notes.txt"), Path("missing.mp3"), Path("noextension"), Path("missing.mp4")});
    const std::vector<TrackEntry> expected = {
        {"Singer", "Tagged", "0:52"}, {"unknown", "long", "2:05"},    {"unknown", "short", "1:15"},
        {"unknown", "tune", "2:05"},  {"unknown", "missing", "0:00"},
    };
    EXPECT_EQ(rows, expected);
}

TEST_F(ImportTest, PlaylistEntriesGoThroughTheMp3Reader) {
    WriteTextFile(Path("lists/mix.pls"),
                  "[playlist]\nFile1=..\\music\\tagged.mp3\nTitle1=Ignored\nLength1=1\n"
                  "File2=gone.mp3\nTitle2=Gone\nLength2=245\nFile3=../short.wav\n");
    WriteTextFile(Path("lists/mix.m3u"), "#EXTM3U\n#EXTINF:10,x\n../music/tagged.mp3\ngone.mp3\n");
    const auto rows =
        ImportTrackFiles({Path("lists/mix.pls"), Path("lists/mix.M3U"), Path("lists/mix.m3u")});
    const std::vector<TrackEntry> expected = {
        {"Singer", "Tagged", "0:52"}, {"", "Gone", "4:05"},
        {"", "short", "0:00"}, // a wav entry read by the MP3 reader: no frames, no tag
        {"Singer", "Tagged", "0:52"}, {"", "gone", "0:00"},
    };
    EXPECT_EQ(rows, expected);
}
