#pragma once

#include <QObject>

#include <memory>

class CDiscwrightDoc;
class CDiscwrightView;
class CommandRouter;
class QPrinter;
class QWidget;
struct AppSettings;
struct PrintJobOptions;
struct PrintSettings;
struct TrayCorrection;

// The window's printing and label stock commands: "Print..." (the Print
// dialog, then the printer dialog, then the sheets), "Print Preview...",
// "Print Setup...", "Export to PDF...", "Change Label Stock..." and
// "Settings..." with the calibration sheet. The commands keep one printer
// for the session, so the printer and paper chosen in Print Setup stay.
class PrintCommands : public QObject {
    Q_OBJECT
public:
    PrintCommands(CDiscwrightDoc& doc, CDiscwrightView& view, AppSettings& settings,
                  QWidget* window);
    ~PrintCommands() override;

    void Register(CommandRouter& router);

    void Print();
    void PrintPreview();
    void PrintSetup();
    void ExportPdf();
    // "Change Label Stock...": the chooser; on OK the faces take the new
    // stocks' sizes, background pictures follow, one undo step.
    void ChangeLabelStock();
    // Applies three chosen stock files (disc, front, back) to the project as
    // ChangeLabelStock does after OK.
    void ApplyLabelStocks(const QString& disc, const QString& front, const QString& back);
    void Settings();
    // Prints the calibration sheet for the disc stock on the session's printer.
    void PrintCalibrationSheet();
    // Prints the "Disc Tray Alignment" on the disc tray of `queue`.
    void PrintTrayAlignment(const QString& queue, const TrayCorrection& correction,
                            QWidget* parent);

    QPrinter& Printer() { return *m_printer; }

Q_SIGNALS:
    // The label stocks changed (the status bar shows the face's stock).
    void LabelStocksChanged();

private:
    void ShowPreview(QWidget* parent);
    // The kinds printed on paper: the printer dialog, then the sheets.
    void PrintOnPaper(const PrintJobOptions& job);
    void ReportError(const QString& text);

    CDiscwrightDoc& m_doc;
    CDiscwrightView& m_view;
    AppSettings& m_settings;
    QWidget* m_window;
    std::unique_ptr<QPrinter> m_printer;
};
