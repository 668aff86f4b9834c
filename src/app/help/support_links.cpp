#include "support_links.h"

#include "manual_window.h"
#include "platform/app_places.h"
#include "platform/ini_document.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QUrl>

namespace SupportLinks {

QString FilePath() {
    // The user's own file wins over the shipped one; the shipped name is
    // still named when neither exists, for the message that says so.
    const AppPlaces places = CurrentPlaces();
    const QString found = places.FindDataFile(QStringLiteral("lumvanesupport.ini"));
    return found.isEmpty() ? places.dataFolders.constLast() + QStringLiteral("/lumvanesupport.ini")
                           : found;
}

QString Value(const QString& key) {
    return IniDocument::Load(FilePath()).ReadString(u"support", key, QString(), kMaxValueChars);
}

QString ManualPath() {
    QString relative = Value(QStringLiteral("help"));
    // Packagers coming from other systems may write "manual\index.html".
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const AppPlaces places = CurrentPlaces();
    const QString found = places.FindDataFile(relative);
    return found.isEmpty() ? places.dataFolders.constLast() + QLatin1Char('/') + relative : found;
}

namespace {

// A scheme of two or more letters ("https:", "mailto:", "file:") marks a
// URL; a one-letter one would be a drive.
bool HasScheme(const QString& text) {
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(text).hasMatch();
}

} // namespace

bool Open(const QString& text) {
    if (text.trimmed().isEmpty())
        return false;
    // A plain path is a file.
    const QUrl url = HasScheme(text) ? QUrl(text, QUrl::TolerantMode) : QUrl::fromLocalFile(text);
    return url.isValid() && QDesktopServices::openUrl(url);
}

QUrl LinkUrl(const QString& text) {
    const QString value = text.trimmed();
    if (value.isEmpty())
        return {};
    if (HasScheme(value))
        return QUrl(value, QUrl::TolerantMode);
    if (value.startsWith(QLatin1Char('/')))
        return QUrl::fromLocalFile(value);
    // An "@" before any "/" is an address, not a host ("user@host/path" is
    // no e-mail address, "example.com/@team" no mailbox).
    const qsizetype at = value.indexOf(QLatin1Char('@'));
    const qsizetype slash = value.indexOf(QLatin1Char('/'));
    if (at > 0 && (slash < 0 || at < slash))
        return QUrl(QStringLiteral("mailto:") + value, QUrl::TolerantMode);
    return QUrl(QStringLiteral("https://") + value, QUrl::TolerantMode);
}

bool OpenLink(const QString& text) {
    const QUrl url = LinkUrl(text);
    return url.isValid() && QDesktopServices::openUrl(url);
}

void OpenManual(QWidget* parent) {
    const QString path = ManualPath();
    const QFileInfo file(path);
    if (!file.isFile()) {
        QMessageBox::warning(parent, QStringLiteral("Lumvane"),
                             QCoreApplication::translate(
                                 "SupportLinks", "Lumvane cannot find its manual at\n%1\n\nThe "
                                                 "\"help\" entry of %2 names the manual's page.")
                                 .arg(path, FilePath()));
        return;
    }
    if (!Open(file.absoluteFilePath()))
        ManualWindow::Show(file.absoluteFilePath(), parent);
}

void OpenTechSupport() {
    OpenLink(Value(QStringLiteral("mailto")));
}

void OpenHomePage() {
    OpenLink(Value(QStringLiteral("homepage")));
}

} // namespace SupportLinks
