#include "document/project_file.h"
#include "support/test_support.h"
#include "view_fixture.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {
// A project with every drawn object kind on each face, the back face blue.
QString WriteProject(const TempProgramFolder& program) {
    ProjectContent project;
    project.version = kProjectVersion;
    project.album = AlbumData::Defaults();
    const int sizes[][2] = {{12000, 12000}, {12000, 12000}, {12000, 12000}, {15100, 11800}};
    for (int id = 0; id < kFaceCount; ++id) {
        Face face;
        face.SetWidth(sizes[id][0]);
        face.SetHeight(sizes[id][1]);
        AddEveryKind(face);
        while (!face.Objects().empty())
            project.faces[id].objects.push_back(face.TakeObject(face.Objects().front().get()));
    }
    project.faces[kBackFace].backgroundColour = 0xFFFF00;
    project.faces[kDiscFace].backgroundColour = 0x00FF00; // green
    const DocumentSettings stocks = program.DefaultStocks();
    project.stockPaths = {stocks.discStockPath, stocks.frontStockPath, stocks.backStockPath};
    const QString path = program.File(QStringLiteral("every kind.dwp"));
    WriteTextFile(path, ProjectBytes(project));
    return path;
}
} // namespace

TEST(RenderVerb, WritesTheFaceAsTheViewShowsIt) {
    const TempProgramFolder program;
    const QString project = WriteProject(program);
    const QString out = program.File(QStringLiteral("back.png"));
    const ProcessResult run = RunLumvane(
        {QStringLiteral("render"), project, QStringLiteral("--face"), QStringLiteral("back"),
         QStringLiteral("--zoom"), QStringLiteral("2"), QStringLiteral("-o"), out},
        program.Path());
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QImage image(out);
    ASSERT_EQ(image.size(), QSize(1141, 892));              // 151 x 118 mm at zoom 2
    EXPECT_EQ(image.pixel(60, 400) & 0xFFFFFF, 0u);         // fold line at 8 mm
    EXPECT_EQ(image.pixel(300, 800) & 0xFFFFFF, 0x00FFFFu); // background 0xFFFF00 (BGR)
    EXPECT_EQ(image.pixel(208, 208) & 0xFFFFFF, kRed);      // the rectangle at 27.5 mm

    const QString disc = program.File(QStringLiteral("disc.png"));
    ASSERT_EQ(RunLumvane({QStringLiteral("render"), project, QStringLiteral("--face"),
                          QStringLiteral("disc"), QStringLiteral("-o"), disc},
                         program.Path())
                  .exitCode,
              0);
    const QImage discImage(disc);
    EXPECT_EQ(discImage.size(), QSize(454, 454));
    // The hole and the corners show the desk, the ring the face's green.
    for (QPoint desk : {QPoint(227, 227), QPoint(1, 1), QPoint(452, 452)}) {
        const QRgb p = discImage.pixel(desk) & 0xFFFFFF;
        EXPECT_TRUE(p == 0xFFFFFF || p == 0xBFBFBF) << desk.x() << "," << desk.y();
    }
    EXPECT_EQ(discImage.pixel(227, 300) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(discImage.pixel(104, 104) & 0xFFFFFF, kRed);
}

TEST(RenderVerb, UnreadableFilesAndBadArgumentsFailInOneLine) {
    const TempProgramFolder program;
    const QString bad = program.File(QStringLiteral("bad.dwp"));
    WriteTextFile(bad, "not a project");
    const QString out = program.File(QStringLiteral("out.png"));
    const QStringList cases[] = {
        {QStringLiteral("render"), bad, QStringLiteral("--face"), QStringLiteral("disc"),
         QStringLiteral("-o"), out},
        {QStringLiteral("render"), program.File(QStringLiteral("missing.dwp")),
         QStringLiteral("--face"), QStringLiteral("disc"), QStringLiteral("-o"), out},
        {QStringLiteral("render"), bad, QStringLiteral("--face"), QStringLiteral("spine"),
         QStringLiteral("-o"), out},
        {QStringLiteral("render"), bad, QStringLiteral("--face"), QStringLiteral("disc"),
         QStringLiteral("--zoom"), QStringLiteral("nan"), QStringLiteral("-o"), out},
        {QStringLiteral("render"), bad},
    };
    for (const QStringList& args : cases) {
        const ProcessResult run = RunLumvane(args, program.Path());
        EXPECT_EQ(run.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.constData();
        EXPECT_TRUE(run.err.startsWith("lumvane: ")) << run.err.constData();
    }
    EXPECT_FALSE(QFile::exists(out));
}
