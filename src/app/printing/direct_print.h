#pragma once

#include <QString>

// The start-up print paths: prints project `path` with its own label choices
// and the settings' defaults on the default printer (empty `printer`) or on
// the named one, through the same printer output as the window, without
// showing a window. Needs a QApplication. Returns the exit status; failures
// are one line on stderr.
int PrintProjectDirectly(const QString& path, const QString& printer);
