#include "program_folder.h"

#include <QDir>
#include <QFileInfo>

QString ExecutableFolder() {
    const QString home = qEnvironmentVariable("LUMVANE_HOME");
    if (!home.isEmpty())
        return QDir::cleanPath(QDir(home).absolutePath());
    // /proc/self/exe works before (and without) a QCoreApplication.
    const QFileInfo exe(QStringLiteral("/proc/self/exe"));
    return exe.canonicalFilePath().isEmpty() ? QDir::currentPath()
                                             : QFileInfo(exe.canonicalFilePath()).absolutePath();
}

QString TrimBuildTypeFolder(QString folder) {
    if (folder.endsWith(QStringLiteral("/DEBUG")))
        folder.chop(6);
    if (folder.endsWith(QStringLiteral("/RELEASE")))
        folder.chop(8);
    return folder;
}

QString ProgramFolder() {
    return TrimBuildTypeFolder(ExecutableFolder());
}
