#pragma once

#include "document/print_tray_alignment.h"

#include <QGroupBox>
#include <QStringList>

class QComboBox;
class QDoubleSpinBox;
class QPushButton;

// "Disc Tray" on the "Printer Alignment" page: for each printer queue, how
// far to move disc-tray prints, in tenths of a millimetre (right and down
// positive), and the "Disc Tray Alignment" print that shows how far off the
// tray is. The box edits a copy of the corrections; Corrections() gives them
// back for OK.
class DiscTrayAlignmentBox : public QGroupBox {
    Q_OBJECT
public:
    // `queues`: the queues with a disc tray, offered first.
    DiscTrayAlignmentBox(const TrayCorrections& corrections, const QStringList& queues,
                         QWidget* parent = nullptr);

    // The corrections with the fields' current values.
    TrayCorrections Corrections();

    QComboBox* Queue() const { return m_queue; }
    QDoubleSpinBox* Horizontal() const { return m_horizontal; }
    QDoubleSpinBox* Vertical() const { return m_vertical; }
    QPushButton* AlignmentButton() const { return m_print; }

Q_SIGNALS:
    // "Print Disc Tray Alignment..." for the queue, with the correction shown.
    void AlignmentRequested(const QString& queue, TrayCorrection correction);

private:
    void StoreFields();
    void ShowQueue();

    TrayCorrections m_corrections;
    QString m_shownQueue;
    QComboBox* m_queue = nullptr;
    QDoubleSpinBox* m_horizontal = nullptr;
    QDoubleSpinBox* m_vertical = nullptr;
    QPushButton* m_print = nullptr;
};
