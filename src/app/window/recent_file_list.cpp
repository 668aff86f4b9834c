#include "recent_file_list.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {
const QString kGroup = QStringLiteral("Recent File List");

QString KeyOf(int index) {
    return QStringLiteral("File%1").arg(index + 1);
}

// Two spellings of one file (relative, with "..") count as the same entry.
QString Normalised(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}
} // namespace

RecentFileList::RecentFileList() {
    QSettings profile;
    profile.beginGroup(kGroup);
    for (int i = 0; i < kMaxFiles; ++i) {
        const QString path = profile.value(KeyOf(i)).toString();
        if (!path.isEmpty() && !m_files.contains(path))
            m_files.append(path);
    }
}

void RecentFileList::Add(const QString& path) {
    const QString file = Normalised(path);
    m_files.removeAll(file);
    m_files.prepend(file);
    while (m_files.size() > kMaxFiles)
        m_files.removeLast();
    Save();
}

void RecentFileList::Remove(const QString& path) {
    if (m_files.removeAll(path) == 0 && m_files.removeAll(Normalised(path)) == 0)
        return;
    Save();
}

QString RecentFileList::MenuText(int index, const QString& path) {
    // Ampersands in the path are doubled so they show instead of marking a mnemonic.
    QString shown = QDir::toNativeSeparators(path);
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

void RecentFileList::Save() const {
    QSettings profile;
    profile.beginGroup(kGroup);
    for (int i = 0; i < kMaxFiles; ++i) {
        if (i < m_files.size())
            profile.setValue(KeyOf(i), m_files[i]);
        else
            profile.remove(KeyOf(i));
    }
}
