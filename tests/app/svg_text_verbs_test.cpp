#include "document/discwright_doc.h"
#include "support/test_support.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Text in an SVG is laid out with the system's fonts while the picture is
// read and recorded, and again whenever the recording is drawn; fonts need a
// GUI application, which every verb must have started by then (without one
// Qt aborts the whole process).
TEST(VerbsOnSvgText, ReadDrawExportAndPrintAPictureWithText) {
    TempProgramFolder program;
    QTemporaryDir dir;
    const QString project = dir.filePath(QStringLiteral("project.dwp"));
    {
        CDiscwrightDoc doc(program.DefaultStocks());
        doc.OnNewDocument();
        QString error;
        ASSERT_TRUE(doc.OnSaveDocument(project, &error)) << error.toStdString();
    }
    const QString svg = QStringLiteral(LUMVANE_TEST_DATA_DIR "/metafiles/text.svg");
    const QString out = dir.filePath(QStringLiteral("out"));
    ASSERT_TRUE(QDir().mkpath(out));

    // In this order: the later verbs draw the pictures the first ones placed.
    const struct {
        QStringList args;
        QString writes; // the file the verb makes, empty when it changes the project
    } runs[] = {
        {{QStringLiteral("add-picture"), project, svg, QStringLiteral("--face"),
          QStringLiteral("front")},
         {}},
        {{QStringLiteral("render"), project, QStringLiteral("--face"), QStringLiteral("front"),
          QStringLiteral("-o"), out + QStringLiteral("/front.png")},
         out + QStringLiteral("/front.png")},
        {{QStringLiteral("export-images"), project, QStringLiteral("--dir"), out,
          QStringLiteral("--name"), QStringLiteral("cover"), QStringLiteral("--faces"),
          QStringLiteral("front"), QStringLiteral("--format"), QStringLiteral("png")},
         {}},
        {{QStringLiteral("thumbnail"), project, out + QStringLiteral("/thumb.png"),
          QStringLiteral("128")},
         out + QStringLiteral("/thumb.png")},
        {{QStringLiteral("print"), project, QStringLiteral("--pdf"),
          out + QStringLiteral("/labels.pdf")},
         out + QStringLiteral("/labels.pdf")},
    };
    for (const auto& run : runs) {
        SCOPED_TRACE(run.args.front().toStdString());
        const ProcessResult r = RunLumvane(run.args, program.Path());
        ASSERT_TRUE(r.finished);
        EXPECT_EQ(r.exitCode, 0) << r.err.constData();
        EXPECT_TRUE(r.err.isEmpty()) << r.err.constData();
        if (!run.writes.isEmpty()) {
            EXPECT_GT(QFileInfo(run.writes).size(), 0);
        }
    }

    // The SVG arrived as a vector picture on the front face.
    const ProcessResult dump = RunLumvane({QStringLiteral("dump"), project}, program.Path());
    ASSERT_EQ(dump.exitCode, 0) << dump.err.constData();
    const QJsonObject json = QJsonDocument::fromJson(dump.out).object();
    const QJsonArray front = json[u"faces"][1][u"objects"].toArray();
    ASSERT_EQ(front.size(), 1);
    EXPECT_EQ(front[0].toObject()[u"class"].toString(), QStringLiteral("CVectorImage"));
    EXPECT_EQ(QDir(out).entryList({QStringLiteral("cover*")}, QDir::Files).size(), 1);
}
