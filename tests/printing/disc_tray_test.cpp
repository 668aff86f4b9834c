// Printing onto a printable disc in an inkjet printer's disc tray, through a
// real CUPS server with Gutenprint queues for two models. The queues are
// stopped, so each job stays on the server: the test reads the options the
// server recorded and the document it received, and measures the disc.

#include "cups_server.h"
#include "print_test_support.h"

#include "labelstock/disc_tray_stock.h"

#include <QDir>
#include <QRegularExpression>

#include <cups/cups.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace {

// The drivers' disc page for 120 mm discs: 329 x 329 pt.
constexpr double kDiscPageMm = 329.0 * 25.4 / 72.0;
constexpr double kHoleMm = 22.0;

using Attributes = std::map<std::string, std::string>;

class DiscTray : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        server = new CupsServer;
        QString why;
        if (!server->Start(&why) ||
            !server->AddHeldQueue(QStringLiteral("r220"),
                                  QStringLiteral("gutenprint.5.3://escp2-r220/expert"), &why) ||
            !server->AddHeldQueue(QStringLiteral("ip7200"),
                                  QStringLiteral("gutenprint.5.3://bjc-iP7200-series/expert"),
                                  &why) ||
            !server->AddHeldQueue(QStringLiteral("closed"),
                                  QStringLiteral("drv:///sample.drv/generic.ppd"), &why)) {
            skipReason = why.toStdString();
            return;
        }
        qputenv("CUPS_SERVER", server->Address().toUtf8());
        // A queue that refuses every job.
        RunTool(QStringLiteral("cupsreject"),
                {QStringLiteral("-h"), server->Address(), QStringLiteral("closed")});
    }
    static void TearDownTestSuite() {
        delete server;
        server = nullptr;
    }

    void SetUp() override {
        if (!skipReason.empty())
            GTEST_SKIP() << skipReason;
        SaveProject(project, "Disc tray 120 mm printable disc.ini");
    }

    // A project of black discs on a disc-tray stock of the program folder.
    void SaveProject(const QString& path, const char* stock) {
        DocumentSettings settings = program.DefaultStocks();
        settings.discStockPath = program.File(QStringLiteral("label stock/disc/") + stock);
        CDiscwrightDoc doc(settings);
        doc.OnNewDocument();
        ASSERT_TRUE(IsDiscTrayStock(doc.DiscStock()));
        doc.GetFace(kDiscFace).m_backgroundColour = 0;
        QString error;
        ASSERT_TRUE(doc.OnSaveDocument(path, &error)) << error.toStdString();
    }

    ProcessResult Print(const QString& queue, const QStringList& more = {},
                        const QString& file = {}) {
        return RunLumvane(QStringList{QStringLiteral("print"), file.isEmpty() ? project : file,
                                      QStringLiteral("--printer"), queue} +
                              more,
                          program.Path(), 60000);
    }

    // Every job of the server, newest last.
    static std::vector<int> Jobs() {
        ipp_t* request = ippNewRequest(IPP_OP_GET_JOBS);
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                     "ipp://localhost/");
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "which-jobs", nullptr, "all");
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                     "job-id");
        ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
        std::vector<int> ids;
        for (ipp_attribute_t* a = ippFindAttribute(response, "job-id", IPP_TAG_INTEGER); a;
             a = ippFindNextAttribute(response, "job-id", IPP_TAG_INTEGER))
            ids.push_back(ippGetInteger(a, 0));
        ippDelete(response);
        std::sort(ids.begin(), ids.end());
        return ids;
    }

    // The job's attributes as the server recorded them, as text.
    static Attributes JobAttributes(int id) {
        ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
        const QByteArray uri = "ipp://localhost/jobs/" + QByteArray::number(id);
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri.constData());
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                     "all");
        ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
        Attributes result;
        for (ipp_attribute_t* a = ippFirstAttribute(response); a; a = ippNextAttribute(response)) {
            if (!ippGetName(a))
                continue;
            char text[1024];
            ippAttributeString(a, text, sizeof text);
            result[ippGetName(a)] = text;
        }
        ippDelete(response);
        return result;
    }

    // The jobs a print added.
    static std::vector<int> NewJobs(const std::vector<int>& before) {
        std::vector<int> added;
        for (int id : Jobs())
            if (std::find(before.begin(), before.end(), id) == before.end())
                added.push_back(id);
        return added;
    }

    // The received document's first page size in points, from pdfinfo.
    static QSizeF PageSizePt(const QString& pdf, int* pages = nullptr) {
        const QString info = QString::fromUtf8(RunTool(QStringLiteral("pdfinfo"), {pdf}));
        const auto size =
            QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts"))
                .match(info);
        if (pages)
            *pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                         .match(info)
                         .captured(1)
                         .toInt();
        return {size.captured(1).toDouble(), size.captured(2).toDouble()};
    }

    // The centre of the printed disc in mm from the page's top-left corner,
    // found from its hole: the white inside the black disc.
    static QPointF DiscCentre(const QString& pdf, double pageMm = kDiscPageMm) {
        const QImage page = RasterisePdfPage(pdf);
        EXPECT_NEAR(PixelsToMm(page.width()), pageMm, 0.2);
        const double c = pageMm / 2;
        const PixelBlob hole =
            FindBlob(page, QRectF(c - 15, c - 15, 30, 30), [](QRgb p) { return !IsDark(p); });
        // The hole is clean (no ink in it) and as wide as the stock's.
        EXPECT_NEAR(hole.boundsMm.width(), kHoleMm, 0.2);
        EXPECT_NEAR(hole.boundsMm.height(), kHoleMm, 0.2);
        const double area = PixelsToMm(1) * PixelsToMm(1) * hole.count;
        EXPECT_NEAR(area, 3.1415926 * kHoleMm * kHoleMm / 4, 3.0);
        // The disc around it reaches the page's edges.
        const PixelBlob disc = FindBlob(page, QRectF(0, 0, pageMm, pageMm), IsDark);
        EXPECT_GT(disc.boundsMm.width(), pageMm - 1.0);
        return {hole.centreX, hole.centreY};
    }

    static inline CupsServer* server = nullptr;
    static inline std::string skipReason;
    TempProgramFolder program;
    QTemporaryDir dir;
    QString project = dir.filePath(QStringLiteral("tray.dwp"));
};

// Both models: the tray job's options, its document, and the centre.
TEST_F(DiscTray, PrintsCentredOnTheTrayOfEachModel) {
    for (const QString& queue : {QStringLiteral("r220"), QStringLiteral("ip7200")}) {
        SCOPED_TRACE(queue.toStdString());
        const std::vector<int> before = Jobs();
        const ProcessResult run = Print(queue, {QStringLiteral("--kinds"), QStringLiteral("disc")});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const std::vector<int> jobs = NewJobs(before);
        ASSERT_EQ(jobs.size(), 1u);
        Attributes job = JobAttributes(jobs[0]);
        EXPECT_EQ(job["media"], "custom_116.06x116.06mm_116.06x116.06mm");
        EXPECT_EQ(job["media-source"], "cd");
        EXPECT_EQ(job["print-scaling"], "none");
        // The stock's 22 mm hole is smaller than the driver's normal hub.
        EXPECT_EQ(job["StpCDInnerRadius"], "Small");
        EXPECT_EQ(job.count("StpCDXAdjustment"), 0u); // the driver's own adjustment untouched
        const QString document = server->JobDocument(jobs[0]);
        const QSizeF page = PageSizePt(document);
        EXPECT_NEAR(page.width(), 329.0, 0.5);
        EXPECT_NEAR(page.height(), 329.0, 0.5);
        const QPointF centre = DiscCentre(document);
        EXPECT_NEAR(centre.x(), kDiscPageMm / 2, 0.2);
        EXPECT_NEAR(centre.y(), kDiscPageMm / 2, 0.2);
        RecordProperty(queue.toStdString() + " job " + std::to_string(jobs[0]) + " centre mm",
                       QStringLiteral("%1 %2")
                           .arg(centre.x(), 0, 'f', 3)
                           .arg(centre.y(), 0, 'f', 3)
                           .toStdString());
        std::string options;
        for (const char* key : {"media", "media-source", "print-scaling", "StpCDInnerRadius"})
            options += std::string(key) + "=" + job[key] + " ";
        RecordProperty(queue.toStdString() + " job options", options);
    }
}

// The 80 mm stock takes the drivers' small disc page.
TEST_F(DiscTray, SmallDiscTakesTheSmallDiscPage) {
    const QString small = dir.filePath(QStringLiteral("small.dwp"));
    SaveProject(small, "Disc tray 80 mm printable disc.ini");
    const std::vector<int> before = Jobs();
    const ProcessResult run =
        Print(QStringLiteral("ip7200"), {QStringLiteral("--kinds"), QStringLiteral("disc")}, small);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const std::vector<int> jobs = NewJobs(before);
    ASSERT_EQ(jobs.size(), 1u);
    Attributes job = JobAttributes(jobs[0]);
    EXPECT_EQ(job["media"], "custom_64.91x64.91mm_64.91x64.91mm");
    EXPECT_EQ(job["media-source"], "cd");
    EXPECT_NEAR(PageSizePt(server->JobDocument(jobs[0])).width(), 184.0, 0.5);
    constexpr double kSmallPageMm = 184.0 * 25.4 / 72.0;
    const QPointF centre = DiscCentre(server->JobDocument(jobs[0]), kSmallPageMm);
    EXPECT_NEAR(centre.x(), kSmallPageMm / 2, 0.2);
    EXPECT_NEAR(centre.y(), kSmallPageMm / 2, 0.2);
}

// The queue's correction moves the disc by exactly its tenths of a
// millimetre, right and down; another queue's correction does not apply.
TEST_F(DiscTray, CorrectionOfTheQueueMovesThePrint) {
    WriteTextFile(program.File(QStringLiteral("lumvanesetup.ini")),
                  "[Print]\nOffset_X=5\nOffset_Y=5\n[Disc Tray r220]\nHorizontal=7\nVertical=-4\n"
                  "[Disc Tray ip7200]\nHorizontal=-30\nVertical=30\n");
    const std::vector<int> before = Jobs();
    const ProcessResult run =
        Print(QStringLiteral("r220"), {QStringLiteral("--kinds"), QStringLiteral("disc")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const std::vector<int> jobs = NewJobs(before);
    ASSERT_EQ(jobs.size(), 1u);
    const QPointF centre = DiscCentre(server->JobDocument(jobs[0]));
    EXPECT_NEAR(centre.x() - kDiscPageMm / 2, 0.7, 0.05);
    EXPECT_NEAR(centre.y() - kDiscPageMm / 2, -0.4, 0.05);
    RecordProperty("r220 corrected centre mm", QStringLiteral("%1 %2")
                                                   .arg(centre.x(), 0, 'f', 3)
                                                   .arg(centre.y(), 0, 'f', 3)
                                                   .toStdString());
}

// Discs and paper kinds: one tray job with a page per disc, then the front
// and inside on the paper path as a job of its own.
TEST_F(DiscTray, OtherKindsGoAsASecondJobOnPaper) {
    const std::vector<int> before = Jobs();
    const ProcessResult run =
        Print(QStringLiteral("r220"), {QStringLiteral("--kinds"), QStringLiteral("disc,front"),
                                       QStringLiteral("--copies"), QStringLiteral("3")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const std::vector<int> jobs = NewJobs(before);
    ASSERT_EQ(jobs.size(), 2u);
    int pages = 0;
    EXPECT_NEAR(PageSizePt(server->JobDocument(jobs[0]), &pages).width(), 329.0, 0.5);
    EXPECT_EQ(pages, 3);
    EXPECT_EQ(JobAttributes(jobs[0])["media-source"], "cd");
    Attributes paper = JobAttributes(jobs[1]);
    EXPECT_EQ(paper.count("media-source"), 0u);
    EXPECT_EQ(paper.count("StpCDInnerRadius"), 0u);
    const QSizeF sheet = PageSizePt(server->JobDocument(jobs[1]), &pages);
    EXPECT_NEAR(sheet.width(), 595.3, 0.5); // A4
    EXPECT_EQ(pages, 1);
}

// A queue without a tray is refused in one line before anything is sent.
TEST_F(DiscTray, QueueWithoutATrayIsRefused) {
    const std::vector<int> before = Jobs();
    const ProcessResult run =
        Print(QStringLiteral("q"), {QStringLiteral("--kinds"), QStringLiteral("disc,front")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "lumvane: q has no disc tray\n");
    EXPECT_TRUE(NewJobs(before).empty());
}

// The PDF carries the drivers' disc page with the hole cut out, for
// printing with the printer's own tool.
TEST_F(DiscTray, PdfHasTheDiscPage) {
    const QString pdf = dir.filePath(QStringLiteral("tray.pdf"));
    const ProcessResult run = RunLumvane({QStringLiteral("print"), project, QStringLiteral("--pdf"),
                                          pdf, QStringLiteral("--kinds"), QStringLiteral("disc")},
                                         program.Path(), 60000);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QSizeF page = PageSizePt(pdf);
    EXPECT_NEAR(page.width(), 329.0, 0.5);
    EXPECT_NEAR(page.height(), 329.0, 0.5);
    const QPointF centre = DiscCentre(pdf);
    EXPECT_NEAR(centre.x(), kDiscPageMm / 2, 0.2);
    EXPECT_NEAR(centre.y(), kDiscPageMm / 2, 0.2);
}

// A job the server refuses is a failure that names the printer and the job,
// on the window's printer path (the start-up print) as on the command line.
TEST_F(DiscTray, RefusedPaperJobIsAFailure) {
    const QString paper = dir.filePath(QStringLiteral("paper.dwp"));
    QString error;
    ASSERT_TRUE(MakePrintDocument(program)->OnSaveDocument(paper, &error)) << error.toStdString();
    const ProcessResult window = RunLumvane(
        {QStringLiteral("--print-to"), paper, QStringLiteral("closed")}, program.Path(), 60000);
    EXPECT_EQ(window.exitCode, 1);
    EXPECT_TRUE(window.err.contains("\"closed\" did not take the job")) << window.err.toStdString();
    const ProcessResult verb = RunLumvane(
        {QStringLiteral("print"), paper, QStringLiteral("--printer"), QStringLiteral("closed")},
        program.Path(), 60000);
    EXPECT_EQ(verb.exitCode, 1);
    EXPECT_TRUE(verb.err.contains("closed")) << verb.err.toStdString();
}

} // namespace
