#include "print_commands.h"

#include "app/settings/settings_dialog.h"
#include "app/window/command_router.h"
#include "calibration_sheet.h"
#include "document/discwright_doc.h"
#include "document/print_pdf.h"
#include "label_stock_dialog.h"
#include "print_dialog.h"
#include "printer_output.h"
#include "settings/app_settings.h"
#include "view/command_ids.h"
#include "view/discwright_view.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

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
    PrintDialog dialog(m_doc, m_settings, m_window);
    connect(&dialog, &PrintDialog::PreviewRequested, this, [&] { ShowPreview(&dialog); });
    if (dialog.exec() != QDialog::Accepted)
        return;
    PrepareLabelPositions(m_doc);
    const std::vector<PrintPage> pages = PlanPrintPages(m_doc);
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
    if (!PrintJobOnPrinter(m_doc, m_settings.ForPrinting(), *m_printer, false, &error))
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
    SettingsDialog dialog(m_settings, m_window);
    connect(&dialog, &SettingsDialog::CalibrationRequested, this,
            [this] { PrintCalibrationSheet(); });
    dialog.exec();
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
