#include "print_pdf.h"

#include "discwright_doc.h"
#include "face_renderer.h"
#include "pdf_jpeg_pass.h"
#include "platform/atomic_file.h"
#include "platform/device_context.h"
#include "print_page_painter.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

void SetSheetPageLayout(QPagedPaintDevice& device, const CDiscwrightDoc& doc,
                        const PrintPage& page) {
    const LabelStock& stock = StockOfKind(doc, page.empty() ? StockKind::Disc : page.front());
    const QSizeF size(stock.paperWidth / 100.0, stock.paperHeight / 100.0);
    const QPageSize pageSize(size, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    device.setPageLayout(QPageLayout(pageSize, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                     QPageLayout::Millimeter, QMarginsF(0, 0, 0, 0)));
}

bool MakeLabelPdf(CDiscwrightDoc& doc, const PrintSettings& settings, QByteArray* pdf,
                  QString* error, bool keepJpegFiles) {
    return MakeLabelPdf(doc, settings, PrintJobOptions(), pdf, error, keepJpegFiles);
}

bool MakeLabelPdf(CDiscwrightDoc& doc, const PrintSettings& settings, const PrintJobOptions& job,
                  QByteArray* pdf, QString* error, bool keepJpegFiles) {
    PrepareLabelPositions(doc);
    const std::vector<PrintPage> pages = PlanJobPages(doc, job);
    if (pages.empty()) {
        *error = QStringLiteral("nothing to print: no face kind is chosen for printing");
        return false;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    PageImageStore images;
    images.keepJpegFiles = keepJpegFiles;
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Lumvane"));
        writer.setTitle(doc.PathName());
        writer.setResolution(kPdfResolution);
        SetSheetPageLayout(writer, doc, pages.front());
        RenderContext context = MakeRenderContext(doc, 1.0f);
        context.pageImages = &images;
        CDeviceContext dc(writer, kPdfResolution, &context);
        if (!dc.Painter().isActive()) {
            *error = QStringLiteral("the PDF writer could not start");
            return false;
        }
        dc.SetMapMode(MapMode::HiMetric);
        dc.SetPrinting(true);
        PrintPagePainter painter(doc, settings);
        painter.SetJobOptions(job);
        const size_t total = pages.size() * size_t(std::max(1, job.copies));
        for (size_t i = 0; i < total; ++i) {
            const PrintPage& page = pages[i % pages.size()];
            if (i > 0) {
                SetSheetPageLayout(writer, doc, page);
                writer.newPage();
            }
            painter.PaintPage(dc, page);
        }
    }
    buffer.close();
    if (!images.jpegFiles.isEmpty() && !ReplaceJpegPlaceholders(bytes, images.jpegFiles, error))
        return false;
    *pdf = std::move(bytes);
    return true;
}

bool WriteLabelPdf(CDiscwrightDoc& doc, const PrintSettings& settings, const QString& path,
                   QString* error) {
    QByteArray pdf;
    if (!MakeLabelPdf(doc, settings, &pdf, error))
        return false;
    return WriteFileAtomically(path, pdf, error);
}
