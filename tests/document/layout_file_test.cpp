#include "document/layout_file.h"
#include "objects/shape.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

// Little-endian pieces of a hand-written archive.
QByteArray Word(quint16 v) {
    QByteArray b(2, '\0');
    qToLittleEndian(v, b.data());
    return b;
}
QByteArray Dword(quint32 v) {
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}
// A shape record: the base record (x, y, width, height, selected, locked,
// from-layout), fill, line, kind, line width, corner radii.
QByteArray ShapeRecord(int x, int y, int w, int h, int selected, int fromLayout, quint32 fill,
                       quint16 kind) {
    return Dword(quint32(x)) + Dword(quint32(y)) + Dword(quint32(w)) + Dword(quint32(h)) +
           Dword(quint32(selected)) + Dword(0) + Dword(quint32(fromLayout)) + Dword(fill) +
           Dword(0) + Word(kind) + Dword(1) + Dword(0) + Dword(0);
}
// Two shapes: the first brings in class "CShape" (new-class tag 0xFFFF,
// schema 0, name), the second refers back to class 1 (0x8001).
QByteArray TwoShapeLayout() {
    return Word(2) + Word(0xFFFF) + Word(0) + Word(6) + "CShape" +
           ShapeRecord(1000, -1000, 2000, -1500, 1, 0, 0x0000FF, CShape::kRectangle) +
           Word(0x8001) + ShapeRecord(4000, -4000, 3000, -3000, 0, 1, 0xFF0000, CShape::kEllipse);
}

} // namespace

TEST(LayoutFile, HandWrittenLayoutReadsAndWritesBackTheSameBytes) {
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("two.lay"));
    WriteTextFile(path, TwoShapeLayout());
    ObjectList objects;
    QString error;
    ASSERT_TRUE(ReadLayoutFile(path, objects, &error)) << error.toStdString();
    ASSERT_EQ(objects.size(), 2u);
    const auto& first = dynamic_cast<const CShape&>(*objects[0]);
    const auto& second = dynamic_cast<const CShape&>(*objects[1]);
    EXPECT_EQ(first.X(), 1000);
    EXPECT_EQ(first.Height(), -1500);
    EXPECT_EQ(first.Selected(), 1);
    EXPECT_EQ(first.FillColour(), 0x0000FFu);
    EXPECT_EQ(second.Kind(), CShape::kEllipse);
    EXPECT_EQ(second.FromLayout(), 1);

    Face face;
    for (auto& object : objects)
        face.AppendObject(std::move(object));
    const QString again = dir.filePath(QStringLiteral("again.lay"));
    ASSERT_TRUE(WriteLayoutFile(face, again, &error)) << error.toStdString();
    EXPECT_EQ(ReadWholeFile(again).toHex(), TwoShapeLayout().toHex());
}

TEST(LayoutFile, DamagedOrMissingFilesGiveAReasonAndNoObjects) {
    const QTemporaryDir dir;
    const QByteArray whole = TwoShapeLayout();
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"empty", QByteArray()},
        {"cut in the second object", whole.left(whole.size() - 6)},
        {"unknown class", Word(1) + Word(0xFFFF) + Word(0) + Word(5) + "CEvil" + QByteArray(40, 0)},
        {"count larger than the objects", Word(9) + whole.mid(2)},
    };
    for (const auto& c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.what) + QStringLiteral(".lay"));
        WriteTextFile(path, c.bytes);
        ObjectList objects;
        QString error;
        EXPECT_FALSE(ReadLayoutFile(path, objects, &error)) << c.what;
        EXPECT_TRUE(objects.empty()) << c.what;
        EXPECT_TRUE(error.contains(path)) << c.what << ": " << error.toStdString();
    }
    ObjectList objects;
    QString error;
    EXPECT_FALSE(ReadLayoutFile(dir.filePath(QStringLiteral("none.lay")), objects, &error));
    EXPECT_FALSE(ReadLayoutFile(dir.path(), objects, &error)); // a folder
}

TEST(LayoutFile, ThumbnailPlacementFitsInto120KeepingProportions) {
    const struct {
        QSize face;
        QRect want;
    } cases[] = {
        {{454, 454}, {0, 0, 120, 120}}, {{454, 200}, {0, 34, 120, 52}},
        {{100, 80}, {10, 20, 100, 80}}, {{200, 454}, {34, 0, 52, 120}},
        {{570, 446}, {0, 14, 120, 93}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LayoutThumbnailPlacement(c.face), c.want)
            << c.face.width() << "x" << c.face.height();
}

TEST(LayoutFile, ExportWritesLayoutAndThumbnailIntoEachFaceFolder) {
    const TempProgramFolder program;
    qputenv("LUMVANE_HOME", program.Path().toUtf8());
    CDiscwrightDoc doc(program.DefaultStocks());
    doc.GetFace(kBackFace).AppendObject(
        std::make_unique<CShape>(3000, -3000, 9000, -9000, CShape::kRectangle, 0x0000FF, 0));
    const char* const folders[] = {"disk", "front", "inside", "back"};
    for (int id : {kBackFace, kDiscFace, kFrontFace, kInsideFace}) {
        EXPECT_TRUE(ExportLayoutThumbnail(doc, id, QStringLiteral("Mine")));
        QString error;
        EXPECT_TRUE(ExportLayout(doc, id, QStringLiteral("Mine"), &error)) << error.toStdString();
        const QString base = program.Path() + QStringLiteral("/layouts/") +
                             QLatin1String(folders[id]) + QStringLiteral("/Mine");
        EXPECT_EQ(LayoutFilePath(id, QStringLiteral("Mine")), base + QStringLiteral(".lay"));
        const QImage thumbnail(base + QStringLiteral(".jpg"), "JPEG");
        EXPECT_EQ(thumbnail.size(), QSize(120, 120)) << folders[id];
    }
    // The back insert (151 x 118 mm, 571 x 446 pixels) lies in a white band;
    // its red rectangle shows; the disc's corners are grey.
    const QImage back(LayoutThumbnailPath(kBackFace, QStringLiteral("Mine")), "JPEG");
    EXPECT_GT(qGreen(back.pixel(60, 2)), 240);
    EXPECT_GT(qRed(back.pixel(40, 40)), 200);
    EXPECT_LT(qGreen(back.pixel(40, 40)), 60);
    const QImage disc(LayoutThumbnailPath(kDiscFace, QStringLiteral("Mine")), "JPEG");
    EXPECT_NEAR(qGray(disc.pixel(2, 2)), 192, 12);
    ObjectList objects;
    QString error;
    ASSERT_TRUE(ReadLayoutFile(LayoutFilePath(kBackFace, QStringLiteral("Mine")), objects, &error));
    EXPECT_EQ(objects.size(), 1u);

    // A layout file that cannot be created is reported with the fixed text.
    WriteTextFile(program.File(QStringLiteral("layouts/front/Blocked.lay/x")), "folder");
    EXPECT_FALSE(ExportLayout(doc, kFrontFace, QStringLiteral("Blocked"), &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Export layout file error!")));
    qunsetenv("LUMVANE_HOME");
}

// A layout name is a file name in the layout folder: a path that climbs out
// of it, or a hidden file, is refused and nothing is written.
TEST(LayoutFile, NamesArePlainFileNames) {
    const struct {
        const char* name;
        bool ok;
    } cases[] = {{"Mine", true},    {"Berry Band 2", true}, {"a.b", true},
                 {"", false},       {"../x", false},        {"sub/x", false},
                 {"/tmp/x", false}, {".hidden", false},     {"..", false},
                 {".", false}};
    for (const auto& c : cases)
        EXPECT_EQ(IsLayoutName(QString::fromLatin1(c.name)), c.ok) << c.name;

    const TempProgramFolder program;
    const ScopedEnvironment home{{"LUMVANE_HOME", program.Path()}};
    CDiscwrightDoc doc(program.DefaultStocks());
    QString error;
    EXPECT_FALSE(ExportLayout(doc, kDiscFace, QStringLiteral("../x"), &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Export layout file error!")));
    EXPECT_FALSE(ExportLayoutThumbnail(doc, kDiscFace, QStringLiteral("../x")));
    EXPECT_FALSE(QFile::exists(program.File(QStringLiteral("layouts/x.lay"))));
    EXPECT_FALSE(QFile::exists(program.File(QStringLiteral("layouts/x.jpg"))));
}

// In the portable layout the shipped layouts live in the user's folder: a
// shipped name gets a free name, the user's own name is marked as replaced,
// and faces without objects are marked empty.
TEST(LayoutFile, ExportPlanKeepsShippedLayoutsAndMarksReplacedAndEmptyFaces) {
    const TempProgramFolder program;
    const ScopedEnvironment home{{"LUMVANE_HOME", program.Path()}};
    CDiscwrightDoc doc(program.DefaultStocks());
    doc.GetFace(kFrontFace)
        .AppendObject(std::make_unique<CShape>(0, 0, 1000, -1000, CShape::kRectangle, 0xFF, 0));
    ASSERT_TRUE(QFile::exists(program.File(QStringLiteral("layouts/disk/Berry Band.lay"))));
    EXPECT_TRUE(IsShippedLayout(kDiscFace, QStringLiteral("Berry Band")));
    EXPECT_FALSE(IsShippedLayout(kBackFace, QStringLiteral("Berry Band")));
    // "Berry Band 2" is taken by a thumbnail of the user's.
    WriteTextFile(program.File(QStringLiteral("layouts/disk/Berry Band 2.jpg")), "x");
    EXPECT_EQ(FreeLayoutName(kDiscFace, QStringLiteral("Berry Band")),
              QStringLiteral("Berry Band 3"));

    // The front already has a user's "Berry Band"; the back has none.
    WriteTextFile(program.File(QStringLiteral("layouts/front/Berry Band.lay")), "mine");
    WriteTextFile(program.File(QStringLiteral("layouts/back/Forest Frame.lay")), "mine");
    const int faces[] = {kBackFace, kDiscFace, kFrontFace};
    const auto plan = PlanLayoutExport(doc, QStringLiteral("Berry Band"), faces);
    ASSERT_EQ(plan.size(), 3u);
    EXPECT_EQ(plan[0].faceId, kBackFace);
    EXPECT_EQ(plan[0].name, QStringLiteral("Berry Band"));
    EXPECT_FALSE(plan[0].renamed || plan[0].replaces);
    EXPECT_TRUE(plan[0].empty);
    EXPECT_EQ(plan[1].name, QStringLiteral("Berry Band 3"));
    EXPECT_TRUE(plan[1].renamed);
    EXPECT_FALSE(plan[1].replaces);
    // "front/Berry Band" is shipped too, so it is never replaced either.
    EXPECT_TRUE(plan[2].renamed);
    EXPECT_FALSE(plan[2].empty);
    const int back[] = {kBackFace};
    const auto own = PlanLayoutExport(doc, QStringLiteral("Forest Frame"), back);
    EXPECT_TRUE(own[0].renamed); // shipped for the back too
    WriteTextFile(program.File(QStringLiteral("layouts/back/Mine.lay")), "mine");
    const auto mine = PlanLayoutExport(doc, QStringLiteral("Mine"), back);
    EXPECT_TRUE(mine[0].replaces);
    EXPECT_FALSE(mine[0].renamed);
}
