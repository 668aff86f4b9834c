#include "file_prompts.h"

#include <QFileDialog>
#include <QMessageBox>

FilePrompts FilePrompts::Interactive() {
    FilePrompts prompts;
    prompts.askToSave = [](QWidget* parent, const QString& name) {
        const auto answer = QMessageBox::question(
            parent, QStringLiteral("Lumvane"), QStringLiteral("Save changes to %1?").arg(name),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
        switch (answer) {
        case QMessageBox::Save:
            return SaveAnswer::kSave;
        case QMessageBox::Discard:
            return SaveAnswer::kDiscard;
        default:
            return SaveAnswer::kCancel;
        }
    };
    prompts.chooseFileToOpen = [](QWidget* parent) {
        return QFileDialog::getOpenFileName(parent, QStringLiteral("Open"), QString(),
                                            kProjectFilter);
    };
    prompts.chooseFileToSave = [](QWidget* parent, const QString& suggested) {
        // With the default suffix the dialog asks about overwriting under the
        // name the file will really get.
        QFileDialog dialog(parent, QStringLiteral("Save As"), suggested, kProjectFilter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("dwp"));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    };
    prompts.showError = [](QWidget* parent, const QString& text) {
        QMessageBox::warning(parent, QStringLiteral("Lumvane"), text);
    };
    return prompts;
}
