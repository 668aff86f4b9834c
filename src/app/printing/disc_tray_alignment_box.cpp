#include "disc_tray_alignment_box.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

namespace {

// Tenths of a millimetre shown as millimetres with one decimal.
QDoubleSpinBox* TenthsBox(QWidget* parent) {
    auto* box = new QDoubleSpinBox(parent);
    box->setDecimals(1);
    box->setSingleStep(0.1);
    box->setRange(-20.0, 20.0);
    box->setSuffix(QStringLiteral(" mm"));
    return box;
}

int Tenths(const QDoubleSpinBox* box) {
    return int(std::lround(box->value() * 10.0));
}

} // namespace

DiscTrayAlignmentBox::DiscTrayAlignmentBox(const TrayCorrections& corrections,
                                           const QStringList& queues, QWidget* parent)
    : QGroupBox(tr("Disc Tray"), parent), m_corrections(corrections) {
    setObjectName(QStringLiteral("DiscTrayAlignment"));
    m_queue = new QComboBox(this);
    m_queue->setObjectName(QStringLiteral("TrayQueue"));
    m_queue->setEditable(true); // a queue that is offline can still be named
    m_queue->setInsertPolicy(QComboBox::NoInsert);
    QStringList names = queues;
    for (const auto& [queue, correction] : m_corrections)
        if (!names.contains(queue))
            names << queue;
    m_queue->addItems(names);
    m_horizontal = TenthsBox(this);
    m_horizontal->setObjectName(QStringLiteral("TrayHorizontal"));
    m_vertical = TenthsBox(this);
    m_vertical->setObjectName(QStringLiteral("TrayVertical"));
    m_print = new QPushButton(tr("Print Disc Tray Alignment..."), this);
    m_print->setToolTip(tr("Prints circles and scales on a disc in the printer's tray, to read "
                           "how far the print lands from the disc's centre"));
    auto* hint = new QLabel(tr("Moves every disc printed in this printer's tray: positive values "
                               "move the print right and down. Add the numbers the alignment "
                               "print shows at the disc's centre."),
                            this);
    hint->setWordWrap(true);
    auto* form = new QFormLayout(this);
    form->addRow(tr("Printer"), m_queue);
    form->addRow(tr("Horizontal"), m_horizontal);
    form->addRow(tr("Vertical"), m_vertical);
    form->addRow(hint);
    form->addRow(m_print);
    connect(m_queue, &QComboBox::currentTextChanged, this, [this] {
        StoreFields();
        ShowQueue();
    });
    connect(m_print, &QPushButton::clicked, this, [this] {
        StoreFields();
        if (!m_shownQueue.isEmpty())
            Q_EMIT AlignmentRequested(m_shownQueue, m_corrections[m_shownQueue]);
    });
    ShowQueue();
}

void DiscTrayAlignmentBox::StoreFields() {
    if (m_shownQueue.isEmpty())
        return;
    const TrayCorrection correction{Tenths(m_horizontal), Tenths(m_vertical)};
    // A queue never corrected gets no section until it has a correction.
    if (m_corrections.count(m_shownQueue) != 0 || !(correction == TrayCorrection{}))
        m_corrections[m_shownQueue] = correction;
}

void DiscTrayAlignmentBox::ShowQueue() {
    m_shownQueue = m_queue->currentText().trimmed();
    const auto found = m_corrections.find(m_shownQueue);
    const TrayCorrection correction =
        found == m_corrections.end() ? TrayCorrection{} : found->second;
    m_horizontal->setValue(correction.horizontal / 10.0);
    m_vertical->setValue(correction.vertical / 10.0);
    const bool any = !m_shownQueue.isEmpty();
    m_horizontal->setEnabled(any);
    m_vertical->setEnabled(any);
    m_print->setEnabled(any);
}

TrayCorrections DiscTrayAlignmentBox::Corrections() {
    StoreFields();
    return m_corrections;
}
