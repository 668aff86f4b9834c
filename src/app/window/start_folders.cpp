#include "start_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

QString ProfileKey(DialogKind kind) {
    return kind == DialogKind::kPicture ? QStringLiteral("Folders/Pictures")
                                        : QStringLiteral("Folders/Projects");
}

} // namespace

QString DialogStartFolder(DialogKind kind, const QString& projectPath) {
    if (!projectPath.isEmpty()) {
        const QString folder = QFileInfo(projectPath).absolutePath();
        if (QFileInfo(folder).isDir())
            return folder;
    }
    const QString remembered = QSettings().value(ProfileKey(kind)).toString();
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir())
        return remembered;
    const QString standard = QStandardPaths::writableLocation(
        kind == DialogKind::kPicture ? QStandardPaths::PicturesLocation
                                     : QStandardPaths::DocumentsLocation);
    if (!standard.isEmpty() && QFileInfo(standard).isDir())
        return standard;
    return QDir::homePath();
}

void RememberDialogFolder(DialogKind kind, const QString& chosenFile) {
    if (chosenFile.isEmpty())
        return;
    QSettings().setValue(ProfileKey(kind), QFileInfo(chosenFile).absolutePath());
}

QStringList PictureFileFilters() {
    const QStringList formats = {
        QCoreApplication::translate("StartFolders", "Jpeg files (*.jpg *.jpeg)"),
        QCoreApplication::translate("StartFolders", "Gif files (*.gif)"),
        QCoreApplication::translate("StartFolders", "Bmp Files (*.bmp)"),
        QCoreApplication::translate("StartFolders", "Png Files (*.png)"),
        QCoreApplication::translate("StartFolders", "Tiff files (*.tif *.tiff)"),
        QCoreApplication::translate("StartFolders", "Ico files (*.ico)"),
        QCoreApplication::translate("StartFolders", "Tga files (*.tga)"),
        QCoreApplication::translate("StartFolders", "Pcx files (*.pcx)"),
        QCoreApplication::translate("StartFolders", "Wmf files (*.wmf)"),
    };
    // Every pattern of the formats above, in their order.
    QStringList patterns;
    for (const QString& filter : formats) {
        const qsizetype open = filter.indexOf(u'(');
        patterns += filter.mid(open + 1, filter.size() - open - 2).split(u' ');
    }
    QStringList filters;
    filters << QCoreApplication::translate("StartFolders", "All pictures (%1)")
                   .arg(patterns.join(u' '));
    filters << formats;
    filters << QCoreApplication::translate("StartFolders", "All files (*)");
    return filters;
}

QString ChoosePictureFile(QWidget* parent, const QString& projectPath, const QString& caption) {
    const QStringList filters = PictureFileFilters();
    QString selected = filters.front();
    const QString path = QFileDialog::getOpenFileName(
        parent,
        caption.isEmpty() ? QCoreApplication::translate("StartFolders", "Import Image Files")
                          : caption,
        DialogStartFolder(DialogKind::kPicture, projectPath), filters.join(QStringLiteral(";;")),
        &selected);
    RememberDialogFolder(DialogKind::kPicture, path);
    return path;
}
