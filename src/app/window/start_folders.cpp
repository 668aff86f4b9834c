#include "start_folders.h"

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
        QStringLiteral("Jpeg files (*.jpg *.jpeg)"), QStringLiteral("Gif files (*.gif)"),
        QStringLiteral("Bmp Files (*.bmp)"),         QStringLiteral("Png Files (*.png)"),
        QStringLiteral("Tiff files (*.tif *.tiff)"), QStringLiteral("Ico files (*.ico)"),
        QStringLiteral("Tga files (*.tga)"),         QStringLiteral("Pcx files (*.pcx)"),
        QStringLiteral("Wmf files (*.wmf)"),
    };
    // Every pattern of the formats above, in their order.
    QStringList patterns;
    for (const QString& filter : formats) {
        const qsizetype open = filter.indexOf(u'(');
        patterns += filter.mid(open + 1, filter.size() - open - 2).split(u' ');
    }
    QStringList filters;
    filters << QStringLiteral("All pictures (%1)").arg(patterns.join(u' '));
    filters << formats;
    filters << QStringLiteral("All files (*)");
    return filters;
}

QString ChoosePictureFile(QWidget* parent, const QString& projectPath, const QString& caption) {
    const QStringList filters = PictureFileFilters();
    QString selected = filters.front();
    const QString path = QFileDialog::getOpenFileName(
        parent, caption, DialogStartFolder(DialogKind::kPicture, projectPath),
        filters.join(QStringLiteral(";;")), &selected);
    RememberDialogFolder(DialogKind::kPicture, path);
    return path;
}
