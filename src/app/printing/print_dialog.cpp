#include "print_dialog.h"

#include "document/discwright_doc.h"
#include "document/print_plan.h"
#include "label_stock_preview.h"
#include "settings/app_settings.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

PrintDialog::PrintDialog(CDiscwrightDoc& doc, const AppSettings& settings, QWidget* parent)
    : QDialog(parent), m_doc(doc) {
    setWindowTitle(tr("Print"));
    setObjectName(QStringLiteral("PrintDialog"));
    m_tabs = new QTabBar(this);
    for (const char* name : {QT_TR_NOOP("Disc"), QT_TR_NOOP("Front/Inside"), QT_TR_NOOP("Back")})
        m_tabs->addTab(tr(name));
    m_preview = new LabelStockPreview(this);
    m_preview->setObjectName(QStringLiteral("PrintPreviewSheet"));
    m_preview->SetClickable(true);
    m_preview->setMinimumSize(230, 300);
    m_stockName = new QLabel(this);
    m_stockName->setObjectName(QStringLiteral("StockName"));
    m_stockName->setWordWrap(true);
    const char* const boxNames[3] = {QT_TR_NOOP("Print Disk"), QT_TR_NOOP("Print Front/Inside"),
                                     QT_TR_NOOP("Print Back")};
    for (int k = 0; k < 3; ++k)
        m_printBoxes[size_t(k)] = new QCheckBox(tr(boxNames[k]), this);
    m_foldLines = new QCheckBox(tr("Print fold lines"), this);
    m_foldLines->setToolTip(tr("The back insert's spine folds, 8 mm inside its sides"));
    m_border = new QCheckBox(tr("Print border"), this);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("PageSummary"));
    auto* hint = new QLabel(
        tr("Click on labels to use(The labels displayed in blue will be printed)"), this);
    hint->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(this);
    m_next = buttons->addButton(tr("Next"), QDialogButtonBox::AcceptRole);
    m_next->setDefault(true);
    QPushButton* preview = buttons->addButton(tr("Preview..."), QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(m_next, &QPushButton::clicked, this, &QDialog::accept);
    connect(preview, &QPushButton::clicked, this, &PrintDialog::PreviewRequested);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* side = new QVBoxLayout;
    side->addWidget(m_stockName);
    side->addSpacing(8);
    for (QCheckBox* box : m_printBoxes)
        side->addWidget(box);
    side->addSpacing(8);
    side->addWidget(m_foldLines);
    side->addWidget(m_border);
    side->addStretch(1);
    side->addWidget(m_summary);
    auto* body = new QHBoxLayout;
    body->addWidget(m_preview, 1);
    body->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(body, 1);
    layout->addWidget(hint);
    layout->addWidget(buttons);

    // Each opening starts from the settings' defaults for a new job.
    const int defaults[3] = {settings.m_printDisc, settings.m_printFrontInside,
                             settings.m_printBack};
    for (int k = 0; k < kStockKindCount; ++k) {
        LabelStock& stock = StockOfKind(m_doc, StockKind(k));
        stock.printThisKind = defaults[k];
        stock.printBorder = settings.m_printBorder;
        stock.printedInThisJob = 0;
        m_printBoxes[size_t(k)]->setChecked(defaults[k] != 0);
        connect(m_printBoxes[size_t(k)], &QCheckBox::clicked, this, &PrintDialog::BoxClicked);
    }
    PrepareLabelPositions(m_doc);
    connect(m_border, &QCheckBox::clicked, this, &PrintDialog::BoxClicked);
    connect(m_foldLines, &QCheckBox::clicked, this, &PrintDialog::BoxClicked);
    connect(m_tabs, &QTabBar::currentChanged, this, &PrintDialog::ShowTab);
    connect(m_preview, &LabelStockPreview::LabelsToggled, this, &PrintDialog::UpdateSummary);
    ShowTab(0);
}

void PrintDialog::ShowTab(int kind) {
    if (m_tabs->currentIndex() != kind) {
        m_tabs->setCurrentIndex(kind); // comes back here
        return;
    }
    LabelStock& stock = StockOfKind(m_doc, StockKind(kind));
    m_preview->ShowLabelStock(stock.path, &stock);
    m_stockName->setText(stock.name);
    m_border->setChecked(stock.printBorder != 0);
    m_foldLines->setChecked(stock.printFoldLines != 0);
    // Only the back insert has fold lines.
    m_foldLines->setEnabled(StockKind(kind) == StockKind::Back);
    UpdateSummary();
}

void PrintDialog::BoxClicked() {
    for (int k = 0; k < kStockKindCount; ++k)
        StockOfKind(m_doc, StockKind(k)).printThisKind = m_printBoxes[size_t(k)]->isChecked();
    LabelStock& current = StockOfKind(m_doc, StockKind(m_tabs->currentIndex()));
    current.printBorder = m_border->isChecked();
    current.printFoldLines = m_foldLines->isChecked();
    m_preview->update();
    UpdateSummary();
}

void PrintDialog::UpdateSummary() {
    const size_t pages = PlanPrintPages(m_doc).size();
    int labels = 0;
    for (int k = 0; k < kStockKindCount; ++k) {
        const LabelStock& stock = StockOfKind(m_doc, StockKind(k));
        if (stock.printThisKind)
            labels += int(UsableSlots(stock).size());
    }
    const QString sheetCount = pages == 1 ? tr("1 sheet") : tr("%1 sheets").arg(pages);
    const QString labelCount = labels == 1 ? tr("1 label") : tr("%1 labels").arg(labels);
    m_summary->setText(pages == 0 ? tr("Nothing to print")
                                  : tr("%1, %2", "sheets, labels").arg(sheetCount, labelCount));
    m_next->setEnabled(pages != 0);
}
