#include "export_layout_dialog.h"

#include "document/face.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

ExportLayoutDialog::ExportLayoutDialog(QWidget* parent)
    : QDialog(parent), m_name(new QLineEdit(this)) {
    setWindowTitle(tr("Export Layout"));
    m_name->setObjectName(QStringLiteral("LayoutName"));

    auto* group = new QGroupBox(tr("Create Layout include "), this);
    auto* groupLayout = new QVBoxLayout(group);
    const char* const captions[] = {QT_TR_NOOP("&Disk"), QT_TR_NOOP("CD Jewel Case &Front"),
                                    QT_TR_NOOP("CD Jewel Case &Inside"),
                                    QT_TR_NOOP("CD Jewel Case &Back")};
    for (int id = 0; id < kFaceCount; ++id) {
        m_faces[size_t(id)] = new QCheckBox(tr(captions[id]), group);
        m_faces[size_t(id)]->setChecked(true);
        groupLayout->addWidget(m_faces[size_t(id)]);
    }

    auto* form = new QFormLayout;
    form->addRow(tr("Layout &Name:"), m_name);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &ExportLayoutDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ExportLayoutDialog::reject);
    // OK shows whether it can do anything.
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setEnabled(false);
    connect(m_name, &QLineEdit::textChanged, ok,
            [ok](const QString& text) { ok->setEnabled(!text.isEmpty()); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(group);
    layout->addWidget(buttons);
}

QString ExportLayoutDialog::LayoutName() const {
    return m_name->text();
}

bool ExportLayoutDialog::IsFaceChecked(int faceId) const {
    return m_faces[size_t(faceId)]->isChecked();
}

void ExportLayoutDialog::accept() {
    if (m_name->text().isEmpty())
        return;
    QDialog::accept();
}
