#include "direct_print.h"

#include "app/app_settings.h"
#include "app/cli/disc_tray_job.h"
#include "document/discwright_doc.h"
#include "platform/app_places.h"
#include "printer_output.h"

#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>

#include <cstdio>

namespace {
int ReportFailure(const QString& message) {
    std::fprintf(stderr, "lumvane: %s\n", message.toLocal8Bit().constData());
    return 1;
}
} // namespace

int PrintProjectDirectly(const QString& path, const QString& printerName) {
    AppSettings settings(CurrentPlaces());
    settings.LoadSettings();
    CDiscwrightDoc doc(settings.ForDocument());
    QString error;
    if (!doc.OnOpenDocument(path, &error))
        return ReportFailure(error);
    const QPrinterInfo info = printerName.isEmpty() ? QPrinterInfo::defaultPrinter()
                                                    : QPrinterInfo::printerInfo(printerName);
    if (info.isNull())
        return ReportFailure(
            printerName.isEmpty()
                ? QStringLiteral("%1: there is no default printer").arg(path)
                : QStringLiteral("%1: there is no printer \"%2\"").arg(path, printerName));
    PrepareLabelPositions(doc);
    if (PrintsOnDiscTray(doc)) {
        // The disc goes to the tray as a job of its own; a printer without
        // one is refused before anything is sent.
        DiscTray tray;
        int job = 0;
        if (!FindDiscTray(info.printerName(), DiscTrayPaperMm(doc), &tray, &error))
            return ReportFailure(error);
        if (!SendDiscTrayJob(doc, settings, tray, QFileInfo(path).fileName(), 1, &job, &error))
            return ReportFailure(QStringLiteral("%1: %2").arg(path, error));
        KeepOneFeed(doc, false);
        if (!AnyKindPrinted(doc))
            return 0;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QFileInfo(path).fileName());
    if (!PrintJobOnPrinter(doc, settings.ForPrinting(), printer, false, &error))
        return ReportFailure(QStringLiteral("%1: %2").arg(path, error));
    return 0;
}
