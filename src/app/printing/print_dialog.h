#pragma once

#include <QDialog>
#include <QStringList>

#include <array>

class CDiscwrightDoc;
class LabelStockPreview;
class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;
class QPushButton;
class QTabBar;
struct AppSettings;

// "Print": which face kinds to print, which labels of each sheet to use (by
// clicking them in the sheet drawn to scale: blue ones print) and whether to
// draw the label borders and the back insert's fold lines. Opening it takes
// the print and border choices from the settings' defaults; it changes only
// the project's records. "Next" goes on to the printer, "Preview..." shows
// the sheets as they will print.
//
// A disc on a disc-tray stock has no positions to choose: the Disc tab
// offers the printers whose queues have a disc tray and how many discs to
// print. A front stock without a label for the inside face says so and
// offers to print the inside on a second sheet.
class PrintDialog : public QDialog {
    Q_OBJECT
public:
    // `printer`: the session's printer, preferred for the disc tray when it
    // has one; `trayQueues`: the queues that have a disc tray for the disc
    // stock (asked of the print server only when the stock needs a tray).
    PrintDialog(CDiscwrightDoc& doc, const AppSettings& settings, QWidget* parent = nullptr,
                const QString& printer = {}, const QStringList& trayQueues = {});

    // The current tab: 0 disc, 1 front/inside, 2 back.
    void ShowTab(int kind);
    LabelStockPreview* Preview() const { return m_preview; }
    QTabBar* Tabs() const { return m_tabs; }
    QCheckBox* PrintBox(int kind) const { return m_printBoxes[size_t(kind)]; }
    QCheckBox* BorderBox() const { return m_border; }
    QCheckBox* FoldLinesBox() const { return m_foldLines; }
    QComboBox* TrayPrinter() const { return m_trayPrinter; }
    QSpinBox* Copies() const { return m_copies; }
    QLabel* TrayNote() const { return m_trayNote; }
    QCheckBox* InsideSecondSheet() const { return m_insideSheet; }
    QLabel* InsideNote() const { return m_insideNote; }
    // The choices the job takes beside the records.
    QString TrayQueue() const;
    int DiscCount() const;
    bool InsideOnSecondSheet() const;

Q_SIGNALS:
    // "Preview..." was pressed: show the sheets with the current choices.
    void PreviewRequested();

private:
    void BoxClicked();
    void UpdateSummary();
    void UpdateTrayAndInside();

    CDiscwrightDoc& m_doc;
    QTabBar* m_tabs = nullptr;
    LabelStockPreview* m_preview = nullptr;
    QLabel* m_stockName = nullptr;
    QLabel* m_summary = nullptr;
    std::array<QCheckBox*, 3> m_printBoxes{};
    QCheckBox* m_foldLines = nullptr;
    QCheckBox* m_border = nullptr;
    QPushButton* m_next = nullptr;
    QLabel* m_hint = nullptr;
    QWidget* m_trayBox = nullptr;
    QComboBox* m_trayPrinter = nullptr;
    QSpinBox* m_copies = nullptr;
    QLabel* m_trayNote = nullptr;
    QString m_printer;
    QCheckBox* m_insideSheet = nullptr;
    QLabel* m_insideNote = nullptr;
};
