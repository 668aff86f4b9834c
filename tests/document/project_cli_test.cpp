#include "document/discwright_doc.h"
#include "objects/cir_text.h"
#include "objects/shape.h"
#include "objects/text.h"
#include "support/test_support.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

QString Fixture(const char* name) {
    return QStringLiteral(LUMVANE_TEST_DATA_DIR "/") + QLatin1String(name);
}

} // namespace

TEST(ProjectCli, DumpPrintsTheProjectAsJson) {
    const TempProgramFolder program;
    const ProcessResult r =
        RunLumvane({QStringLiteral("dump"), Fixture("disc_shapes_text.dwp")}, program.Path());
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    QJsonParseError parseError;
    const QJsonObject json = QJsonDocument::fromJson(r.out, &parseError).object();
    ASSERT_EQ(parseError.error, QJsonParseError::NoError);
    EXPECT_EQ(json[u"version"].toString(), QStringLiteral("V1.0"));
    const QJsonArray faces = json[u"faces"].toArray();
    ASSERT_EQ(faces.size(), 4);
    const char* names[] = {"disc", "front", "inside", "back"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(faces[i][u"name"].toString(), QLatin1String(names[i]));
        EXPECT_EQ(faces[i][u"background_colour"].toInteger(), 0xFFFFFF);
        EXPECT_TRUE(faces[i][u"background_picture"].isNull());
    }
    const QJsonArray objects = faces[0][u"objects"].toArray();
    ASSERT_EQ(objects.size(), 3);
    const QJsonObject shape = objects[1].toObject();
    EXPECT_EQ(shape[u"class"].toString(), QStringLiteral("CShape"));
    EXPECT_EQ(shape[u"kind"].toInt(), 2);
    EXPECT_EQ(shape[u"fill_colour"].toInteger(), 0xFF);
    EXPECT_EQ(shape[u"line_width"].toInt(), 3);
    EXPECT_EQ(shape[u"radius_y"].toInt(), -500);
    EXPECT_EQ(objects[0][u"selected"].toInt(), 1);
    const QJsonObject text = objects[2].toObject();
    EXPECT_EQ(text[u"class"].toString(), QStringLiteral("CText"));
    EXPECT_EQ(text[u"text"].toString(), QStringLiteral("<albumtitle>"));
    EXPECT_EQ(text[u"alignment"].toInt(), 1);
    EXPECT_EQ(text[u"font"][u"face_name"].toString(), QStringLiteral("Arial"));
    EXPECT_EQ(text[u"font"][u"height"].toInt(), 265);
    EXPECT_EQ(text[u"font"][u"char_set"].toInt(), 1);
    EXPECT_EQ(json[u"album"][u"title"].toString(), QStringLiteral("unknown title"));
    EXPECT_EQ(json[u"tracks"].toArray().size(), 0);
    EXPECT_EQ(json[u"label_stocks"][u"back"].toString(), QStringLiteral("/nonexistent/back.ini"));
}

TEST(ProjectCli, ConvertRewritesIdenticalBytes) {
    const TempProgramFolder program;
    for (const char* name : {"empty_project.dwp", "disc_shapes_text.dwp"}) {
        const QString out = program.File(QStringLiteral("out.dwp"));
        const ProcessResult r =
            RunLumvane({QStringLiteral("convert"), Fixture(name), out}, program.Path());
        ASSERT_EQ(r.exitCode, 0) << r.err.constData();
        EXPECT_EQ(ReadWholeFile(out), ReadWholeFile(Fixture(name))) << name;
    }
}

TEST(ProjectCli, ConvertKeepsAProjectLumvaneSavedByteForByte) {
    const TempProgramFolder program;
    DocumentSettings settings;
    settings.discStockPath = program.File(QStringLiteral("label stock/disc/plain paper(A4).ini"));
    CDiscwrightDoc doc(settings);
    doc.OnNewDocument();
    const UnitConversion units;
    doc.AddObject(std::make_unique<CShape>(0, 0, 500, -500, CShape::kDiamond, 0xABCDEF, 0x10));
    doc.AddObject(std::make_unique<CText>(0, 0, 3000, -900, 0x0000FF,
                                          QStringLiteral("Caf\u00e9 \u266b <title01>"), units));
    doc.SetActiveFace(kBackFace);
    doc.AddObject(std::make_unique<CCirText>(QPoint(6000, -6000), 4321.5, -33.3, 0,
                                             QStringLiteral("round"), 0, 1, units, 1.0f));
    doc.Album().tracks.push_back(
        {QStringLiteral("\u00c5sa"), QStringLiteral("Sp\u00e5r"), QStringLiteral("3:45")});
    const QString saved = program.File(QStringLiteral("saved.dwp"));
    QString error;
    ASSERT_TRUE(doc.OnSaveDocument(saved, &error)) << error.toStdString();

    const QString out = program.File(QStringLiteral("converted.dwp"));
    const ProcessResult r = RunLumvane({QStringLiteral("convert"), saved, out}, program.Path());
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(ReadWholeFile(out), ReadWholeFile(saved));

    const ProcessResult d = RunLumvane({QStringLiteral("dump"), out}, program.Path());
    const QJsonObject json = QJsonDocument::fromJson(d.out).object();
    EXPECT_EQ(json[u"faces"][0][u"objects"][1][u"text"].toString(),
              QStringLiteral("Caf\u00e9 \u266b <title01>"));
    EXPECT_EQ(json[u"faces"][3][u"objects"][0][u"radius"].toDouble(), 4321.5);
    EXPECT_EQ(json[u"faces"][3][u"objects"][0][u"angle"].toDouble(), -33.0);
    EXPECT_EQ(json[u"tracks"][0][u"artist"].toString(), QStringLiteral("\u00c5sa"));
    EXPECT_EQ(json[u"label_stocks"][u"disc"].toString(), settings.discStockPath);
}

TEST(ProjectCli, DumpReadsLayoutFiles) {
    const TempProgramFolder program;
    const QString path = program.File(QStringLiteral("one.lay"));
    // One shape: the object list alone.
    WriteTextFile(path, QByteArray::fromHex("0100ffff00000600") + "CShape" +
                            QByteArray::fromHex("0a000000f6ffffff64000000"
                                                "9cffffff00000000"
                                                "0000000001000000"
                                                "c0c0c000000000000000"
                                                "01000000f40100000cfeffff"));
    const ProcessResult r = RunLumvane({QStringLiteral("dump"), path}, program.Path());
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QJsonObject json = QJsonDocument::fromJson(r.out).object();
    const QJsonArray objects = json[u"objects"].toArray();
    ASSERT_EQ(objects.size(), 1);
    EXPECT_EQ(objects[0][u"x"].toInt(), 10);
    EXPECT_EQ(objects[0][u"from_layout"].toInt(), 1);
    EXPECT_EQ(objects[0][u"fill_colour"].toInteger(), 0xC0C0C0);
}

TEST(ProjectCli, ErrorsAreOneLineAndStatusOne) {
    const TempProgramFolder program;
    const QString bad = program.File(QStringLiteral("bad.dwp"));
    WriteTextFile(bad, QByteArray("\x04V1.0\xff\xff", 7));
    const QString out = program.File(QStringLiteral("out.dwp"));
    const QList<QStringList> cases = {
        {QStringLiteral("dump"), bad},
        {QStringLiteral("dump"), program.File(QStringLiteral("missing.dwp"))},
        {QStringLiteral("dump")},
        {QStringLiteral("convert"), bad, out},
        {QStringLiteral("convert"), Fixture("empty_project.dwp"),
         program.File(QStringLiteral("no/folder/out.dwp"))},
    };
    for (const QStringList& args : cases) {
        const ProcessResult r = RunLumvane(args, program.Path());
        EXPECT_EQ(r.exitCode, 1) << args.join(u' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.constData();
        EXPECT_TRUE(r.err.startsWith("lumvane: ")) << r.err.constData();
    }
    EXPECT_FALSE(QFile::exists(out));
}

// dump writes its JSON piece by piece; the bytes must stay exactly those of
// Qt's indented form of the whole document, which scripts and diffs rely on.
TEST(ProjectCli, DumpStreamsExactlyQtsIndentedJson) {
    const TempProgramFolder program;
    DocumentSettings settings;
    CDiscwrightDoc doc(settings);
    doc.OnNewDocument();
    const UnitConversion units;
    doc.AddObject(std::make_unique<CText>(
        0, 0, 3000, -900, 0x0000FF, QStringLiteral("quote \" back\\slash\ttab \u00e9 \U0001F3B5"),
        units));
    doc.SetActiveFace(kBackFace);
    doc.AddObject(std::make_unique<CShape>(0, 0, 500, -500, CShape::kDiamond, 0xABCDEF, 0x10));
    doc.Album().title = QStringLiteral("line\nbreak");
    for (int i = 0; i < 3; ++i)
        doc.Album().tracks.push_back({QStringLiteral("a%1").arg(i), QStringLiteral("\x01 control"),
                                      QStringLiteral("1:0%1").arg(i)});
    const QString saved = program.File(QStringLiteral("saved.dwp"));
    QString error;
    ASSERT_TRUE(doc.OnSaveDocument(saved, &error)) << error.toStdString();

    const QString layout = program.File(QStringLiteral("one.lay"));
    WriteTextFile(layout, QByteArray::fromHex("0100ffff00000600") + "CShape" +
                              QByteArray::fromHex("0a000000f6ffffff64000000"
                                                  "9cffffff00000000"
                                                  "0000000001000000"
                                                  "c0c0c000000000000000"
                                                  "01000000f40100000cfeffff"));
    for (const QString& path :
         {Fixture("empty_project.dwp"), Fixture("disc_shapes_text.dwp"), saved, layout}) {
        const ProcessResult r = RunLumvane({QStringLiteral("dump"), path}, program.Path());
        ASSERT_EQ(r.exitCode, 0) << r.err.constData();
        EXPECT_EQ(r.err, QByteArray());
        QJsonParseError parseError;
        const QJsonDocument json = QJsonDocument::fromJson(r.out, &parseError);
        ASSERT_EQ(parseError.error, QJsonParseError::NoError) << path.toStdString();
        EXPECT_EQ(r.out, json.toJson(QJsonDocument::Indented)) << path.toStdString();
    }
}
