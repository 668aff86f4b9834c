#include "label_stock_dialog.h"

#include "label_stock_preview.h"
#include "labelstock/disc_tray_stock.h"
#include "labelstock/label_stock_library.h"
#include "platform/ini_document.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace {
const char* const kKindNames[3] = {QT_TRANSLATE_NOOP("LabelStockDialog", "Disc"),
                                   QT_TRANSLATE_NOOP("LabelStockDialog", "Front/Inside"),
                                   QT_TRANSLATE_NOOP("LabelStockDialog", "Back")};
const QString* const kKinds[3] = {&kDiscKind, &kFrontKind, &kBackKind};
} // namespace

QString StockListText(const QString& path, const QString& kind) {
    const QString name = IniDocument::Load(path).ReadString(u"general", u"name", QString(), 259);
    LabelStock probe(kind);
    ReadLabelStock(probe, path);
    if (probe.path.isEmpty())
        return name;
    // Hundredths of a millimetre shown to a tenth when not whole.
    auto mm = [](int v) {
        return v % 100 == 0 ? QString::number(v / 100) : QString::number(v / 100.0, 'f', 1);
    };
    const QString text =
        QStringLiteral("%1 - %2 x %3 mm").arg(name, mm(probe.labelWidth), mm(probe.labelHeight));
    // Printed straight onto a disc in the printer's tray, not on a sheet.
    return IsDiscTrayStock(probe)
               ? QCoreApplication::translate("LabelStockDialog", "%1 (disc tray)").arg(text)
               : text;
}

LabelStockDialog::LabelStockDialog(const QStringList& dataFolders,
                                   const std::array<const LabelStock*, 3>& records, QWidget* parent)
    : QDialog(parent),
      m_dataFolders(dataFolders), m_records{*records[0], *records[1], *records[2]} {
    setWindowTitle(tr("Select Label Stock"));
    setObjectName(QStringLiteral("SelectLabelStockDialog"));
    m_kinds = new QListWidget(this);
    m_kinds->setObjectName(QStringLiteral("KindList"));
    for (const char* name : kKindNames)
        m_kinds->addItem(tr(name));
    m_kinds->setMaximumWidth(130);
    m_filter = new QLineEdit(this);
    m_filter->setObjectName(QStringLiteral("StockFilter"));
    m_filter->setPlaceholderText(tr("Type a maker or product number to narrow the list"));
    m_filter->setClearButtonEnabled(true);
    m_stocks = new QListWidget(this);
    m_stocks->setObjectName(QStringLiteral("StockList"));
    m_stocks->setMinimumWidth(380);
    m_size = new QLabel(this);

    auto* previews = new QGridLayout;
    for (int k = 0; k < 3; ++k) {
        m_previews[size_t(k)] = new LabelStockPreview(this);
        m_previews[size_t(k)]->setObjectName(QStringLiteral("Preview%1").arg(k));
        previews->addWidget(new QLabel(tr(kKindNames[k]), this), 0, k, Qt::AlignHCenter);
        previews->addWidget(m_previews[size_t(k)], 1, k);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* top = new QGridLayout;
    top->addWidget(new QLabel(tr("Kind:"), this), 0, 0);
    top->addWidget(new QLabel(tr("Label stock:"), this), 0, 1);
    top->addWidget(m_kinds, 1, 0, 2, 1);
    top->addWidget(m_filter, 1, 1);
    top->addWidget(m_stocks, 2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(previews, 1);
    layout->addWidget(buttons);
    resize(640, 600);

    for (int k = 0; k < 3; ++k)
        m_previews[size_t(k)]->ShowLabelStock(m_records[size_t(k)].path, &m_records[size_t(k)]);
    connect(m_kinds, &QListWidget::currentRowChanged, this, [this] { FillStockList(); });
    connect(m_filter, &QLineEdit::textChanged, this, [this] { ApplyFilter(); });
    connect(m_stocks, &QListWidget::currentItemChanged, this, [this] { StockChosen(); });
    m_kinds->setCurrentRow(0);
    m_filter->setFocus();
}

int LabelStockDialog::Kind() const {
    return std::clamp(m_kinds->currentRow(), 0, 2);
}

void LabelStockDialog::FillStockList() {
    const int kind = Kind();
    const QString current = m_records[size_t(kind)].path;
    {
        // Refilling is no choice of the user's; the record keeps its stock.
        const QSignalBlocker block(m_stocks);
        m_stocks->clear();
        QListWidgetItem* match = nullptr;
        for (const QString& path :
             ListLabelStocks(LabelStockFolders(m_dataFolders, *kKinds[kind]))) {
            auto* item = new QListWidgetItem(StockListText(path, *kKinds[kind]), m_stocks);
            item->setData(Qt::UserRole, path);
            item->setToolTip(path);
            // The first entry whose path begins with the record's path.
            if (!match && !current.isEmpty() && path.startsWith(current))
                match = item;
        }
        m_stocks->setCurrentItem(match);
    }
    // Outside the blocker: a filter that leaves one entry chooses it, and
    // the record must take that choice as it does a click.
    ApplyFilter();
}

void LabelStockDialog::ApplyFilter() {
    // Every typed word must appear in the entry's text or file name.
    const QStringList words = m_filter->text().split(u' ', Qt::SkipEmptyParts);
    for (int i = 0; i < m_stocks->count(); ++i) {
        QListWidgetItem* item = m_stocks->item(i);
        const QString haystack = item->text() + u' ' + item->data(Qt::UserRole).toString();
        bool shown = true;
        for (const QString& word : words)
            shown = shown && haystack.contains(word, Qt::CaseInsensitive);
        item->setHidden(!shown);
    }
    // With one entry left, it is the choice.
    QListWidgetItem* only = nullptr;
    int visible = 0;
    for (int i = 0; i < m_stocks->count(); ++i)
        if (!m_stocks->item(i)->isHidden()) {
            only = m_stocks->item(i);
            ++visible;
        }
    if (visible == 1 && m_stocks->currentItem() != only)
        m_stocks->setCurrentItem(only);
}

void LabelStockDialog::StockChosen() {
    QListWidgetItem* item = m_stocks->currentItem();
    if (!item)
        return;
    const int kind = Kind();
    LabelStock& record = m_records[size_t(kind)];
    m_previews[size_t(kind)]->ShowLabelStock(item->data(Qt::UserRole).toString(), &record);
}
