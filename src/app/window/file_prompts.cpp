#include "file_prompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

QString ProjectFilter() {
    return QCoreApplication::translate("FilePrompts", "Lumvane files(*.dwp)");
}

FilePrompts FilePrompts::Interactive() {
    FilePrompts prompts;
    prompts.askToSave = [](QWidget* parent, const QString& name) {
        const auto answer = QMessageBox::question(
            parent, QStringLiteral("Lumvane"),
            QCoreApplication::translate("FilePrompts", "Save changes to %1?").arg(name),
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
    prompts.chooseFileToOpen = [](QWidget* parent, const QString& folder) {
        return QFileDialog::getOpenFileName(
            parent, QCoreApplication::translate("FilePrompts", "Open"), folder, ProjectFilter());
    };
    prompts.chooseFileToSave = [](QWidget* parent, const QString& suggested) {
        // With the default suffix the dialog asks about overwriting under the
        // name the file will really get.
        QFileDialog dialog(parent, QCoreApplication::translate("FilePrompts", "Save As"), suggested,
                           ProjectFilter());
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("dwp"));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    };
    prompts.showError = [](QWidget* parent, const QString& text, const QString& details) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Lumvane"), text, QMessageBox::Ok,
                        parent);
        box.setDetailedText(details);
        box.exec();
    };
    return prompts;
}

OpenFailureMessage DescribeOpenNotes(const QString& path, const QStringList& notes) {
    return {QCoreApplication::translate("FilePrompts",
                                        "%1 was opened, but parts of it could not be read "
                                        "and are left empty.")
                .arg(QFileInfo(path).fileName()),
            notes.join(QLatin1Char('\n'))};
}

OpenFailureMessage DescribeOpenFailure(const QString& path, const QString& error,
                                       bool notAProject) {
    if (notAProject)
        return {QCoreApplication::translate("FilePrompts",
                                            "%1 is not a Lumvane project, or it is damaged.")
                    .arg(QFileInfo(path).fileName()),
                error};
    return {QCoreApplication::translate("FilePrompts", "Could not open \"%1\".\n%2")
                .arg(QDir::toNativeSeparators(path), error),
            QString()};
}
