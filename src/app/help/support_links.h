#pragma once

#include <QString>
#include <QUrl>

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

// What a link value of the support file points at, as a browser reads what
// is typed into its address bar: a value with a scheme as it is, a bare
// e-mail address ("help@example.com") as "mailto:", an absolute path as a
// local file, anything else ("www.example.com") as an "https://" address.
// An invalid URL for an empty value.
QUrl LinkUrl(const QString& text);
// Opens a link value (see LinkUrl); false when the desktop could not.
bool OpenLink(const QString& text);

// The help commands. Contents falls back to Lumvane's own manual window
// when the desktop has no browser for the file, and says so when the file
// is missing; the two links fail silently, like a link that goes nowhere.
void OpenManual(QWidget* parent);
void OpenTechSupport();
void OpenHomePage();

} // namespace SupportLinks
