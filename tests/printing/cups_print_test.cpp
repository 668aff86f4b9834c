// Printing end to end through a real CUPS server: the executable prints a
// project to the test queue (the window's printer path with --print-to, and
// the headless PDF path with print --printer); the queue's output is
// rasterised by Ghostscript and the disc measured against the stock.

#include "cups_server.h"
#include "print_test_support.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class CupsPrinting : public ::testing::Test {
protected:
    void SetUp() override {
        QString why;
        if (!server.Start(&why))
            GTEST_SKIP() << why.toStdString();
        auto doc = MakePrintDocument(program);
        doc->GetFace(kDiscFace).SetBackgroundColour(0); // black discs
        QString error;
        ASSERT_TRUE(doc->OnSaveDocument(project, &error)) << error.toStdString();
    }

    // Runs the executable with the test server; its exit status.
    int Run(const QStringList& args) {
        QProcess process;
        QProcessEnvironment env = LumvaneEnvironment(program.Path());
        env.insert(QStringLiteral("CUPS_SERVER"), server.Address());
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(LUMVANE_EXECUTABLE), args);
        EXPECT_TRUE(process.waitForFinished(120000));
        const int status = process.exitCode();
        EXPECT_EQ(status, 0) << process.readAllStandardError().toStdString();
        return status;
    }

    // The job rasterised at 300 dpi.
    QImage JobSheet() {
        const QByteArray job = server.WaitForJob();
        EXPECT_FALSE(job.isEmpty()) << "no job arrived";
        const QString png = dir.filePath(QStringLiteral("job.png"));
        RunTool(QStringLiteral("gs"),
                {QStringLiteral("-q"), QStringLiteral("-dNOPAUSE"), QStringLiteral("-dBATCH"),
                 QStringLiteral("-dSAFER"), QStringLiteral("-sDEVICE=png16m"),
                 QStringLiteral("-r300"), QStringLiteral("-dFirstPage=1"),
                 QStringLiteral("-dLastPage=1"), QStringLiteral("-sOutputFile=") + png,
                 server.JobFile()});
        return QImage(png).convertToFormat(QImage::Format_RGB32);
    }

    void ExpectDiscAt(const QImage& sheet, double x, double y) {
        ASSERT_FALSE(sheet.isNull());
        EXPECT_NEAR(PixelsToMm(sheet.width()), 210.0, 0.5);
        const PixelBlob disc = FindBlob(sheet, QRectF(20, 0, 170, 145), IsDark);
        ASSERT_GT(disc.count, 0);
        EXPECT_NEAR(disc.centreX, x, 0.2);
        EXPECT_NEAR(disc.centreY, y, 0.2);
        EXPECT_NEAR(disc.boundsMm.width(), 120.0, 0.2);
        RecordProperty("disc centre error mm", QStringLiteral("%1 %2")
                                                   .arg(disc.centreX - x, 0, 'f', 3)
                                                   .arg(disc.centreY - y, 0, 'f', 3)
                                                   .toStdString());
    }

    CupsServer server;
    TempProgramFolder program;
    QTemporaryDir dir;
    QString project = dir.filePath(QStringLiteral("discs.dwp"));
};

TEST_F(CupsPrinting, PrintToQueueThroughThePrinter) {
    // Only the disc kind, with the alignment of the settings file.
    WriteTextFile(program.File(QStringLiteral("lumvanesetup.ini")),
                  "[Print]\nOffset_X=2\nOffset_Y=-1\n[default]\nprintdisc=1\nprintfrontinside=0\n"
                  "printback=0\n");
    Run({QStringLiteral("--print-to"), project, QStringLiteral("q")});
    ExpectDiscAt(JobSheet(), 103.0, 79.0);
}

TEST_F(CupsPrinting, HeadlessPrintVerbSendsThePdf) {
    Run({QStringLiteral("print"), project, QStringLiteral("--printer"), QStringLiteral("q"),
         QStringLiteral("--kinds"), QStringLiteral("disc")});
    ExpectDiscAt(JobSheet(), 105.0, 80.0);
}

TEST_F(CupsPrinting, UnknownPrinterIsAnError) {
    QProcess process;
    QProcessEnvironment env = LumvaneEnvironment(program.Path());
    env.insert(QStringLiteral("CUPS_SERVER"), server.Address());
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(LUMVANE_EXECUTABLE),
                  {QStringLiteral("--print-to"), project, QStringLiteral("nosuchqueue")});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(process.readAllStandardError().contains("nosuchqueue"));
}

} // namespace
