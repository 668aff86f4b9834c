#include "export_layout_dialog.h"

#include "document/face.h"
#include "document/layout_file.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char* const kCaptions[] = {QT_TRANSLATE_NOOP("ExportLayoutDialog", "&Disk"),
                                 QT_TRANSLATE_NOOP("ExportLayoutDialog", "CD Jewel Case &Front"),
                                 QT_TRANSLATE_NOOP("ExportLayoutDialog", "CD Jewel Case &Inside"),
                                 QT_TRANSLATE_NOOP("ExportLayoutDialog", "CD Jewel Case &Back")};

} // namespace

ExportLayoutDialog::ExportLayoutDialog(QWidget* parent)
    : QDialog(parent), m_name(new QLineEdit(this)) {
    setWindowTitle(tr("Export Layout"));
    m_name->setObjectName(QStringLiteral("LayoutName"));

    auto* group = new QGroupBox(tr("Create Layout include "), this);
    auto* groupLayout = new QVBoxLayout(group);
    for (int id = 0; id < kFaceCount; ++id) {
        m_faces[size_t(id)] = new QCheckBox(tr(kCaptions[id]), group);
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

    m_inform = [this](const QString& text) { QMessageBox::information(this, windowTitle(), text); };

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

QString ExportLayoutDialog::FaceCaption(int faceId) {
    if (faceId < 0 || faceId >= kFaceCount)
        return {};
    return tr(kCaptions[faceId]).remove(QLatin1Char('&'));
}

void ExportLayoutDialog::accept() {
    if (m_name->text().isEmpty())
        return;
    // The name becomes a file in the layout folder, never a path.
    if (!IsLayoutName(m_name->text())) {
        if (m_inform)
            m_inform(tr("A layout name is a file name: it may not contain \"/\" or start with "
                        "\".\"."));
        m_name->setFocus();
        return;
    }
    QDialog::accept();
}
