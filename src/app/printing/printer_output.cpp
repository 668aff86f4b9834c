#include "printer_output.h"

#include "app/cli/cups_queue.h"
#include "document/discwright_doc.h"
#include "document/face_renderer.h"
#include "document/print_page_painter.h"
#include "document/print_pdf.h"
#include "platform/device_context.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

void SetPrinterSheet(QPrinter& printer, const CDiscwrightDoc& doc, const PrintPage& page) {
    const LabelStock& stock = StockOfKind(doc, page.empty() ? StockKind::Disc : page.front());
    const QSizeF wanted(stock.paperWidth / 100.0, stock.paperHeight / 100.0);
    QPageSize size(wanted, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    const QPrinterInfo info(printer);
    for (const QPageSize& offered : info.supportedPageSizes()) {
        const QSizeF mm = offered.size(QPageSize::Millimeter);
        if (std::abs(mm.width() - wanted.width()) <= 0.5 &&
            std::abs(mm.height() - wanted.height()) <= 0.5) {
            size = offered;
            break;
        }
    }
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                      QPageLayout::Millimeter, QMarginsF(0, 0, 0, 0)));
}

bool PrintJobOnPrinter(CDiscwrightDoc& doc, const PrintSettings& settings, QPrinter& printer,
                       bool labelOutlines, QString* error, const PrintJobOptions& job) {
    PrepareLabelPositions(doc);
    const std::vector<PrintPage> pages = PlanJobPages(doc, job);
    if (pages.empty()) {
        *error = QCoreApplication::translate(
            "PrinterOutput", "Nothing to print: no face kind is chosen for printing.");
        return false;
    }
    SetPrinterSheet(printer, doc, pages.front());
    PageImageStore images;
    RenderContext context = MakeRenderContext(doc, 1.0f);
    context.pageImages = &images;
    CDeviceContext dc(printer, printer.resolution(), &context);
    if (!dc.Painter().isActive()) {
        *error = QCoreApplication::translate("PrinterOutput",
                                             "The printer \"%1\" could not start printing.")
                     .arg(printer.printerName());
        return false;
    }
    // A job for a print queue (the preview, with its outlines, sends none).
    const bool cupsQueue = !labelOutlines && printer.outputFormat() == QPrinter::NativeFormat &&
                           printer.outputFileName().isEmpty() && ForgetCupsError();
    dc.SetMapMode(MapMode::HiMetric);
    dc.SetPrinting(true);
    PrintPagePainter painter(doc, settings);
    painter.SetJobOptions(job);
    painter.SetLabelOutlines(labelOutlines);
    const auto failed = [&](const QString& message) {
        dc.Painter().end();
        *error = message;
        return false;
    };
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) {
            SetPrinterSheet(printer, doc, pages[i]);
            if (!printer.newPage())
                return failed(
                    QCoreApplication::translate("PrinterOutput",
                                                "The printer \"%1\" could not start page %2 of %3.")
                        .arg(printer.printerName())
                        .arg(i + 1)
                        .arg(pages.size()));
        }
        painter.PaintPage(dc, pages[i]);
        if (printer.printerState() == QPrinter::Error)
            return failed(QCoreApplication::translate("PrinterOutput",
                                                      "The printer \"%1\" failed on page %2 of %3.")
                              .arg(printer.printerName())
                              .arg(i + 1)
                              .arg(pages.size()));
    }
    // The job is handed over when the painter ends; only then can it fail.
    QString reason;
    if (!dc.Painter().end() || printer.printerState() == QPrinter::Error ||
        (cupsQueue && CupsRefusedLastJob(&reason))) {
        *error = QCoreApplication::translate(
                     "PrinterOutput", "The printer \"%1\" did not take the job of %2 pages. %3")
                     .arg(printer.printerName())
                     .arg(pages.size())
                     .arg(reason)
                     .trimmed();
        return false;
    }
    return true;
}
