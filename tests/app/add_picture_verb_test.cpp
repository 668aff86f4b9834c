#include "document/discwright_doc.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString ImagePath(const char* name) {
    return QStringLiteral(LUMVANE_TEST_DATA_DIR "/images/") + QLatin1String(name);
}

// An empty project on the shipped label stocks, so every face has its size.
class AddPictureVerb : public ::testing::Test {
protected:
    void SetUp() override {
        CDiscwrightDoc doc(program.DefaultStocks());
        doc.OnNewDocument();
        faceWidth = doc.GetFace(kFrontFace).Width();
        faceHeight = doc.GetFace(kFrontFace).Height();
        discWidth = doc.GetFace(kDiscFace).Width();
        discHeight = doc.GetFace(kDiscFace).Height();
        QString error;
        ASSERT_TRUE(doc.OnSaveDocument(project, &error)) << error.toStdString();
    }

    QJsonObject Dump(const QString& path) {
        const ProcessResult r = RunLumvane({QStringLiteral("dump"), path}, program.Path());
        EXPECT_EQ(r.exitCode, 0) << r.err.constData();
        return QJsonDocument::fromJson(r.out).object();
    }

    TempProgramFolder program;
    QTemporaryDir dir;
    QString project = dir.filePath(QStringLiteral("project.dwp"));
    int faceWidth = 0;
    int faceHeight = 0;
    int discWidth = 0;
    int discHeight = 0;
};

} // namespace

TEST_F(AddPictureVerb, EveryFormatLandsAtTheTopLeftWithItsNaturalSize) {
    struct Case {
        const char* file;
        int bitCount;
        bool alpha;
        const char* dataKind;
    } cases[] = {
        {"bmp_8.bmp", 8, false, "dib"},      {"bmp_24.bmp", 24, false, "jpeg"},
        {"gif_8.gif", 4, false, "dib"},      {"jpeg_rgb.jpg", 24, false, "jpeg"},
        {"png_rgba.png", 24, true, "png"},   {"ico_32.ico", 24, true, "png"},
        {"tiff_rgb.tif", 24, false, "jpeg"}, {"tga_24.tga", 24, false, "jpeg"},
        {"pcx_8.pcx", 8, false, "dib"},
    };
    int added = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const ProcessResult r =
            RunLumvane({QStringLiteral("add-picture"), project, ImagePath(c.file),
                        QStringLiteral("--face"), QStringLiteral("inside")},
                       program.Path());
        ASSERT_EQ(r.exitCode, 0) << r.err.constData();
        ++added;
        const QJsonObject json = Dump(project);
        const QJsonArray objects = json[u"faces"][2][u"objects"].toArray();
        ASSERT_EQ(objects.size(), added);
        const QJsonObject picture = objects.last().toObject();
        const QJsonObject image = picture[u"image"].toObject();
        EXPECT_EQ(picture[u"class"].toString(), QStringLiteral("CImage"));
        EXPECT_EQ(picture[u"x"].toInt(), 0);
        EXPECT_EQ(picture[u"y"].toInt(), 0);
        const UnitConversion units;
        EXPECT_EQ(picture[u"width"].toInt(), units.PixelsToUnits(image[u"width"].toInt()));
        EXPECT_EQ(picture[u"height"].toInt(), -units.PixelsToUnits(image[u"height"].toInt()));
        EXPECT_EQ(picture[u"transparency"].toInt(), 0);
        EXPECT_EQ(picture[u"keep_aspect_ratio"].toInt(), 1);
        EXPECT_EQ(image[u"bit_count"].toInt(), c.bitCount);
        EXPECT_EQ(image[u"has_alpha"].toBool(), c.alpha);
        EXPECT_TRUE(image[u"use_alpha_channel"].toBool());
        EXPECT_FALSE(image[u"transparent_colour_option"].toBool());
        EXPECT_EQ(image[u"data_kind"].toString(), QLatin1String(c.dataKind));
        EXPECT_GT(image[u"data_bytes"].toInteger(), 0);
    }
    // The JPEG file is stored as it is.
    const QJsonObject jpeg = Dump(project)[u"faces"][2][u"objects"][3][u"image"].toObject();
    EXPECT_EQ(jpeg[u"data_bytes"].toInteger(), QFileInfo(ImagePath("jpeg_rgb.jpg")).size());
    EXPECT_EQ(jpeg[u"format_id"].toInt(), 2);
}

TEST_F(AddPictureVerb, BackgroundCoversTheFaceAndGoesToTheOutputFile) {
    const QString out = dir.filePath(QStringLiteral("out.dwp"));
    const QByteArray before = ReadWholeFile(project);
    const ProcessResult r =
        RunLumvane({QStringLiteral("add-picture"), project, ImagePath("jpeg_rgb.jpg"),
                    QStringLiteral("--face"), QStringLiteral("front"),
                    QStringLiteral("--background"), QStringLiteral("-o"), out},
                   program.Path());
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(ReadWholeFile(project), before);
    const QJsonObject face = Dump(out)[u"faces"][1].toObject();
    EXPECT_TRUE(face[u"objects"].toArray().isEmpty());
    const QJsonObject background = face[u"background_picture"].toObject();
    EXPECT_EQ(background[u"class"].toString(), QStringLiteral("CImage"));
    EXPECT_EQ(background[u"x"].toInt(), 0);
    EXPECT_EQ(background[u"y"].toInt(), 0);
    EXPECT_EQ(background[u"width"].toInt(), faceWidth);
    EXPECT_EQ(background[u"height"].toInt(), -faceHeight);
    EXPECT_GT(faceWidth, 0);

    // The picture shows when the face is drawn.
    const QString png = dir.filePath(QStringLiteral("front.png"));
    const ProcessResult render =
        RunLumvane({QStringLiteral("render"), out, QStringLiteral("--face"),
                    QStringLiteral("front"), QStringLiteral("-o"), png},
                   program.Path());
    ASSERT_EQ(render.exitCode, 0) << render.err.constData();
    const QImage face0(png);
    ASSERT_FALSE(face0.isNull());
    EXPECT_NE(face0.pixel(face0.width() / 2, face0.height() / 2) & 0xFFFFFF, 0xFFFFFFu);
}

TEST_F(AddPictureVerb, UnreadablePictureLeavesTheProjectAlone) {
    const QByteArray before = ReadWholeFile(project);
    const QString bad = dir.filePath(QStringLiteral("photo.jpe"));
    QFile::copy(ImagePath("jpeg_rgb.jpg"), bad);
    const QString broken = dir.filePath(QStringLiteral("broken.png"));
    WriteTextFile(broken, "not a picture");
    for (const QString& picture : {bad, broken, dir.filePath(QStringLiteral("missing.bmp"))}) {
        SCOPED_TRACE(picture.toStdString());
        const ProcessResult r = RunLumvane({QStringLiteral("add-picture"), project, picture,
                                            QStringLiteral("--face"), QStringLiteral("disc")},
                                           program.Path());
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_TRUE(r.err.contains("Can not open file " + picture.toUtf8())) << r.err.constData();
        EXPECT_EQ(ReadWholeFile(project), before);
    }
    const ProcessResult noFace = RunLumvane(
        {QStringLiteral("add-picture"), project, ImagePath("bmp_8.bmp")}, program.Path());
    EXPECT_EQ(noFace.exitCode, 1);
    EXPECT_TRUE(noFace.err.contains("usage"));
}

TEST_F(AddPictureVerb, APhotoLargerThanTheFaceIsFittedInsideIt) {
    // 1600 × 1200 pixels would be 423 × 317 mm on a 120 mm disc.
    const QString photo = dir.filePath(QStringLiteral("photo.png"));
    QImage image(1600, 1200, QImage::Format_RGB32);
    image.fill(QColor(90, 140, 200));
    ASSERT_TRUE(image.save(photo));
    const ProcessResult r = RunLumvane({QStringLiteral("add-picture"), project, photo,
                                        QStringLiteral("--face"), QStringLiteral("disc")},
                                       program.Path());
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QJsonObject face = Dump(project)[u"faces"][0].toObject();
    const QJsonObject picture = face[u"objects"][0].toObject();
    ASSERT_EQ(discWidth, discHeight);
    EXPECT_EQ(picture[u"x"].toInt(), 0);
    EXPECT_EQ(picture[u"y"].toInt(), 0);
    EXPECT_EQ(picture[u"width"].toInt(), discWidth);
    EXPECT_NEAR(picture[u"height"].toInt(), -discWidth * 3 / 4, 1);
}

TEST_F(AddPictureVerb, MetafilesBecomeVectorPicturesAndSurviveConvertByteForByte) {
    const QString metafiles = QStringLiteral(LUMVANE_TEST_DATA_DIR "/metafiles/");
    for (const char* file : {"logo_libreoffice.wmf", "chart_gnuplot.emf", "badge.svg"}) {
        const ProcessResult r =
            RunLumvane({QStringLiteral("add-picture"), project, metafiles + QLatin1String(file),
                        QStringLiteral("--face"), QStringLiteral("back")},
                       program.Path());
        ASSERT_EQ(r.exitCode, 0) << file << r.err.constData();
    }
    const QJsonArray objects = Dump(project)[u"faces"][3][u"objects"].toArray();
    ASSERT_EQ(objects.size(), 3);
    const QJsonObject wmf = objects[0].toObject();
    EXPECT_EQ(wmf[u"class"].toString(), QStringLiteral("CVectorImage"));
    EXPECT_EQ(wmf[u"keep_aspect_ratio"].toInt(), 1);
    // The placeable header as the file has it, then two zero bytes.
    const QByteArray source = ReadWholeFile(metafiles + QStringLiteral("logo_libreoffice.wmf"));
    EXPECT_EQ(wmf[u"placeable_header"].toString(),
              QString::fromLatin1(source.left(22).toHex() + "0000"));
    EXPECT_GT(wmf[u"metafile_size"].toInt(), 0);
    EXPECT_GT(wmf[u"records"].toInt(), 10);
    const QJsonObject emf = objects[1].toObject();
    EXPECT_EQ(emf[u"placeable_header"].toString(), QString(48, u'0'));
    // gnuplot's chart: 320 x 240 pixels.
    EXPECT_EQ(emf[u"bounds"][u"right"].toInt(), 319);
    EXPECT_EQ(emf[u"bounds"][u"bottom"].toInt(), 239);
    EXPECT_EQ(emf[u"metafile_size"].toInt(),
              ReadWholeFile(metafiles + QStringLiteral("chart_gnuplot.emf")).size());
    EXPECT_EQ(objects[2].toObject()[u"class"].toString(), QStringLiteral("CVectorImage"));

    // Saved again, the project is the same bytes.
    const QString again = dir.filePath(QStringLiteral("again.dwp"));
    ASSERT_EQ(RunLumvane({QStringLiteral("convert"), project, again}, program.Path()).exitCode, 0);
    EXPECT_EQ(ReadWholeFile(again), ReadWholeFile(project));
}

TEST_F(AddPictureVerb, DamagedMetafileNamesTheFaultAndLeavesTheProjectAlone) {
    QByteArray broken =
        ReadWholeFile(QStringLiteral(LUMVANE_TEST_DATA_DIR "/metafiles/logo_libreoffice.wmf"));
    broken.truncate(broken.size() / 2);
    const QString path = dir.filePath(QStringLiteral("broken.wmf"));
    WriteTextFile(path, broken);
    const QByteArray before = ReadWholeFile(project);
    const ProcessResult r = RunLumvane({QStringLiteral("add-picture"), project, path,
                                        QStringLiteral("--face"), QStringLiteral("front")},
                                       program.Path());
    EXPECT_NE(r.exitCode, 0);
    EXPECT_TRUE(r.err.contains("Can not open file")) << r.err.constData();
    EXPECT_TRUE(r.err.contains("cut short")) << r.err.constData();
    EXPECT_EQ(ReadWholeFile(project), before);
}

TEST_F(AddPictureVerb, MetafileBackgroundIsRenderedAtItsNaturalSize) {
    const ProcessResult r = RunLumvane(
        {QStringLiteral("add-picture"), project,
         QStringLiteral(LUMVANE_TEST_DATA_DIR "/metafiles/logo_libreoffice.wmf"),
         QStringLiteral("--face"), QStringLiteral("front"), QStringLiteral("--background")},
        program.Path());
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QJsonObject image =
        Dump(project)[u"faces"][1][u"background_picture"][u"image"].toObject();
    // The placeable header's box at its units per inch, at 96 dots per inch.
    EXPECT_EQ(image[u"width"].toInt(), 188);
    EXPECT_EQ(image[u"height"].toInt(), 88);
    EXPECT_EQ(image[u"bit_count"].toInt(), 24);
}
