#pragma once

#include <QString>

class QWidget;

// The support file "lumvanesupport.ini" in the program folder names where
// the Help menu and the About box point: the manual, the home page, the
// support address and the About box's title line. Each value is read when
// it is needed, so a packager's edit takes effect without a restart.
namespace SupportLinks {

inline constexpr int kMaxValueChars = 255;

// Path of the support file in the program folder.
QString FilePath();
// The value of `key` in the "support" section; empty for a missing file or
// key, cut to kMaxValueChars characters.
QString Value(const QString& key);
// Program folder + "/" + the "help" value.
QString ManualPath();

// Asks the desktop to open `text`: a URL with a scheme ("https:",
// "mailto:"...) as it is, anything else as a local file. False when the
// desktop could not open it (no handler, empty text).
bool Open(const QString& text);

// The help commands. Contents falls back to Lumvane's own manual window
// when the desktop has no browser for the file, and says so when the file
// is missing; the two links fail silently, like a link that goes nowhere.
void OpenManual(QWidget* parent);
void OpenTechSupport();
void OpenHomePage();

} // namespace SupportLinks
