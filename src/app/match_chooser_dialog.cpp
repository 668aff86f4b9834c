#include "match_chooser_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

CMatchChooserDialog::CMatchChooserDialog(const QString& caption, const QStringList& headers,
                                         const std::vector<QStringList>& rows, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(caption);
    setObjectName(QStringLiteral("MatchChooser"));

    m_list = new QTreeWidget(this);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setHeaderLabels(headers);
    for (const QStringList& row : rows)
        m_list->addTopLevelItem(new QTreeWidgetItem(row));
    m_list->header()->setStretchLastSection(true);
    for (int column = 0; column + 1 < headers.size(); ++column)
        m_list->resizeColumnToContents(column);
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
    // The list keeps Enter to itself only while editing, which it never does:
    // Enter reaches the default OK button. A double-click takes the row too.
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(tr("Several entries match the disc. Choose one:"), this);
    label->setBuddy(m_list);
    layout->addWidget(label);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    resize(560, 280);
    m_list->setFocus();
}

int CMatchChooserDialog::ChosenRow() const {
    if (result() != QDialog::Accepted)
        return -1;
    QTreeWidgetItem* item = m_list->currentItem();
    return item != nullptr ? m_list->indexOfTopLevelItem(item) : -1;
}
