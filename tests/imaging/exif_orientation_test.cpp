// Photos with an EXIF orientation: the tag is found, JPEG data is turned
// losslessly exactly as jpegtran turns it, other pictures by their pixels,
// and a placed picture and its gallery thumbnail show the right way up.
#include "imaging/exif_orientation.h"
#include "imaging/gallery_thumbnail.h"
#include "imaging/image_codec.h"
#include "imaging/raster_image.h"
#include "objects/image.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Runs an independent tool; false when it fails.
bool RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A photo as a camera stores it, `size` pixels, red in its top-left quarter
// and blue elsewhere, with the EXIF orientation `orientation` (by exiftool).
QString MakePhoto(const QTemporaryDir& dir, const QString& name, QSize size, int orientation) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(0, 0, 255));
    for (int y = 0; y < size.height() / 2; ++y)
        for (int x = 0; x < size.width() / 2; ++x)
            image.setPixel(x, y, qRgb(255, 0, 0));
    const QString path = dir.filePath(name);
    if (!image.save(path, "JPEG", 95))
        return {};
    if (!RunTool(QStringLiteral("exiftool"),
                 {QStringLiteral("-q"), QStringLiteral("-n"), QStringLiteral("-overwrite_original"),
                  QStringLiteral("-Orientation=%1").arg(orientation), path}))
        return {};
    return path;
}

QImage Decode(const QByteArray& jpeg) {
    CRasterImage image;
    const auto* data = reinterpret_cast<const uint8_t*>(jpeg.constData());
    if (!image.DecodeFrom({data, size_t(jpeg.size())}, kFormatJpeg))
        return {};
    return image.ToQImage().convertToFormat(QImage::Format_RGB32);
}

bool Reddish(QRgb c) {
    return qRed(c) > 180 && qBlue(c) < 90;
}

// jpegtran's options for the turn that makes each orientation upright.
const QStringList kJpegtran[] = {
    {},
    {},
    {QStringLiteral("-flip"), QStringLiteral("horizontal")},
    {QStringLiteral("-rotate"), QStringLiteral("180")},
    {QStringLiteral("-flip"), QStringLiteral("vertical")},
    {QStringLiteral("-transpose")},
    {QStringLiteral("-rotate"), QStringLiteral("90")},
    {QStringLiteral("-transverse")},
    {QStringLiteral("-rotate"), QStringLiteral("270")},
};

} // namespace

// For every orientation and for a photo whose edges cut blocks in half, the
// turned file decodes to exactly what jpegtran makes of it (trimming the same
// partial blocks), keeps its EXIF block and says orientation 1.
TEST(ExifOrientation, JpegTurnsLosslesslyLikeJpegtran) {
    QTemporaryDir dir;
    for (const QSize size : {QSize(48, 32), QSize(50, 30)}) {
        for (int orientation = 1; orientation <= 8; ++orientation) {
            SCOPED_TRACE(testing::Message()
                         << size.width() << "x" << size.height() << " o" << orientation);
            const QString photo = MakePhoto(dir, QStringLiteral("p.jpg"), size, orientation);
            ASSERT_FALSE(photo.isEmpty()) << "exiftool";
            const QByteArray bytes = Read(photo);
            EXPECT_EQ(JpegOrientation(bytes), orientation);
            QByteArray upright;
            QString error;
            ASSERT_TRUE(UprightJpeg(bytes, &upright, &error)) << error.toStdString();
            const ExifOrientationTag tag = FindJpegOrientation(upright);
            EXPECT_EQ(tag.value, 1);
            EXPECT_GE(tag.at, 0); // the EXIF block came along
            if (orientation == 1) {
                EXPECT_EQ(upright, bytes);
                continue;
            }
            const QString reference = dir.filePath(QStringLiteral("ref.jpg"));
            ASSERT_TRUE(RunTool(QStringLiteral("jpegtran"),
                                kJpegtran[orientation] +
                                    QStringList{QStringLiteral("-trim"), QStringLiteral("-copy"),
                                                QStringLiteral("all"), QStringLiteral("-outfile"),
                                                reference, photo}));
            const QImage want = Decode(Read(reference));
            const QImage got = Decode(upright);
            ASSERT_FALSE(want.isNull());
            EXPECT_EQ(got, want);
        }
    }
}

// The pixel turns agree with the lossless ones (within JPEG's rounding), so
// every format comes out the same way up.
TEST(ExifOrientation, PixelTurnsMatchTheLosslessOnes) {
    QTemporaryDir dir;
    for (int orientation = 1; orientation <= 8; ++orientation) {
        SCOPED_TRACE(orientation);
        const QString photo = MakePhoto(dir, QStringLiteral("p.jpg"), QSize(48, 32), orientation);
        ASSERT_FALSE(photo.isEmpty());
        const QByteArray bytes = Read(photo);
        QByteArray upright;
        ASSERT_TRUE(UprightJpeg(bytes, &upright));
        const QImage want = Decode(upright);
        const QImage turned = OrientedImage(Decode(bytes), orientation);
        CRasterImage raster;
        const auto* data = reinterpret_cast<const uint8_t*>(bytes.constData());
        ASSERT_TRUE(raster.DecodeFrom({data, size_t(bytes.size())}, kFormatJpeg));
        ASSERT_TRUE(OrientPixels(raster, orientation));
        const QImage pixels = raster.ToQImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(turned.size(), want.size());
        ASSERT_EQ(pixels.size(), want.size());
        // The red quarter lands in the same corner.
        for (const QPoint p :
             {QPoint(4, 4), QPoint(want.width() - 5, 4), QPoint(4, want.height() - 5),
              QPoint(want.width() - 5, want.height() - 5)}) {
            EXPECT_EQ(Reddish(turned.pixel(p)), Reddish(want.pixel(p))) << p.x() << "," << p.y();
            EXPECT_EQ(Reddish(pixels.pixel(p)), Reddish(want.pixel(p))) << p.x() << "," << p.y();
        }
    }
}

// A phone photo (orientation 6) is placed upright and stays a JPEG; its
// gallery thumbnail is upright too.
TEST(ExifOrientation, PlacedPictureAndThumbnailAreUpright) {
    QTemporaryDir dir;
    const QString photo = MakePhoto(dir, QStringLiteral("phone.jpg"), QSize(48, 32), 6);
    ASSERT_FALSE(photo.isEmpty());
    CImage picture(0, 0);
    ASSERT_TRUE(picture.LoadFile(photo));
    EXPECT_EQ(picture.Image().Width(), 32);
    EXPECT_EQ(picture.Image().Height(), 48);
    const QByteArrayView stored = picture.JpegFileBytes();
    ASSERT_FALSE(stored.isEmpty()); // kept as JPEG bytes, not re-encoded
    EXPECT_EQ(JpegOrientation(stored), 1);
    const QImage shown = picture.Image().ToQImage();
    // Turned clockwise: the red top-left quarter is now top-right.
    EXPECT_TRUE(Reddish(shown.pixel(28, 4)));
    EXPECT_FALSE(Reddish(shown.pixel(4, 4)));

    const QImage thumb = MakeGalleryThumbnail(photo, QSize(64, 64));
    ASSERT_EQ(thumb.size(), QSize(64, 64));
    // 32 x 48 fits as it is, centred at (16, 8): the red quarter top-right.
    EXPECT_TRUE(Reddish(thumb.pixel(16 + 28, 8 + 4)));
    EXPECT_FALSE(Reddish(thumb.pixel(16 + 4, 8 + 4)));
    EXPECT_EQ(QColor(thumb.pixel(8, 32)), QColor(Qt::white)); // beside the portrait
}

// Damaged EXIF blocks read as no orientation and never read past the bytes.
TEST(ExifOrientation, DamagedBlocksCountAsNone) {
    const QByteArray app1 = QByteArray::fromHex("FFD8FFE1");
    const QByteArray cases[] = {
        QByteArray(),
        QByteArray::fromHex("FFD8"),
        app1 + QByteArray::fromHex("0010") + "Exif" + QByteArray(2, '\0') + "II*",
        app1 + QByteArray::fromHex("FFFF") + "Exif",
        // IFD offset far beyond the block.
        app1 + QByteArray::fromHex("0012") + "Exif" + QByteArray(2, '\0') +
            QByteArray::fromHex("49492A00FFFFFF7F0100"),
        // One entry, cut short.
        app1 + QByteArray::fromHex("0015") + "Exif" + QByteArray(2, '\0') +
            QByteArray::fromHex("49492A00080000000100120103"),
    };
    for (const QByteArray& bytes : cases) {
        EXPECT_EQ(JpegOrientation(bytes), 1) << bytes.toHex().toStdString();
        EXPECT_EQ(FindJpegOrientation(bytes).at, -1);
    }
    // A well-formed big-endian block with orientation 8.
    const QByteArray tiff =
        QByteArray::fromHex("4D4D002A00000008000101120003000000010008000000000000");
    const QByteArray good = app1 + QByteArray::fromHex("0022") + "Exif" + QByteArray(2, '\0') +
                            tiff + QByteArray::fromHex("FFD9");
    EXPECT_EQ(JpegOrientation(good), 8);
}
