// lumvane print FILE.dwp (--pdf OUT.pdf | --printer NAME) [--kinds ...]
// [--labels KIND=N,...] [--no-border] [--fold-lines]: the project's sheets as
// a PDF, or sent to a CUPS queue, without a display.

#include "verbs.h"

#include "app/app_settings.h"
#include "cups_queue.h"
#include "disc_tray_job.h"
#include "document/discwright_doc.h"
#include "document/print_pdf.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QGuiApplication>

#include <memory>

namespace {

const QString kUsage = QStringLiteral(
    "usage: lumvane print FILE.dwp (--pdf OUT.pdf | --printer NAME) [--kinds disc,front,back] "
    "[--labels disc=1,2] [--no-border] [--fold-lines] [--copies N]");

// Chooses the printed kinds from "disc,front,back" (any of them).
bool ApplyKinds(CDiscwrightDoc& doc, const QString& list, QString* error) {
    int flags[kStockKindCount] = {0, 0, 0};
    for (const QString& raw : list.split(u',', Qt::SkipEmptyParts)) {
        const QString name = raw.trimmed();
        if (name == u"disc")
            flags[0] = 1;
        else if (name == u"front" || name == u"inside")
            flags[1] = 1;
        else if (name == u"back")
            flags[2] = 1;
        else {
            *error = QStringLiteral("--kinds wants disc, front or back, not \"%1\"").arg(name);
            return false;
        }
    }
    for (int k = 0; k < kStockKindCount; ++k)
        StockOfKind(doc, StockKind(k)).printThisKind = flags[k];
    return true;
}

} // namespace

int PrintProject(const QString& input, const QString& pdfPath, const QString& printer,
                 const std::function<bool(CDiscwrightDoc&, QString*)>& choose, int copies) {
    const AppSettings settings = ProgramSettings();
    CDiscwrightDoc doc(settings.ForDocument());
    QString error;
    if (!doc.OnOpenDocument(input, &error))
        return ReportFailure(error);
    std::unique_ptr<QGuiApplication> gui;
    EnsureGuiApplication(gui);
    PrepareLabelPositions(doc);
    if (choose && !choose(doc, &error))
        return ReportFailure(error);
    // A printed kind whose stock file could not be read would come out blank.
    const char* const kindNames[kStockKindCount] = {"disc", "front/inside", "back"};
    for (int k = 0; k < kStockKindCount; ++k) {
        const LabelStock& stock = StockOfKind(doc, StockKind(k));
        if (stock.printThisKind != 0 && stock.path.isEmpty())
            return ReportFailure(
                QStringLiteral("%1: the %2 label stock of the project cannot be read; choose "
                               "another with Change Label Stock, or leave the kind out with "
                               "--kinds")
                    .arg(input, QLatin1String(kindNames[k])));
    }
    if (!pdfPath.isEmpty()) {
        if (!WriteLabelPdf(doc, settings.ForPrinting(), pdfPath, &error))
            return ReportFailure(QStringLiteral("%1: %2").arg(input, error));
        return 0;
    }
    const QString title = QFileInfo(input).fileName();
    if (PrintsOnDiscTray(doc)) {
        // A queue without the tray is refused before any job is sent.
        DiscTray tray;
        if (!FindDiscTray(printer, DiscTrayPaperMm(doc), &tray, &error))
            return ReportFailure(error);
        int job = 0;
        if (!SendDiscTrayJob(doc, settings, tray, title, copies, &job, &error))
            return ReportFailure(QStringLiteral("%1: %2").arg(input, error));
        KeepOneFeed(doc, false);
        if (!AnyKindPrinted(doc))
            return 0;
    }
    QByteArray pdf;
    if (!MakeLabelPdf(doc, settings.ForPrinting(), &pdf, &error))
        return ReportFailure(QStringLiteral("%1: %2").arg(input, error));
    const LabelStock& sheet = StockOfKind(doc, PlanPrintPages(doc).front().front());
    const QSizeF paper(sheet.paperWidth / 100.0, sheet.paperHeight / 100.0);
    if (!PrintPdfToQueue(pdf, printer, title, paper, &error))
        return ReportFailure(QStringLiteral("%1: %2").arg(input, error));
    return 0;
}

namespace {

int RunPrint(const QStringList& args) {
    QCommandLineParser parser;
    const QCommandLineOption pdfOption(QStringLiteral("pdf"), QString(), QStringLiteral("OUT"));
    const QCommandLineOption printerOption(QStringLiteral("printer"), QString(),
                                           QStringLiteral("NAME"));
    const QCommandLineOption kindsOption(QStringLiteral("kinds"), QString(), QStringLiteral("K"));
    const QCommandLineOption labelsOption(QStringLiteral("labels"), QString(), QStringLiteral("L"));
    const QCommandLineOption noBorderOption(QStringLiteral("no-border"));
    const QCommandLineOption foldLinesOption(QStringLiteral("fold-lines"));
    const QCommandLineOption copiesOption(QStringLiteral("copies"), QString(), QStringLiteral("N"));
    parser.addOptions({pdfOption, printerOption, kindsOption, labelsOption, noBorderOption,
                       foldLinesOption, copiesOption});
    if (!ParseVerbArguments(parser, args, kUsage))
        return 1;
    const QStringList files = parser.positionalArguments();
    const QString pdf = parser.value(pdfOption), printer = parser.value(printerOption);
    if (files.size() != 1 || pdf.isEmpty() == printer.isEmpty())
        return ReportFailure(kUsage);
    const QString kinds = parser.value(kindsOption);
    const QStringList labels = parser.values(labelsOption);
    const bool noBorder = parser.isSet(noBorderOption);
    const bool foldLines = parser.isSet(foldLinesOption);
    int copies = 1;
    if (parser.isSet(copiesOption)) {
        bool ok = false;
        copies = parser.value(copiesOption).toInt(&ok);
        if (!ok || copies < 1 || copies > 999)
            return ReportFailure(
                QStringLiteral("--copies wants a number of discs from 1 to 999, not \"%1\"")
                    .arg(parser.value(copiesOption)));
    }
    return PrintProject(
        files.front(), pdf, printer,
        [&](CDiscwrightDoc& doc, QString* error) {
            if (parser.isSet(kindsOption) && !ApplyKinds(doc, kinds, error))
                return false;
            for (const QString& choice : labels)
                if (!SelectLabelsFromText(doc, choice, error))
                    return false;
            for (int k = 0; k < kStockKindCount; ++k) {
                LabelStock& stock = StockOfKind(doc, StockKind(k));
                if (noBorder)
                    stock.printBorder = 0;
                if (foldLines)
                    stock.printFoldLines = 1;
            }
            return true;
        },
        copies);
}

} // namespace

extern const Verb kPrintVerb;
const Verb kPrintVerb = {
    QStringLiteral("print"),
    QStringLiteral("print FILE.dwp (--pdf OUT.pdf | --printer NAME) [--kinds disc,front,back] "
                   "[--labels disc=1,2] [--no-border] [--fold-lines] [--copies N]"),
    QStringLiteral("print a project's label sheets to a PDF file or a printer queue"), RunPrint};
