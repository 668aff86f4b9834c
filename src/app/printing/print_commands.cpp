#include "print_commands.h"

#include "app/app_settings.h"
#include "app/cli/disc_tray_job.h"
#include "app/settings/settings_dialog.h"
#include "app/window/command_router.h"
#include "calibration_sheet.h"
#include "document/discwright_doc.h"
#include "document/print_pdf.h"
#include "label_stock_dialog.h"
#include "labelstock/disc_tray_stock.h"
#include "print_dialog.h"
#include "printer_output.h"
#include "view/command_ids.h"
#include "view/discwright_view.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {
// The drivers' page for 120 mm discs, which the alignment print uses.
const QSizeF kDiscTrayPageMm(116.06, 116.06);
} // namespace

PrintCommands::PrintCommands(CDiscwrightDoc& doc, CDiscwrightView& view, AppSettings& settings,
                             QWidget* window)
    : QObject(window), m_doc(doc), m_view(view), m_settings(settings), m_window(window),
      m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
}

PrintCommands::~PrintCommands() = default;

void PrintCommands::Register(CommandRouter& router) {
    router.SetHandler(CommandId::kFilePrint, [this] { Print(); });
    router.SetHandler(CommandId::kFilePrintPreview, [this] { PrintPreview(); });
    router.SetHandler(CommandId::kFilePrintSetup, [this] { PrintSetup(); });
    router.SetHandler(CommandId::kFileExportPdf, [this] { ExportPdf(); });
    router.SetHandler(CommandId::kChangeLabelStock, [this] { ChangeLabelStock(); });
    router.SetHandler(CommandId::kSettings, [this] { Settings(); });
}

void PrintCommands::ReportError(const QString& text) {
    QMessageBox::warning(m_window, QStringLiteral("Lumvane"), text);
}

void PrintCommands::ShowPreview(QWidget* parent) {
    QPrintPreviewDialog preview(m_printer.get(), parent);
    preview.setWindowTitle(tr("Print Preview"));
    preview.setObjectName(QStringLiteral("PrintPreviewDialog"));
    preview.resize(900, 900);
    QString error;
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [&](QPrinter* printer) {
        PrintJobOnPrinter(m_doc, m_settings.ForPrinting(), *printer, true, &error);
    });
    preview.exec();
}

void PrintCommands::Print() {
    // The queues are asked only when the disc stock needs a tray.
    const QStringList trayQueues = IsDiscTrayStock(m_doc.DiscStock())
                                       ? QueuesWithDiscTray(DiscTrayPaperMm(m_doc))
                                       : QStringList();
    PrintDialog dialog(m_doc, m_settings, m_window, m_printer->printerName(), trayQueues);
    connect(&dialog, &PrintDialog::PreviewRequested, this, [&] { ShowPreview(&dialog); });
    if (dialog.exec() != QDialog::Accepted)
        return;
    PrintJobOptions job;
    job.insideOnSecondSheet = dialog.InsideOnSecondSheet();
    PrepareLabelPositions(m_doc);
    QString error;
    if (PrintsOnDiscTray(m_doc)) {
        // Qt's printer dialog cannot choose the tray: the disc goes as a job
        // of its own through the same path as the command line.
        DiscTray tray;
        int trayJob = 0;
        const QString title =
            m_doc.PathName().isEmpty() ? tr("Untitled") : QFileInfo(m_doc.PathName()).fileName();
        if (!FindDiscTray(dialog.TrayQueue(), DiscTrayPaperMm(m_doc), &tray, &error) ||
            !SendDiscTrayJob(m_doc, m_settings, tray, title, dialog.DiscCount(), &trayJob,
                             &error)) {
            ReportError(error);
            return;
        }
        const PrintFlags flags = KeepOneFeed(m_doc, false);
        if (AnyKindPrinted(m_doc))
            PrintOnPaper(job);
        RestorePrintFlags(m_doc, flags);
        return;
    }
    PrintOnPaper(job);
}

void PrintCommands::PrintOnPaper(const PrintJobOptions& job) {
    const std::vector<PrintPage> pages = PlanJobPages(m_doc, job);
    if (pages.empty())
        return;
    SetPrinterSheet(*m_printer, m_doc, pages.front());
    QPrintDialog printDialog(m_printer.get(), m_window);
    printDialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    printDialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    printDialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (printDialog.exec() != QDialog::Accepted)
        return;
    QString error;
    if (!PrintJobOnPrinter(m_doc, m_settings.ForPrinting(), *m_printer, false, &error, job))
        ReportError(error);
}

void PrintCommands::PrintPreview() {
    ShowPreview(m_window);
}

void PrintCommands::PrintSetup() {
    QPageSetupDialog dialog(m_printer.get(), m_window);
    dialog.exec();
}

void PrintCommands::ExportPdf() {
    QString suggestion = m_doc.PathName();
    suggestion = suggestion.isEmpty()
                     ? tr("Untitled.pdf")
                     : QFileInfo(suggestion).path() + u'/' +
                           QFileInfo(suggestion).completeBaseName() + QStringLiteral(".pdf");
    QString path = QFileDialog::getSaveFileName(m_window, tr("Export to PDF"), suggestion,
                                                tr("PDF files (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    QString error;
    if (!WriteLabelPdf(m_doc, m_settings.ForPrinting(), path, &error))
        ReportError(error);
}

void PrintCommands::ChangeLabelStock() {
    LabelStockDialog dialog(m_settings.m_dataFolders,
                            {&m_doc.DiscStock(), &m_doc.FrontStock(), &m_doc.BackStock()},
                            m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    ApplyLabelStocks(dialog.ChosenPath(0), dialog.ChosenPath(1), dialog.ChosenPath(2));
}

void PrintCommands::ApplyLabelStocks(const QString& disc, const QString& front,
                                     const QString& back) {
    ReadLabelStock(m_doc.DiscStock(), disc);
    ReadLabelStock(m_doc.FrontStock(), front);
    ReadLabelStock(m_doc.BackStock(), back);
    m_doc.ApplyLabelSizes();
    // Background pictures cover their faces again.
    for (int id = 0; id < kFaceCount; ++id) {
        Face& face = m_doc.GetFace(id);
        if (CImage* picture = face.Background()) {
            picture->m_x = 0;
            picture->m_y = 0;
            picture->m_width = face.m_width;
            picture->m_height = -face.m_height;
        }
    }
    // The chosen stocks become the defaults of new projects.
    m_settings.m_discStockPath =
        m_doc.DiscStock().path.isEmpty() ? m_settings.m_discStockPath : m_doc.DiscStock().path;
    m_settings.m_frontStockPath =
        m_doc.FrontStock().path.isEmpty() ? m_settings.m_frontStockPath : m_doc.FrontStock().path;
    m_settings.m_backStockPath =
        m_doc.BackStock().path.isEmpty() ? m_settings.m_backStockPath : m_doc.BackStock().path;
    m_view.RecordChange();
    m_view.OnUpdate();
    Q_EMIT LabelStocksChanged();
}

void PrintCommands::Settings() {
    SettingsDialog dialog(m_settings, m_window, QueuesWithDiscTray(kDiscTrayPageMm));
    connect(&dialog, &SettingsDialog::CalibrationRequested, this,
            [this] { PrintCalibrationSheet(); });
    connect(&dialog, &SettingsDialog::TrayAlignmentRequested, this,
            [this, &dialog](const QString& queue, TrayCorrection correction) {
                PrintTrayAlignment(queue, correction, &dialog);
            });
    dialog.exec();
}

void PrintCommands::PrintTrayAlignment(const QString& queue, const TrayCorrection& correction,
                                       QWidget* parent) {
    DiscTray tray;
    QString error;
    int job = 0;
    if (!FindDiscTray(queue, kDiscTrayPageMm, &tray, &error) ||
        !SendDiscTrayAlignment(tray, correction, &job, &error)) {
        QMessageBox::warning(parent, QStringLiteral("Lumvane"), error);
        return;
    }
    QMessageBox::information(
        parent, tr("Disc Tray Alignment"),
        tr("Job %1 was sent to the disc tray of %2. Read on the scales where the disc's centre "
           "lies, and add those numbers to the correction.")
            .arg(job)
            .arg(queue));
}

void PrintCommands::PrintCalibrationSheet() {
    LabelStock stock = m_doc.DiscStock();
    ReadLabelLayout(stock, stock.path);
    QPrintDialog printDialog(m_printer.get(), m_window);
    printDialog.setWindowTitle(tr("Print Calibration Sheet"));
    printDialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (printDialog.exec() != QDialog::Accepted)
        return;
    QString error;
    if (!PrintCalibrationSheetOn(*m_printer, stock, &error))
        ReportError(error);
}
