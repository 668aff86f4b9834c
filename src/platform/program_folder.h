#pragma once

#include <QString>

// Where the program keeps its own files: the settings file, the label stock
// library, layouts and the gallery. It is the folder of the executable, or the
// folder named by the environment variable LUMVANE_HOME when that is set (tests
// and portable installs use it).

// The folder of the executable (or LUMVANE_HOME), without a trailing slash.
QString ExecutableFolder();

// ExecutableFolder() with a trailing "/DEBUG" and then a trailing "/RELEASE"
// cut off (each case-sensitive), so a build-type subfolder shares the settings
// of the folder above it.
QString ProgramFolder();

// The trimming rule of ProgramFolder() applied to any folder path.
QString TrimBuildTypeFolder(QString folder);
