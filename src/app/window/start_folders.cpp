#include "start_folders.h"

#include "imaging/image_codec.h"

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
    // One filter per kind of file the picture loaders read, and every
    // pattern of them, in their order, for "All pictures".
    QStringList formats;
    QStringList patterns;
    for (const PictureFileKind& kind : PictureFileKinds()) {
        QStringList own;
        for (const char* extension : kind.extensions) {
            if (extension != nullptr)
                own << QStringLiteral("*.") + QLatin1String(extension);
        }
        formats << QCoreApplication::translate("StartFolders", "%1 files (%2)")
                       .arg(QLatin1String(kind.name), own.join(u' '));
        patterns += own;
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
