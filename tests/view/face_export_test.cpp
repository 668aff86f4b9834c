#include "document/face_export.h"
#include "document/project_file.h"
#include "support/test_support.h"
#include "view_fixture.h"

#include <QDir>
#include <QImage>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cmath>

namespace {

QRgb At(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

// Channels within `tolerance` of each other (JPEG at quality 100 moves little).
bool Near(QRgb a, QRgb b, int tolerance) {
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

struct FaceExportTest : ::testing::Test {
    TempProgramFolder program;
    CDiscwrightDoc doc{program.DefaultStocks()};
    void SetUp() override {
        for (int id = 0; id < kFaceCount; ++id)
            AddEveryKind(doc.GetFace(id));
        doc.GetFace(kDiscFace).SetBackgroundColour(0x00FF00);
        doc.GetFace(kBackFace).SetBackgroundColour(0xFFFF00);
    }
};

} // namespace

TEST_F(FaceExportTest, FramedFaceHasGreyDiscCornersAndHoleFrameAndFolds) {
    const QImage disc = RenderFramedFace(doc, kDiscFace, 1.0, true);
    ASSERT_EQ(disc.size(), QSize(464, 464)); // 120 mm: 454 pixels and 5 each side
    for (QPoint grey : {QPoint(0, 0), QPoint(12, 12), QPoint(450, 455), QPoint(232, 232)})
        EXPECT_EQ(At(disc, grey.x(), grey.y()), 0xC0C0C0u) << grey.x() << "," << grey.y();
    EXPECT_EQ(At(disc, 15, 232), 0x00FF00u); // the ring's background

    const QImage front = RenderFramedFace(doc, kFrontFace, 1.0, true);
    EXPECT_EQ(At(front, 2, 2), 0xFFFFFFu);
    for (QPoint frame : {QPoint(5, 200), QPoint(458, 200), QPoint(200, 5), QPoint(200, 458)})
        EXPECT_EQ(At(front, frame.x(), frame.y()), 0u) << frame.x() << "," << frame.y();
    EXPECT_EQ(At(front, 6, 300), 0xFFFFFFu);

    const QImage back = RenderFramedFace(doc, kBackFace, 1.0, true);
    const int w = back.width() - 10;
    ASSERT_EQ(w, 571);
    for (int y : {5, 300, back.height() - 6}) {
        EXPECT_EQ(At(back, 20, y), 0u) << y;
        EXPECT_EQ(At(back, w - 10, y), 0u) << y;
    }
    EXPECT_EQ(At(back, 21, 300), 0x00FFFFu); // background 0xFFFF00 (stored BGR)
    EXPECT_EQ(At(back, 20, 2), 0xFFFFFFu);   // the folds stay inside the face
}

TEST_F(FaceExportTest, FilesCarryTheFaceSuffixesAndMatchTheRenderVerb) {
    const QString project = program.File(QStringLiteral("cover.dwp"));
    QString error;
    ASSERT_TRUE(doc.OnSaveDocument(project, &error)) << error.toStdString();
    const QString out = program.File(QStringLiteral("out"));
    ASSERT_TRUE(QDir().mkpath(out));
    const ProcessResult run =
        RunLumvane({QStringLiteral("export-images"), project, QStringLiteral("--dir"), out,
                    QStringLiteral("--name"), QStringLiteral("cover")},
                   program.Path());
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(
        QDir(out).entryList(QDir::Files),
        (QStringList{QStringLiteral("cover__BACK.jpg"), QStringLiteral("cover__DISK.jpg"),
                     QStringLiteral("cover__FRONT.jpg"), QStringLiteral("cover__INSIDE.jpg")}));

    const struct {
        const char* face;
        const char* suffix;
        QSize size;
        QPoint flat; // a point of the face inside one colour
    } faces[] = {
        {"disc", "DISK", {454, 454}, {15, 227}},
        {"front", "FRONT", {454, 454}, {400, 430}},
        {"inside", "INSIDE", {454, 454}, {400, 430}},
        {"back", "BACK", {571, 446}, {540, 420}},
    };
    for (const auto& f : faces) {
        const QImage exported(out + QStringLiteral("/cover__%1.jpg").arg(QLatin1String(f.suffix)),
                              "JPEG");
        ASSERT_EQ(exported.size(), f.size) << f.face;
        const QString rendered = program.File(QStringLiteral("%1.png").arg(QLatin1String(f.face)));
        ASSERT_EQ(RunLumvane({QStringLiteral("render"), project, QStringLiteral("--face"),
                              QLatin1String(f.face), QStringLiteral("-o"), rendered},
                             program.Path())
                      .exitCode,
                  0);
        const QImage view(rendered);
        // The middle of the face (the rectangle at 2 cm in each face's corner
        // shifts by under a pixel through the squeeze of the border).
        EXPECT_TRUE(
            Near(At(exported, f.flat.x(), f.flat.y()), At(view, f.flat.x(), f.flat.y()), 10))
            << f.face;
        EXPECT_TRUE(Near(At(exported, 84, 84), At(view, 84, 84), 16)) << f.face; // red rectangle
    }
    const QImage disc(out + QStringLiteral("/cover__DISK.jpg"), "JPEG");
    EXPECT_TRUE(Near(At(disc, 1, 1), 0xC0C0C0, 8));
    EXPECT_TRUE(Near(At(disc, 227, 227), 0xC0C0C0, 8)); // the hole
    const QImage front(out + QStringLiteral("/cover__FRONT.jpg"), "JPEG");
    // The frame and the folds, squeezed with the border, stay dark lines.
    int frame = 255, fold = 255;
    for (int i = 2; i <= 7; ++i)
        frame = std::min(frame, qGray(At(front, 227, i)));
    const QImage back(out + QStringLiteral("/cover__BACK.jpg"), "JPEG");
    for (int x = 16; x <= 22; ++x)
        fold = std::min(fold, qGray(At(back, x, 300)));
    EXPECT_LT(frame, 80);
    EXPECT_LT(fold, 130);
}

TEST_F(FaceExportTest, PrintResolutionAndTransparentPng) {
    FaceExportOptions options;
    options.dpi = 300;
    const QImage back = FaceExportImage(doc, kBackFace, options);
    EXPECT_EQ(back.size(), QSize(1783, 1394)); // 151 x 118 mm at 300 dpi

    options.format = FaceImageFormat::kPng;
    options.dpi = 96;
    const QString file = program.File(QStringLiteral("disc.png"));
    QString error;
    ASSERT_TRUE(ExportFaceImage(doc, kDiscFace, file, options, &error)) << error.toStdString();
    const QImage png(file, "PNG");
    ASSERT_EQ(png.size(), QSize(454, 454));
    EXPECT_EQ(qAlpha(png.pixel(1, 1)), 0);
    EXPECT_EQ(qAlpha(png.pixel(227, 227)), 0); // the hole
    EXPECT_EQ(png.pixel(15, 227), 0xFF00FF00u);
    EXPECT_EQ(FaceImagePath(QStringLiteral("/out/"), QStringLiteral("c"), kInsideFace,
                            FaceImageFormat::kPng),
              QStringLiteral("/out/c__INSIDE.png"));
}

// The file states the chosen resolution, read from its bytes: the JFIF
// density (units 1 = dots per inch, then x and y, big-endian) and the PNG
// pHYs chunk (pixels per metre, unit 1).
TEST_F(FaceExportTest, FilesStateTheChosenResolution) {
    for (int dpi : {96, 300, 1200}) {
        for (FaceImageFormat format : {FaceImageFormat::kJpeg, FaceImageFormat::kPng}) {
            FaceExportOptions options;
            options.dpi = dpi;
            options.format = format;
            const QString file =
                FaceImagePath(program.Path(), QStringLiteral("res"), kFrontFace, format);
            QString error;
            ASSERT_TRUE(ExportFaceImage(doc, kFrontFace, file, options, &error))
                << error.toStdString();
            const QByteArray bytes = ReadWholeFile(file);
            if (format == FaceImageFormat::kJpeg) {
                const qsizetype jfif = bytes.indexOf(QByteArray("JFIF\0", 5));
                ASSERT_EQ(jfif, 6) << dpi;
                EXPECT_EQ(quint8(bytes[jfif + 7]), 1) << dpi;
                EXPECT_EQ(qFromBigEndian<quint16>(bytes.constData() + jfif + 8), dpi);
                EXPECT_EQ(qFromBigEndian<quint16>(bytes.constData() + jfif + 10), dpi);
            } else {
                const qsizetype phys = bytes.indexOf("pHYs");
                ASSERT_GT(phys, 0) << dpi;
                const quint32 perMetre = qFromBigEndian<quint32>(bytes.constData() + phys + 4);
                EXPECT_EQ(perMetre, quint32(std::lround(dpi / 0.0254))) << dpi;
                EXPECT_EQ(qFromBigEndian<quint32>(bytes.constData() + phys + 8), perMetre);
                EXPECT_EQ(quint8(bytes[phys + 12]), 1) << dpi;
            }
        }
    }
}

TEST_F(FaceExportTest, VerbRejectsBadArgumentsOnOneLine) {
    const QString project = program.File(QStringLiteral("cover.dwp"));
    QString error;
    ASSERT_TRUE(doc.OnSaveDocument(project, &error));
    const QString out = program.File(QStringLiteral("o"));
    ASSERT_TRUE(QDir().mkpath(out));
    const QStringList base = {QStringLiteral("export-images"), project,
                              QStringLiteral("--dir"),         out,
                              QStringLiteral("--name"),        QStringLiteral("c")};
    const struct {
        QStringList extra;
        const char* says;
    } cases[] = {
        {{QStringLiteral("--dpi"), QStringLiteral("50")}, "--dpi"},
        {{QStringLiteral("--format"), QStringLiteral("gif")}, "--format"},
        {{QStringLiteral("--faces"), QStringLiteral("disc,spine")}, "spine"},
    };
    for (const auto& c : cases) {
        const ProcessResult run = RunLumvane(base + c.extra, program.Path());
        EXPECT_EQ(run.exitCode, 1) << c.says;
        EXPECT_TRUE(run.err.contains(c.says)) << run.err.constData();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.constData();
    }
    const ProcessResult missing = RunLumvane(
        {QStringLiteral("export-images"), project, QStringLiteral("--dir"),
         program.File(QStringLiteral("nowhere")), QStringLiteral("--name"), QStringLiteral("c")},
        program.Path());
    EXPECT_EQ(missing.exitCode, 1);
    const ProcessResult png =
        RunLumvane(base + QStringList{QStringLiteral("--faces"), QStringLiteral("front"),
                                      QStringLiteral("--format"), QStringLiteral("png"),
                                      QStringLiteral("--dpi"), QStringLiteral("300")},
                   program.Path());
    ASSERT_EQ(png.exitCode, 0) << png.err.constData();
    EXPECT_EQ(QDir(out).entryList(QDir::Files), QStringList{QStringLiteral("c__FRONT.png")});
    EXPECT_EQ(QImage(out + QStringLiteral("/c__FRONT.png")).size(), QSize(1417, 1417));
}
