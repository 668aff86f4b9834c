#include "print_dialog.h"

#include "app/app_settings.h"
#include "document/discwright_doc.h"
#include "document/print_job.h"
#include "label_stock_preview.h"
#include "labelstock/disc_tray_stock.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QVBoxLayout>

PrintDialog::PrintDialog(CDiscwrightDoc& doc, const AppSettings& settings, QWidget* parent,
                         const QString& printer, const QStringList& trayQueues)
    : QDialog(parent), m_doc(doc), m_printer(printer) {
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
    m_hint = hint;

    // The disc tray: which printer, how many discs.
    m_trayBox = new QWidget(this);
    m_trayPrinter = new QComboBox(m_trayBox);
    m_trayPrinter->setObjectName(QStringLiteral("TrayPrinter"));
    m_trayPrinter->addItems(trayQueues);
    if (const int at = trayQueues.indexOf(printer); at >= 0)
        m_trayPrinter->setCurrentIndex(at);
    m_copies = new QSpinBox(m_trayBox);
    m_copies->setObjectName(QStringLiteral("Copies"));
    m_copies->setRange(1, 999);
    m_trayNote = new QLabel(m_trayBox);
    m_trayNote->setObjectName(QStringLiteral("TrayNote"));
    m_trayNote->setWordWrap(true);
    auto* trayForm = new QFormLayout(m_trayBox);
    trayForm->setContentsMargins(0, 0, 0, 0);
    trayForm->addRow(tr("Printer with disc tray"), m_trayPrinter);
    trayForm->addRow(tr("Discs"), m_copies);
    trayForm->addRow(m_trayNote);
    if (trayQueues.isEmpty())
        m_trayNote->setText(tr("No printer here has a disc tray for this disc. Choose a stock "
                               "for sheets, or set up the printer's queue with its driver."));
    else if (!printer.isEmpty() && !trayQueues.contains(printer))
        m_trayNote->setText(tr("%1 has no disc tray; the disc goes to one of the printers "
                               "that have one. The other kinds print on %1.")
                                .arg(printer));
    else
        m_trayNote->setText(tr("Each disc is one page of one job; put a disc in the tray for "
                               "each."));

    // A front stock with one label has no room for the inside face.
    m_insideNote = new QLabel(tr("The inside face will not be printed with this stock."), this);
    m_insideNote->setObjectName(QStringLiteral("InsideNote"));
    m_insideNote->setWordWrap(true);
    m_insideSheet = new QCheckBox(tr("Print the inside face on a second sheet"), this);
    m_insideSheet->setObjectName(QStringLiteral("InsideSecondSheet"));
    connect(m_insideSheet, &QCheckBox::clicked, this, &PrintDialog::UpdateSummary);

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
    side->addSpacing(8);
    side->addWidget(m_trayBox);
    side->addWidget(m_insideNote);
    side->addWidget(m_insideSheet);
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

void PrintDialog::UpdateTrayAndInside() {
    const int kind = m_tabs->currentIndex();
    const bool tray = kind == int(StockKind::Disc) && IsDiscTrayStock(m_doc.DiscStock());
    // A tray holds one disc: there are no positions to choose.
    m_preview->SetClickable(!tray);
    m_hint->setVisible(!tray);
    m_trayBox->setVisible(tray);
    m_trayBox->setEnabled(m_doc.DiscStock().printThisKind != 0);
    const bool insideLeftOut = kind == int(StockKind::Front) && InsideFaceLeftOut(m_doc);
    m_insideNote->setVisible(insideLeftOut);
    m_insideSheet->setVisible(insideLeftOut);
}

QString PrintDialog::TrayQueue() const {
    return m_trayPrinter->currentText();
}

int PrintDialog::DiscCount() const {
    return m_copies->value();
}

bool PrintDialog::InsideOnSecondSheet() const {
    return m_insideSheet->isChecked() && InsideFaceLeftOut(m_doc);
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
    UpdateTrayAndInside();
    PrintJobOptions job;
    job.insideOnSecondSheet = InsideOnSecondSheet();
    const size_t pages = PlanJobPages(m_doc, job).size();
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
    // A tray disc needs a printer with a tray.
    m_next->setEnabled(pages != 0 && (!PrintsOnDiscTray(m_doc) || m_trayPrinter->count() > 0));
}
