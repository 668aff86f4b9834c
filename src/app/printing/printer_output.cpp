#include "printer_output.h"

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
                       bool labelOutlines, QString* error) {
    PrepareLabelPositions(doc);
    const std::vector<PrintPage> pages = PlanPrintPages(doc);
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
    dc.SetMapMode(MapMode::HiMetric);
    dc.SetPrinting(true);
    PrintPagePainter painter(doc, settings);
    painter.SetLabelOutlines(labelOutlines);
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) {
            SetPrinterSheet(printer, doc, pages[i]);
            printer.newPage();
        }
        painter.PaintPage(dc, pages[i]);
    }
    return true;
}
