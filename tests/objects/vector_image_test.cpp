// Vector pictures: natural size, record, drawing at zoom, and the picture
// tool's vector-first rule.
#include "draw_support.h"

#include "metafile/metafile.h"
#include "objects/image.h"
#include "objects/object_archive.h"
#include "objects/picture_loading.h"
#include "objects/vector_image.h"
#include "support/test_support.h"

#include "metafile/metafile_builder.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A red square filling the 1440 x 720 window of a placeable metafile at
// 1440 units per inch (one inch by half an inch).
QByteArray RedWmf(bool placeable = true) {
    WmfBuilder b;
    b.Record(0x020B, {0, 0})
        .Record(0x020C, {720, 1440})
        .Record(0x02FC, {0, 0xFF, 0, 0}) // CREATEBRUSHINDIRECT solid red
        .Record(0x012D, {0})
        .Record(0x041B, {720, 1440, 0, 0})
        .End();
    return (placeable ? WmfBuilder::Placeable(0, 0, 1440, 720, 1440) : QByteArray()) + b.Metafile();
}

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    WriteTextFile(path, bytes);
    return path;
}

TEST(VectorImage, NaturalSizeFromThePlaceableHeaderReplacesTheDraggedRectangle) {
    QTemporaryDir dir;
    const struct {
        const char* name;
        QByteArray file;
        LogicalRect dragged;
        int width, height; // expected, in face units
    } cases[] = {
        // 96 x 48 screen pixels at 96 dots per inch: 25.4 x 12.7 mm.
        {"placeable, dragged", RedWmf(), {1000, -1000, 9000, -9000}, 2540, -1270},
        {"placeable, clicked", RedWmf(), {1000, -1000, 1000, -1000}, 2540, -1270},
        {"no placeable header, dragged", RedWmf(false), {1000, -1000, 5000, -3000}, 4000, -2000},
        // 100 x 100 pixels.
        {"no placeable header, clicked", RedWmf(false), {1000, -1000, 1000, -1000}, 2646, -2646},
    };
    for (const auto& c : cases) {
        CVectorImage v(c.dragged.left, c.dragged.top, c.dragged.right, c.dragged.bottom);
        QString error;
        ASSERT_TRUE(v.LoadMetafile(WriteFile(dir, "p.wmf", c.file), {}, &error)) << c.name;
        EXPECT_EQ(v.m_width, c.width) << c.name;
        EXPECT_EQ(v.m_height, c.height) << c.name;
        EXPECT_EQ(v.m_x, 1000) << c.name;
        EXPECT_EQ(v.m_keepAspectRatio, 1) << c.name;
    }
}

TEST(VectorImage, EnhancedMetafileTakesItsFrameAsNaturalSize) {
    CVectorImage v(0, 0, 0, 0);
    const QByteArray emf = ReadWholeFile(QStringLiteral(LUMVANE_TEST_DATA_DIR) +
                                         QStringLiteral("/metafiles/chart_gnuplot.emf"));
    ASSERT_TRUE(v.LoadMetafileBytes(emf));
    const EmfHeader h = ParseEmfHeader(emf);
    EXPECT_NEAR(v.m_width, h.frame.Width() + 1, 30);
    EXPECT_NEAR(-v.m_height, h.frame.Height() + 1, 30);
    EXPECT_FALSE(v.Placeable().Present());
}

TEST(VectorImage, RecordKeepsPlaceableHeaderAndMetafileByteForByte) {
    QTemporaryDir dir;
    CVectorImage v(100, -200, 100, -200);
    ASSERT_TRUE(v.LoadMetafile(WriteFile(dir, "p.wmf", RedWmf())));
    QByteArray record;
    {
        Archive ar(&record);
        v.Serialize(ar);
    }
    // Base record, the 24-byte header (22 bytes of the file and two zeros),
    // the size, the enhanced metafile.
    ASSERT_EQ(record.size(), 28 + 24 + 4 + v.Metafile().size());
    EXPECT_EQ(record.mid(28, 22), RedWmf().left(22));
    EXPECT_EQ(record.mid(50, 2), QByteArray(2, '\0'));
    EXPECT_EQ(U32At(record, 52), uint32_t(v.Metafile().size()));
    EXPECT_EQ(record.mid(56), v.Metafile());

    CVectorImage back;
    back.m_keepAspectRatio = 0;
    Archive in(record, ObjectClasses());
    back.Serialize(in);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(back.Metafile(), v.Metafile());
    EXPECT_EQ(back.Placeable().bytes, v.Placeable().bytes);
    EXPECT_EQ(back.m_keepAspectRatio, 1); // read from any archive: keep aspect
    QByteArray again;
    {
        Archive ar(&again);
        back.Serialize(ar);
    }
    EXPECT_EQ(again, record);

    // A record with no metafile (size 0) reads as an empty picture.
    CVectorImage empty;
    QByteArray blank = record.left(52) + QByteArray(4, '\0');
    Archive ar(blank, ObjectClasses());
    empty.Serialize(ar);
    EXPECT_FALSE(empty.HasMetafile());
}

TEST(VectorImage, PlaysIntoItsZoomedRectangle) {
    QTemporaryDir dir;
    CVectorImage v(1000, -1000, 1000, -1000);
    ASSERT_TRUE(v.LoadMetafile(WriteFile(dir, "p.wmf", RedWmf())));
    // At 96 dots per inch the object starts at pixel 38 and is 96 x 48.
    for (float zoom : {1.0f, 2.0f}) {
        const QImage image = PaintObject(v, AtZoom(zoom));
        const int x0 = int(38 * zoom), w = int(96 * zoom), h = int(48 * zoom);
        EXPECT_EQ(Pixel(image, x0 + 2, x0 + 2), 0xFF0000u) << zoom; // red
        EXPECT_EQ(Pixel(image, x0 + w - 3, x0 + h - 3), 0xFF0000u) << zoom;
        EXPECT_EQ(Pixel(image, x0 + w + 3, x0 + 2), 0xFFFFFFu) << zoom;
        EXPECT_EQ(Pixel(image, x0 + 2, x0 + h + 3), 0xFFFFFFu) << zoom;
    }
    EXPECT_TRUE(v.HitTest(1500, -1200, 1.0f));
    EXPECT_FALSE(v.HitTest(3600, -1200, 1.0f));
    EXPECT_TRUE(v.HitTest(3600, -2500, 2.0f));
}

TEST(VectorImage, PictureFilesGoToAVectorPictureFirst) {
    QTemporaryDir dir;
    const QImage png = [] {
        QImage i(4, 4, QImage::Format_RGB32);
        i.fill(Qt::blue);
        return i;
    }();
    png.save(dir.filePath("photo.jpg"), "JPEG");
    QByteArray damaged = RedWmf();
    damaged.chop(10); // the end record and more are gone
    const struct {
        const char* file;
        QByteArray bytes;
        const char* expectedClass; // null: nothing can read it
    } cases[] = {
        {"logo.wmf", RedWmf(), "CVectorImage"},
        {"logo.WMF", RedWmf(false), "CVectorImage"},
        {"chart.emf",
         ReadWholeFile(QStringLiteral(LUMVANE_TEST_DATA_DIR "/metafiles/chart_gnuplot.emf")),
         "CVectorImage"},
        {"photo.jpg", {}, "CImage"},
        {"broken.wmf", damaged, nullptr},
    };
    for (const auto& c : cases) {
        if (!c.bytes.isEmpty())
            WriteFile(dir, QLatin1String(c.file), c.bytes);
        QString error;
        const auto object =
            LoadPictureFile(dir.filePath(QLatin1String(c.file)), 0, 0, 5000, -5000, &error);
        if (!c.expectedClass) {
            EXPECT_EQ(object, nullptr) << c.file;
            EXPECT_FALSE(error.isEmpty()) << c.file;
            continue;
        }
        ASSERT_NE(object, nullptr) << c.file;
        EXPECT_STREQ(object->Class().name, c.expectedClass) << c.file;
    }
}

} // namespace
