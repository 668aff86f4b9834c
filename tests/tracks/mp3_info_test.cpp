#include "music_fixtures.h"
#include "tracks/mp3_info.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr quint32 kMpeg1Layer3At128 =
    0xFFFB9000;                                  // 44100 Hz, frames of 144000*128/44100 = 417 bytes
constexpr quint32 kMpeg2Layer3At64 = 0xFFF38000; // 22050 Hz, frames of 144000*64/22050 = 417 bytes

class Mp3Test : public ::testing::Test {
protected:
    QString Path(const char* name) { return m_dir.filePath(QString::fromUtf8(name)); }
    QTemporaryDir m_dir;
};

} // namespace

TEST_F(Mp3Test, DurationIsEstimatedFromTheSixthFrameAndTheWholeFileSize) {
    // duration = (417 * 8 / 128000) * floor(size / 413) = 0.0260625 * 142926 = 3725.0 s: 62:05.
    const QString path = Path("song.mp3");
    WriteSparseFile(path, Mp3Frames(kMpeg1Layer3At128, 7, 417), 142926LL * 413,
                    Id3v1Tag("Song Title   ", "The Artist  ", 7));
    CMp3Info info;
    ASSERT_TRUE(ReadMp3Info(path, info));
    EXPECT_EQ(info.flags, CMp3Info::kHasTag | CMp3Info::kHasFrames);
    EXPECT_EQ(info.durationSeconds, 3725);
    EXPECT_EQ(info.averageBitRate, 128);
    EXPECT_EQ(info.album, u"Album");
    EXPECT_EQ(info.year, u"2001");
    EXPECT_EQ(info.comment, u"comment");
    EXPECT_EQ(info.track, 7);
    EXPECT_EQ(info.genre, 17);
    EXPECT_EQ(Mp3TrackRow(info), (TrackEntry{"The Artist", "Song Title", "62:05"}));
}

TEST_F(Mp3Test, Mpeg2AndTheCommentWithoutTrackNumber) {
    // (417 * 8 / 64000) * 1000 = 52.125 s.
    const QString path = Path("two.mp3");
    WriteSparseFile(path, Mp3Frames(kMpeg2Layer3At64, 6, 417), 413 * 1000,
                    Id3v1Tag("T", "A", -1, "a comment that fills all thirty"));
    CMp3Info info;
    ASSERT_TRUE(ReadMp3Info(path, info));
    EXPECT_EQ(info.durationSeconds, 52);
    EXPECT_EQ(info.averageBitRate, 64);
    EXPECT_EQ(info.comment, u"a comment that fills all thirt");
    EXPECT_EQ(info.track, 255);
    EXPECT_EQ(info.genre, 255);
    EXPECT_EQ(Mp3TrackRow(info).playTime, u"0:52");
}

TEST_F(Mp3Test, WithoutTagTheFileNameIsTheTitleAndFewFramesGiveNoDuration) {
    const QString path = Path("Intro.mp3");
    WriteSparseFile(path, Mp3Frames(kMpeg1Layer3At128, 3, 417), 3 * 417);
    CMp3Info info;
    ASSERT_TRUE(ReadMp3Info(path, info));
    EXPECT_EQ(info.flags, CMp3Info::kHasFrames);
    EXPECT_EQ(info.averageBitRate, 128);
    EXPECT_EQ(Mp3TrackRow(info), (TrackEntry{"", "Intro", "0:00"}));

    // Not audio at all: still read, no flags.
    const QString text = Path("notes.mp3");
    WriteSparseFile(text, "just some text", 14);
    ASSERT_TRUE(ReadMp3Info(text, info));
    EXPECT_EQ(info.flags, 0);
    EXPECT_EQ(Mp3TrackRow(info), (TrackEntry{"", "notes", "0:00"}));
    EXPECT_FALSE(ReadMp3Info(Path("missing.mp3"), info));
}

TEST_F(Mp3Test, AnId3v2TagIsSkippedBeforeTheScan) {
    // The tag holds bytes that look like a 32 kbit/s header.
    QByteArray id3v2 = QByteArray("ID3\x03\x00\x00\x00\x00\x01\x00", 10) + QByteArray(128, '\0');
    id3v2.replace(20, 4, QByteArray("\xFF\xFB\x10\x00", 4));
    const QString path = Path("v2.mp3");
    WriteSparseFile(path, id3v2 + Mp3Frames(kMpeg1Layer3At128, 6, 417), 413 * 2000);
    CMp3Info info;
    ASSERT_TRUE(ReadMp3Info(path, info));
    EXPECT_EQ(info.averageBitRate, 128);
    EXPECT_EQ(info.durationSeconds, 52); // 0.0260625 * 2000
}

TEST_F(Mp3Test, HostileBytesEndTheScan) {
    CMp3Info info;
    ParseMp3Bytes(QByteArray(200000, '\xFF'), info); // bit rate index 15 everywhere
    EXPECT_EQ(info.flags, 0);
    info = CMp3Info{};
    ParseMp3Bytes(QByteArray("\xFF\xFB\x00\x00", 4).repeated(5000),
                  info); // free format: no frame length
    EXPECT_EQ(info.flags, CMp3Info::kHasFrames);
    EXPECT_EQ(info.durationSeconds, 0);
    info = CMp3Info{};
    // A header whose sampling rate index is 3 with no rate known yet ends the scan.
    ParseMp3Bytes(QByteArray("\xFF\xFB\x9C\x00", 4) + QByteArray(500, '\0'), info);
    EXPECT_EQ(info.flags, 0);
    // After 10000 bytes without a header the scan gives up.
    info = CMp3Info{};
    ParseMp3Bytes(QByteArray(10001, '\0') + Mp3Frames(kMpeg1Layer3At128, 6, 417), info);
    EXPECT_EQ(info.flags, 0);
    info = CMp3Info{};
    ParseMp3Bytes(QByteArray(9999, '\0') + Mp3Frames(kMpeg1Layer3At128, 6, 417), info);
    EXPECT_EQ(info.flags, CMp3Info::kHasFrames);
}
