#pragma once

#include <QDialog>

#include <array>

class CDiscwrightDoc;
class LabelStockPreview;
class QCheckBox;
class QLabel;
class QPushButton;
class QTabBar;
struct AppSettings;

// "Print": which face kinds to print, which labels of each sheet to use (by
// clicking them in the sheet drawn to scale: blue ones print) and whether to
// draw the label borders and the back insert's fold lines. Opening it takes
// the print and border choices from the settings' defaults; it changes only
// the project's records. "Next" goes on to the printer, "Preview..." shows
// the sheets as they will print.
class PrintDialog : public QDialog {
    Q_OBJECT
public:
    PrintDialog(CDiscwrightDoc& doc, const AppSettings& settings, QWidget* parent = nullptr);

    // The current tab: 0 disc, 1 front/inside, 2 back.
    void ShowTab(int kind);
    LabelStockPreview* Preview() const { return m_preview; }
    QTabBar* Tabs() const { return m_tabs; }
    QCheckBox* PrintBox(int kind) const { return m_printBoxes[size_t(kind)]; }
    QCheckBox* BorderBox() const { return m_border; }
    QCheckBox* FoldLinesBox() const { return m_foldLines; }

Q_SIGNALS:
    // "Preview..." was pressed: show the sheets with the current choices.
    void PreviewRequested();

private:
    void BoxClicked();
    void UpdateSummary();

    CDiscwrightDoc& m_doc;
    QTabBar* m_tabs = nullptr;
    LabelStockPreview* m_preview = nullptr;
    QLabel* m_stockName = nullptr;
    QLabel* m_summary = nullptr;
    std::array<QCheckBox*, 3> m_printBoxes{};
    QCheckBox* m_foldLines = nullptr;
    QCheckBox* m_border = nullptr;
    QPushButton* m_next = nullptr;
};
