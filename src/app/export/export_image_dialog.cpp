#include "export_image_dialog.h"

#include "document/face.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

ExportImageDialog::ExportImageDialog(const QString& folder, QWidget* parent)
    : QDialog(parent), m_name(new QLineEdit(this)), m_folder(new QLineEdit(folder, this)),
      m_format(new QComboBox(this)), m_resolution(new QComboBox(this)) {
    setWindowTitle(tr("Export Image"));
    m_name->setObjectName(QStringLiteral("ImageName"));
    m_folder->setObjectName(QStringLiteral("ExportDirectory"));

    auto* browse = new QPushButton(QStringLiteral("..."), this);
    browse->setObjectName(QStringLiteral("ChooseDirectory"));
    browse->setFixedWidth(32);
    connect(browse, &QPushButton::clicked, this, &ExportImageDialog::ChooseFolder);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(m_folder, 1);
    folderRow->addWidget(browse);

    auto* group = new QGroupBox(tr("Create Image Include"), this);
    auto* groupLayout = new QVBoxLayout(group);
    const char* const captions[] = {QT_TR_NOOP("&Disk"), QT_TR_NOOP("CD Jewel Case &Front"),
                                    QT_TR_NOOP("CD Jewel Case &Inside"),
                                    QT_TR_NOOP("CD Jewel Case &Back")};
    for (int id = 0; id < kFaceCount; ++id) {
        m_faces[size_t(id)] = new QCheckBox(tr(captions[id]), group);
        groupLayout->addWidget(m_faces[size_t(id)]);
    }

    m_format->addItem(tr("JPEG picture (*.jpg)"), int(FaceImageFormat::kJpeg));
    m_format->addItem(tr("PNG picture, transparent disc corners (*.png)"),
                      int(FaceImageFormat::kPng));
    m_resolution->addItem(tr("Screen size (96 dpi)"), 96);
    m_resolution->addItem(tr("Print shop (300 dpi)"), 300);
    m_resolution->addItem(tr("High quality print (600 dpi)"), 600);

    auto* form = new QFormLayout;
    form->addRow(tr("Image &Name:"), m_name);
    // A row holding a layout gets no buddy of its own; the label needs one.
    auto* folderLabel = new QLabel(tr("Export &Directory:"), this);
    folderLabel->setBuddy(m_folder);
    form->addRow(folderLabel, folderRow);
    form->addRow(tr("F&ormat:"), m_format);
    form->addRow(tr("&Resolution:"), m_resolution);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &ExportImageDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ExportImageDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(group);
    layout->addWidget(buttons);

    m_inform = [this](const QString& text) { QMessageBox::information(this, windowTitle(), text); };
}

QString ExportImageDialog::ImageName() const {
    return m_name->text();
}

QString ExportImageDialog::Folder() const {
    return m_folder->text();
}

bool ExportImageDialog::IsFaceChecked(int faceId) const {
    return m_faces[size_t(faceId)]->isChecked();
}

FaceExportOptions ExportImageDialog::Options() const {
    FaceExportOptions options;
    options.format = FaceImageFormat(m_format->currentData().toInt());
    options.dpi = m_resolution->currentData().toInt();
    return options;
}

QString ExportImageDialog::Problem() const {
    if (ImageName().isEmpty())
        return tr("You must input image name.");
    bool any = false;
    for (int id = 0; id < kFaceCount; ++id)
        any = any || IsFaceChecked(id);
    if (!any)
        return tr("You must select a cover image to export.");
    if (Folder().isEmpty())
        return tr("You must input export path.");
    return {};
}

void ExportImageDialog::accept() {
    const QString problem = Problem();
    if (!problem.isEmpty()) {
        if (m_inform)
            m_inform(problem);
        return;
    }
    QDialog::accept();
}

void ExportImageDialog::ChooseFolder() {
    const QString chosen = QFileDialog::getExistingDirectory(this, tr("Select a Directory:"),
                                                             Folder(), QFileDialog::ShowDirsOnly);
    if (!chosen.isEmpty())
        m_folder->setText(chosen);
}
