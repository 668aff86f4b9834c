#include "platform/cd_audio.h"
#include "tracks/cddb_protocol.h"
#include "tracks_test_support.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(CdAudio, ReadsAbsolutePositionsAndLeadOutOfACueImage) {
    QTemporaryDir dir;
    DiscToc toc;
    QString error;
    ASSERT_TRUE(ReadCdAudioToc(MakeExampleDisc(dir.path()), toc, &error)) << error.toStdString();
    const DiscToc expected = {{0, 2, 0}, {3, 10, 0}, {6, 40, 0}, {10, 0, 0}};
    EXPECT_EQ(toc, expected);
    EXPECT_EQ(ComputeDiscId(toc), 0x10025603u);
}

TEST(CdAudio, FailsWithoutAnAudioTrackOrWithoutADisc) {
    QTemporaryDir dir;
    DiscToc toc{{0, 2, 0}};
    QString error;
    EXPECT_FALSE(ReadCdAudioToc(MakeCueImage(dir.path(), {0}, 60, false), toc, &error));
    EXPECT_TRUE(toc.empty());
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(ReadCdAudioToc(dir.filePath(QStringLiteral("missing.cue")), toc, &error));
    EXPECT_FALSE(ReadCdAudioToc(dir.filePath(QStringLiteral("missing.cue")), toc));
}

TEST(CdAudio, DiscIdFromFramesIgnoresFramesAndCountsDigitSums) {
    // Frames are ignored: 0:02:74 counts as 2 seconds.
    EXPECT_EQ(ComputeDiscId({{0, 2, 74}, {3, 10, 1}, {6, 40, 0}, {10, 0, 74}}), 0x10025603u);
    // n mod 255 wraps: 30 tracks at 99:59 (digit sum 9+5+9... of 5999 = 32) -> 960 mod 255 = 195.
    DiscToc many(30, MsfTime{99, 59, 0});
    many.push_back(MsfTime{99, 59, 0});
    EXPECT_EQ(ComputeDiscId(many), (195u << 24) | 30u);
    EXPECT_EQ(ComputeDiscId({}), 0u);
    EXPECT_EQ(MsfTime::FromFrames(45000), (MsfTime{10, 0, 0}));
    EXPECT_EQ((MsfTime{3, 10, 5}).TotalFrames(), 14255);
}
