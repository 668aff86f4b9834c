#include "disc_tray_job.h"

#include "app/app_settings.h"
#include "document/discwright_doc.h"
#include "document/print_pdf.h"
#include "document/print_tray_alignment_sheet.h"

#include <QCoreApplication>

#include <algorithm>

QSizeF DiscTrayPaperMm(const CDiscwrightDoc& doc) {
    const LabelStock& disc = StockOfKind(doc, StockKind::Disc);
    return {disc.paperWidth / 100.0, disc.paperHeight / 100.0};
}

bool SendDiscTrayJob(CDiscwrightDoc& doc, const AppSettings& settings, const DiscTray& tray,
                     const QString& title, int copies, int* jobId, QString* error) {
    const PrintFlags flags = KeepOneFeed(doc, true);
    PrintJobOptions job;
    const TrayCorrection correction =
        TrayCorrectionOf(LoadTrayCorrections(settings.m_settingsFile.Path()), tray.queue);
    job.trayCorrectionX = correction.horizontal;
    job.trayCorrectionY = correction.vertical;
    job.copies = std::max(1, copies);
    QByteArray pdf;
    const bool made = MakeLabelPdf(doc, settings.ForPrinting(), job, &pdf, error);
    RestorePrintFlags(doc, flags);
    if (!made)
        return false;
    const LabelStock& disc = StockOfKind(doc, StockKind::Disc);
    const double holeMm = std::min(disc.holeWidth, disc.holeHeight) / 100.0;
    return PrintPdfOnDiscTray(pdf, tray, holeMm, title, jobId, error);
}

bool SendDiscTrayAlignment(const DiscTray& tray, const TrayCorrection& correction, int* jobId,
                           QString* error) {
    const QString caption =
        QCoreApplication::translate("DiscTrayJob",
                                    "Disc Tray Alignment\n%1, correction %2 mm right, %3 mm down")
            .arg(tray.queue)
            .arg(correction.horizontal / 10.0, 0, 'f', 1)
            .arg(correction.vertical / 10.0, 0, 'f', 1);
    QByteArray pdf;
    if (!MakeDiscTrayAlignmentPdf(tray.pageMm.width(), correction, caption, &pdf, error))
        return false;
    // The scales reach the disc's own hole: print down to the hub.
    constexpr double kDiscHoleMm = 15.0;
    return PrintPdfOnDiscTray(pdf, tray, kDiscHoleMm,
                              QCoreApplication::translate("DiscTrayJob", "Disc Tray Alignment"),
                              jobId, error);
}
