#pragma once

#include "labelstock/label_stock.h"

#include <QDialog>
#include <QStringList>

#include <array>

class LabelStockPreview;
class QLabel;
class QLineEdit;
class QListWidget;

// "Select Label Stock": a list of the three face kinds, the stocks of the
// chosen kind (filtered by what is typed: maker, product number, any part of
// the name), and the three sheets drawn to scale. The dialog works on copies
// of the records it is given, so Cancel leaves them as they were; after OK,
// ChosenPath() gives each kind's file.
class LabelStockDialog : public QDialog {
    Q_OBJECT
public:
    // `records`: the disc, front and back records, in that order.
    LabelStockDialog(const QStringList& dataFolders,
                     const std::array<const LabelStock*, 3>& records, QWidget* parent = nullptr);

    QString ChosenPath(int kindIndex) const { return m_records[size_t(kindIndex)].path; }

    // For tests and the window: the list of kinds, the filter and the stock list.
    QListWidget* KindList() const { return m_kinds; }
    QLineEdit* Filter() const { return m_filter; }
    QListWidget* StockList() const { return m_stocks; }
    LabelStockPreview* Preview(int kindIndex) const { return m_previews[size_t(kindIndex)]; }

private:
    void FillStockList();
    void ApplyFilter();
    void StockChosen();
    int Kind() const;

    QStringList m_dataFolders; // the user's stocks first, listed with the shipped ones
    std::array<LabelStock, 3> m_records;
    QListWidget* m_kinds = nullptr;
    QLineEdit* m_filter = nullptr;
    QListWidget* m_stocks = nullptr;
    QLabel* m_size = nullptr;
    std::array<LabelStockPreview*, 3> m_previews{};
};

// "Stock name - 120 x 120 mm": a stock list entry with the size of the first
// label of `kind` in `path` in whole millimetres (without size when it has none).
QString StockListText(const QString& path, const QString& kind);
