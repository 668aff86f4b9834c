#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QString>

#include <vector>

// The recovery files of unsaved work, kept in one folder (the state folder).
//
// Each running window has an id of its own and, under it, three files:
// "<id>.dwp" (the project's bytes, an ordinary project file), "<id>.ini"
// (which project it belongs to, and when it was written) and "<id>.lock",
// on which the owner holds an advisory lock (flock) for its whole life. The
// kernel drops the lock however the process ends, so recovery files whose
// lock can be taken belong to nobody: their program crashed or was killed.
// A store that takes such a lock holds it until it discards or releases the
// files, so two starts never offer (or delete) the same recovery twice, and
// files of a running window are never touched.
class RecoveryStore {
public:
    // What one recovery file says about itself.
    struct Entry {
        QString id;
        QString projectPath; // empty: the project had no file yet ("Untitled")
        QDateTime savedAt;   // local time
        QString dataPath;    // the project bytes, "<id>.dwp"
    };

    explicit RecoveryStore(QString folder);
    // Releases every lock this store holds; leaves every file as it is.
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    const QString& Folder() const { return m_folder; }
    const QString& OwnId() const { return m_ownId; }

    // Writes this window's recovery: the project bytes first, then the file
    // that describes them, each through a temporary file and readable by the
    // owner only (0600). Creates the folder and takes this window's lock on
    // first use. False with `error` set.
    bool Write(const QByteArray& project, const QString& projectPath, const QDateTime& savedAt,
               QString* error);
    // Removes this window's recovery files (its work was saved or dropped);
    // the lock stays, for the next write.
    void RemoveOwn();
    // A clean end: removes this window's files, its lock file included.
    void CloseOwn();

    // The recoveries of windows that no longer run, oldest first, each now
    // locked by this store. Files it cannot read are left alone; lock files
    // left without a recovery are removed.
    std::vector<Entry> ClaimOrphans();
    // Deletes a claimed recovery's files.
    void Discard(const Entry& entry);
    // Lets go of a claimed recovery, keeping its files for a later start.
    void Release(const Entry& entry);

    // The description of a recovery file (for tests and tools); an entry
    // with an empty id when it cannot be read.
    static Entry ReadEntry(const QString& folder, const QString& id);

private:
    bool Lock(const QString& id);
    void Unlock(const QString& id);
    QString PathOf(const QString& id, const char* extension) const;

    QString m_folder;
    QString m_ownId;
    QHash<QString, int> m_locks; // id -> locked file descriptor
};
