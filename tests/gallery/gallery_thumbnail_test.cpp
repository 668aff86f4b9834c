#include "gallery_fixtures.h"

#include "imaging/exif_thumbnail.h"
#include "imaging/gallery_thumbnail.h"

#include <QColor>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QColor At(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

bool Near(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) < 24 && std::abs(a.green() - b.green()) < 24 &&
           std::abs(a.blue() - b.blue()) < 24;
}

} // namespace

TEST(GalleryThumbnail, FitNeverEnlargesAndTruncates) {
    struct Case {
        QSize picture, box, fit;
    } cases[] = {
        {{400, 200}, {64, 64}, {64, 32}}, {{30, 20}, {64, 64}, {30, 20}},
        {{200, 400}, {64, 64}, {32, 64}}, {{100, 100}, {64, 64}, {64, 64}},
        {{64, 64}, {64, 64}, {64, 64}},   {{1000, 333}, {80, 80}, {80, 26}},
        {{1, 1000}, {80, 80}, {1, 80}},   {{4000, 3000}, {120, 120}, {120, 90}},
        {{0, 10}, {80, 80}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.picture.width() << "x" << c.picture.height());
        EXPECT_EQ(FitThumbnailSize(c.picture, c.box), c.fit);
    }
}

TEST(GalleryThumbnail, PictureIsCentredOnWhite) {
    QTemporaryDir dir;
    const QString wide = dir.filePath(QStringLiteral("wide.png"));
    const QString small = dir.filePath(QStringLiteral("small.bmp"));
    ASSERT_TRUE(MakePicture(wide, 400, 200, QStringLiteral("red")));
    ASSERT_TRUE(MakePicture(small, 30, 20, QStringLiteral("blue")));

    // 400 × 200 in 64 × 64: drawn 64 × 32 at (0, 16).
    const QImage a = MakeGalleryThumbnail(wide, {64, 64});
    ASSERT_EQ(a.size(), QSize(64, 64));
    EXPECT_EQ(At(a, 32, 15), QColor(Qt::white));
    EXPECT_EQ(At(a, 0, 16), QColor(Qt::red));
    EXPECT_EQ(At(a, 63, 47), QColor(Qt::red));
    EXPECT_EQ(At(a, 32, 48), QColor(Qt::white));

    // 30 × 20 keeps its size at (17, 22).
    const QImage b = MakeGalleryThumbnail(small, {64, 64});
    EXPECT_EQ(At(b, 16, 32), QColor(Qt::white));
    EXPECT_EQ(At(b, 17, 22), QColor(Qt::blue));
    EXPECT_EQ(At(b, 46, 41), QColor(Qt::blue));
    EXPECT_EQ(At(b, 47, 41), QColor(Qt::white));
    EXPECT_EQ(At(b, 30, 42), QColor(Qt::white));
}

TEST(GalleryThumbnail, FilesThatAreNoPicturesGiveNothing) {
    QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("notes.txt"));
    const QString fake = dir.filePath(QStringLiteral("fake.jpg"));
    const QString cut = dir.filePath(QStringLiteral("cut.jpg"));
    QFile(text).open(QIODevice::WriteOnly);
    QFile f(fake);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\xFF\xD8\xFF\xE1 not really a photo");
    f.close();
    ASSERT_TRUE(MakePicture(cut, 800, 600, QStringLiteral("green")));
    ASSERT_TRUE(EmbedExifThumbnail(cut, 160, 120, QStringLiteral("red")));
    ASSERT_TRUE(QFile::resize(cut, 300)); // inside the EXIF block
    for (const QString& path : {text, fake, cut, dir.filePath(QStringLiteral("missing.png"))}) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_TRUE(MakeGalleryThumbnail(path, {80, 80}).isNull());
    }
}

// The EXIF thumbnail is red, the photo blue: the colour tells which was drawn.
TEST(GalleryThumbnail, ExifThumbnailSparesTheDecodeWhenLargeEnoughAndAlike) {
    QTemporaryDir dir;
    struct Case {
        const char* name;
        QSize thumb; // empty: no EXIF thumbnail
        QSize box;
        ThumbnailSource source;
    } cases[] = {
        {"fits", {160, 120}, {80, 80}, ThumbnailSource::kExif},
        {"exact", {160, 120}, {160, 160}, ThumbnailSource::kExif},
        {"too small", {40, 30}, {80, 80}, ThumbnailSource::kDecode},
        {"other shape", {160, 160}, {80, 80}, ThumbnailSource::kDecode},
        {"none", {}, {80, 80}, ThumbnailSource::kDecode},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString photo = dir.filePath(QString::fromLatin1(c.name) + QStringLiteral(".jpg"));
        ASSERT_TRUE(MakePicture(photo, 1600, 1200, QStringLiteral("blue")));
        if (!c.thumb.isEmpty()) {
            ASSERT_TRUE(EmbedExifThumbnail(photo, c.thumb.width(), c.thumb.height(),
                                           QStringLiteral("red")));
        }
        const QImage image = MakeGalleryThumbnail(photo, c.box);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(LastThumbnailSource(), c.source);
        const QColor centre = At(image, c.box.width() / 2, c.box.height() / 2);
        EXPECT_TRUE(Near(centre, c.source == ThumbnailSource::kExif ? Qt::red : Qt::blue))
            << centre.name().toStdString();
        // The photo's own shape decides the fit, whichever source drew it.
        const QSize fit = FitThumbnailSize({1600, 1200}, c.box);
        const int top = (c.box.height() - fit.height()) / 2;
        EXPECT_EQ(At(image, c.box.width() / 2, top - 1), QColor(Qt::white));
        EXPECT_FALSE(Near(At(image, c.box.width() / 2, top), Qt::white));
    }
}

TEST(ExifThumbnail, GarbageAndPlainFilesHaveNone) {
    EXPECT_TRUE(ExifThumbnail(QByteArrayView()).isEmpty());
    EXPECT_TRUE(ExifThumbnail(QByteArrayView("\xFF\xD8\xFF\xE1\x00\x08"
                                             "Exif\x00\x00",
                                             12))
                    .isEmpty());
    EXPECT_TRUE(ExifThumbnail(QByteArrayView("GIF89a......")).isEmpty());
}

// An SVG stamp gets a thumbnail like any picture: a 200 x 100 mm drawing
// (red left half, blue right half) fitted into 64 x 64 is 64 x 32, centred.
TEST(GalleryThumbnail, SvgDrawingsGetAThumbnail) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("band.svg"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<svg xmlns='http://www.w3.org/2000/svg' width='200mm' height='100mm' "
               "viewBox='0 0 200 100'><rect width='100' height='100' fill='#ff0000'/>"
               "<rect x='100' width='100' height='100' fill='#0000ff'/></svg>");
    file.close();
    const QImage thumb = MakeGalleryThumbnail(path, QSize(64, 64));
    ASSERT_FALSE(thumb.isNull());
    EXPECT_EQ(thumb.size(), QSize(64, 64));
    EXPECT_EQ(QColor(thumb.pixel(32, 4)), QColor(Qt::white));  // above the drawing
    EXPECT_EQ(QColor(thumb.pixel(32, 60)), QColor(Qt::white)); // below it
    const QColor left(thumb.pixel(12, 32)), right(thumb.pixel(52, 32));
    EXPECT_GT(left.red(), 200);
    EXPECT_LT(left.blue(), 60);
    EXPECT_GT(right.blue(), 200);
    EXPECT_LT(right.red(), 60);

    // A file named .svg that is no drawing gives nothing.
    QFile bad(dir.filePath(QStringLiteral("bad.svg")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a drawing");
    bad.close();
    EXPECT_TRUE(MakeGalleryThumbnail(bad.fileName(), QSize(64, 64)).isNull());
}
