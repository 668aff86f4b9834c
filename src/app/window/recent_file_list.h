#pragma once

#include <QString>
#include <QStringList>

// The four projects opened or saved last, newest first, kept in the user's
// profile (QSettings group "Recent File List", keys "File1" to "File4") so
// that every window of every run shares them. Each change is written at once.
class RecentFileList {
public:
    static constexpr int kMaxFiles = 4;

    // Reads the list from the profile.
    RecentFileList();

    const QStringList& Files() const { return m_files; }
    // Puts `path` at the top, dropping an older entry for the same file and
    // the oldest entry when there are more than four.
    void Add(const QString& path);
    void Remove(const QString& path);

    // The menu text of entry `index` (0-based): "&1 /path/name.dwp".
    static QString MenuText(int index, const QString& path);

private:
    void Save() const;

    QStringList m_files;
};
