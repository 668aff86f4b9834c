#include "app_places.h"

#include "program_folder.h"

#include <QDir>
#include <QFileInfo>

#include <unistd.h>

namespace {

const QString kAppFolder = QStringLiteral("/lumvane");

// An XDG base directory: the variable when it holds an absolute path (a
// relative one is ignored, as desktops do), else `fallback` under the home folder.
QString XdgHome(const char* variable, const QString& fallback) {
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return QDir::cleanPath(value);
    return QDir::cleanPath(QDir::homePath() + u'/' + fallback);
}

QStringList XdgDataDirs() {
    QStringList dirs;
    for (const QString& entry :
         qEnvironmentVariable("XDG_DATA_DIRS").split(u':', Qt::SkipEmptyParts))
        if (QDir::isAbsolutePath(entry))
            dirs.append(QDir::cleanPath(entry));
    if (dirs.isEmpty())
        dirs = {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")};
    return dirs;
}

bool IsInside(const QString& path, const QString& folder) {
    const QString clean = QDir::cleanPath(path);
    return clean == folder || clean.startsWith(folder + u'/');
}

} // namespace

QString AppPlaces::FindDataFile(const QString& relative) const {
    for (const QString& folder : dataFolders) {
        const QString path = folder + u'/' + relative;
        if (QFileInfo::exists(path))
            return path;
    }
    return {};
}

QStringList AppPlaces::DataSubfolders(const QString& relative) const {
    QStringList folders;
    for (const QString& folder : dataFolders)
        folders.append(folder + u'/' + relative);
    return folders;
}

QString AppPlaces::UserDataPath(const QString& relative) const {
    return userDataFolder + u'/' + relative;
}

bool AppPlaces::IsUserFile(const QString& path) const {
    return portable || IsInside(path, userDataFolder);
}

AppPlaces PortablePlaces(const QString& executableFolder) {
    AppPlaces places;
    places.portable = true;
    places.executableFolder = executableFolder;
    places.programFolder = TrimBuildTypeFolder(executableFolder);
    places.settingsFile = places.programFolder + u'/' + kSettingsFileName;
    places.userDataFolder = places.programFolder;
    places.dataFolders = {places.programFolder};
    // A build-type subfolder keeps the label stocks beside the executable.
    if (executableFolder != places.programFolder)
        places.dataFolders.append(executableFolder);
    // Beside the data, so a portable folder carried elsewhere keeps its
    // unsaved work with it; the folder is writable by the choice of layout.
    places.stateFolder = places.programFolder + QStringLiteral("/recovery");
    return places;
}

AppPlaces InstalledPlaces(const QString& executableFolder) {
    AppPlaces places;
    places.portable = false;
    places.executableFolder = executableFolder;
    places.programFolder = TrimBuildTypeFolder(executableFolder);
    places.settingsFile = XdgHome("XDG_CONFIG_HOME", QStringLiteral(".config")) + kAppFolder +
                          u'/' + kSettingsFileName;
    places.userDataFolder = XdgHome("XDG_DATA_HOME", QStringLiteral(".local/share")) + kAppFolder;
    places.dataFolders = {places.userDataFolder};
    QStringList shipped;
    for (const QString& dir : XdgDataDirs())
        shipped.append(dir + kAppFolder);
    // A prefix outside XDG_DATA_DIRS (/opt/lumvane, a test's DESTDIR) still
    // finds the data it was installed with.
    shipped.append(QDir::cleanPath(executableFolder + QStringLiteral("/../share/lumvane")));
    for (const QString& folder : shipped)
        if (!places.dataFolders.contains(folder))
            places.dataFolders.append(folder);
    places.stateFolder = XdgHome("XDG_STATE_HOME", QStringLiteral(".local/state")) + kAppFolder;
    return places;
}

bool RunsPortable(const QString& executableFolder) {
    if (!QFileInfo(executableFolder + QStringLiteral("/label stock")).isDir())
        return false;
    // access() asks the kernel, which also knows about read-only mounts.
    const QByteArray program = QFile::encodeName(TrimBuildTypeFolder(executableFolder));
    return ::access(program.constData(), W_OK) == 0;
}

AppPlaces CurrentPlaces() {
    const QString executable = ExecutableFolder();
    if (!qEnvironmentVariableIsEmpty("LUMVANE_HOME") || RunsPortable(executable))
        return PortablePlaces(executable);
    return InstalledPlaces(executable);
}
