#pragma once

#include <QString>
#include <QStringList>

// Where Lumvane keeps its files. Two layouts exist:
//
// - Portable: everything lives in the program folder (the build tree, an
//   unpacked folder, or the folder LUMVANE_HOME names). Chosen when
//   LUMVANE_HOME is set, or when the executable's folder holds the shipped
//   data ("label stock" beside it) and the program folder is writable.
// - Installed: the program folder is read-only and shared by users, so the
//   XDG base directories take over: the settings file in
//   $XDG_CONFIG_HOME/lumvane, the user's own data in $XDG_DATA_HOME/lumvane,
//   shipped data in each $XDG_DATA_DIRS entry + "/lumvane" (and, last, in
//   "share/lumvane" beside the executable's "bin" folder, so a prefix that is
//   not on XDG_DATA_DIRS still finds its data), recovery files in
//   $XDG_STATE_HOME/lumvane.
//
// Data folders are searched in order, the user's first, so a user's file
// wins over a shipped one of the same name.
struct AppPlaces {
    bool portable = true;
    QString executableFolder; // untrimmed (LUMVANE_HOME when set)
    QString programFolder;    // ExecutableFolder() less a build-type subfolder
    QString settingsFile;     // full path of "lumvanesetup.ini"
    QString userDataFolder;   // writable: new layouts, the user's stocks and art
    QStringList dataFolders;  // search order, userDataFolder first
    QString stateFolder;      // recovery files

    // The path of `relative` in the first data folder that holds it, or an
    // empty string when none does.
    QString FindDataFile(const QString& relative) const;
    // `relative` under every data folder, in search order (they may not exist).
    QStringList DataSubfolders(const QString& relative) const;
    // `relative` under the user's data folder: where new files of that kind go.
    QString UserDataPath(const QString& relative) const;
    // Whether `path` lies in the user's data folder (the user may delete it);
    // in the portable layout every data file is the user's.
    bool IsUserFile(const QString& path) const;
};

// The portable layout of the program whose executable lies in `executableFolder`.
AppPlaces PortablePlaces(const QString& executableFolder);
// The installed layout: XDG places from the environment, the shipped data
// beside `executableFolder` last.
AppPlaces InstalledPlaces(const QString& executableFolder);
// The layout this process uses, decided afresh from the environment and the
// executable's folder on each call (a few file-system checks).
AppPlaces CurrentPlaces();

// Whether the program in `executableFolder` runs portable without
// LUMVANE_HOME: its folder holds "label stock" and the program folder is
// writable (a read-only mount counts as not writable).
bool RunsPortable(const QString& executableFolder);

// The name of the settings file in either layout.
inline const QString kSettingsFileName = QStringLiteral("lumvanesetup.ini");
