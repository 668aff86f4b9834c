#include "picture_test_support.h"

#include "objects/picture_effects.h"
#include "objects/picture_loading.h"

#include <gtest/gtest.h>

#include <cstring>
#include <thread>

namespace {

std::unique_ptr<CImage> PhotoPicture(int w, int h) {
    auto picture = std::make_unique<CImage>(0, 0, 4000, -3000);
    picture->SetImage(SolidImage(w, h, 0x406080));
    return picture;
}

} // namespace

TEST(PictureEffectJob, ThePictureChangesOnlyWhenTheResultIsTaken) {
    auto picture = PhotoPicture(8, 6);
    const CRasterImage* before = &picture->Image();
    PictureEffectJob job(*picture, PictureEffect::kRotateRight);
    job.Run();
    ASSERT_TRUE(job.Complete());
    EXPECT_EQ(&picture->Image(), before);
    EXPECT_EQ(picture->Image().Width(), 8);
    EXPECT_EQ(picture->Width(), 4000);

    ASSERT_TRUE(picture->TakeEffect(job));
    EXPECT_EQ(picture->Image().Width(), 6);
    EXPECT_EQ(picture->Width(), 3000);
    EXPECT_EQ(picture->Height(), -4000);
    // A result is taken once.
    EXPECT_FALSE(picture->TakeEffect(job));
    EXPECT_EQ(picture->Image().Width(), 6);
}

TEST(PictureEffectJob, CancelledChangedOrDeletedPicturesAreNotWritten) {
    // Cancelled while it runs (or before: either way no result).
    auto picture = PhotoPicture(1500, 1500);
    const RgbQuad corner = picture->Image().ReadPixel(0, 0);
    PictureEffectJob soften(*picture, PictureEffect::kSoften);
    std::thread worker([&] { soften.Run(); });
    while (soften.Progress() == 0 && !soften.Complete())
        std::this_thread::yield();
    soften.Cancel();
    worker.join();
    EXPECT_FALSE(soften.Complete());
    EXPECT_FALSE(picture->TakeEffect(soften));
    EXPECT_EQ(picture->Image().ReadPixel(0, 0), corner);

    PictureEffectJob early(*picture, PictureEffect::kNegative);
    early.Cancel();
    early.Run();
    EXPECT_FALSE(picture->TakeEffect(early));

    // The picture's pixels changed meanwhile (an option set): the result
    // would undo that change, so it is refused.
    PictureEffectJob stale(*picture, PictureEffect::kNegative);
    picture->SetUseAlphaChannel(false);
    stale.Run();
    EXPECT_FALSE(picture->TakeEffect(stale));
    EXPECT_EQ(picture->Image().ReadPixel(0, 0), corner);

    // The picture was deleted (an undo replaced it) while the job ran.
    PictureEffectJob orphan(*picture, PictureEffect::kNegative);
    picture.reset();
    orphan.Run();
    EXPECT_FALSE(orphan.PictureAlive());
}

TEST(PictureRecord, RunTimeFieldsAreStoredAsZeros) {
    CImage used(0, 0, 100, -100);
    used.SetImage(SolidImage(3, 2, 0x112233));
    CImage fresh(0, 0, 100, -100);
    fresh.SetImage(SolidImage(3, 2, 0x112233));
    CRasterImage& pixels = used.EditImage();
    pixels.SetError("Something went wrong earlier");
    pixels.SetProgress(57);
    pixels.RequestEscape();

    const QByteArray record = StoredRecord(used);
    ASSERT_GT(record.size(), kHasAlphaOffset);
    const char* info = record.constData() + kInfoOffset;
    EXPECT_EQ(QByteArray(info + 17, 256), QByteArray(256, '\0')); // error text
    EXPECT_EQ(QByteArray(info + 276, 8), QByteArray(8, '\0'));    // progress, escape
    EXPECT_EQ(record, StoredRecord(fresh));
}

struct PlacementCase {
    const char* what;
    int width, depth; // the picture's natural size
    QPoint at;
    int x, y, expectedWidth, expectedDepth;
};

TEST(PictureLoading, NewPicturesLargerThanTheFaceAreFittedInsideIt) {
    // A 120 mm disc.
    const PlacementCase cases[] = {
        {"fits: its corner at the click", 4000, 3000, {9000, -9000}, 9000, -9000, 4000, 3000},
        // 1600 × 1200 pixels: 423 × 317 mm at its natural size.
        {"centred on the click", 42333, 31750, {6000, -6000}, 0, -1500, 12000, 9000},
        {"kept inside the face", 42333, 31750, {500, -11800}, 0, -3000, 12000, 9000},
        {"tall", 3000, 60000, {6000, -6000}, 5700, 0, 600, 12000},
    };
    for (const PlacementCase& c : cases) {
        SCOPED_TRACE(c.what);
        CImage picture(0, 0, c.width, -c.depth);
        PlaceNewPicture(picture, c.at, 12000, 12000);
        EXPECT_EQ(picture.X(), c.x);
        EXPECT_EQ(picture.Y(), c.y);
        EXPECT_EQ(picture.Width(), c.expectedWidth);
        EXPECT_EQ(picture.Height(), -c.expectedDepth);
    }
}

TEST(PictureLoading, ClickedPicturesGetTheirNaturalSizeWhenLoaded) {
    const std::unique_ptr<CBaseObject> picture =
        LoadPictureFile(PictureFixture("bmp_24.bmp"), 100, -100, 100, -100);
    ASSERT_NE(picture, nullptr);
    const auto& image = static_cast<const CImage&>(*picture);
    const UnitConversion units;
    EXPECT_EQ(picture->Width(), units.PixelsToUnits(image.Image().Width()));
    EXPECT_EQ(picture->Height(), -units.PixelsToUnits(image.Image().Height()));

    // A stored picture of unknown size gets its natural size when read.
    CImage unknown(0, 0);
    unknown.SetImage(SolidImage(4, 3, 0x808080));
    const std::unique_ptr<CImage> read = ReadRecord(StoredRecord(unknown));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Width(), units.PixelsToUnits(4));
    EXPECT_EQ(read->Height(), -units.PixelsToUnits(3));
}
