#include "recovery_store.h"

#include "atomic_file.h"
#include "ini_document.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kSection = QStringLiteral("Recovery");

// Unsaved work is private: a recovery file is readable by its owner only.
// An empty file with that mode goes first, and the atomic write keeps the
// mode of the file it replaces, so the bytes never sit in a file others could
// read (a file an older version left readable is narrowed too).
bool MakePrivateFile(const QString& path, QString* error) {
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0 || ::fchmod(fd, 0600) != 0) {
        *error = QStringLiteral("%1: cannot write: %2").arg(path, qt_error_string(errno));
        if (fd >= 0)
            ::close(fd);
        return false;
    }
    ::close(fd);
    return true;
}

} // namespace

RecoveryStore::RecoveryStore(QString folder) : m_folder(std::move(folder)) {
    // The process id and the start time in milliseconds: unique on this
    // machine even when a later process gets the same id.
    m_ownId = QStringLiteral("autosave-%1-%2")
                  .arg(QCoreApplication::applicationPid())
                  .arg(QDateTime::currentMSecsSinceEpoch());
}

RecoveryStore::~RecoveryStore() {
    for (const int fd : std::as_const(m_locks))
        ::close(fd);
}

QString RecoveryStore::PathOf(const QString& id, const char* extension) const {
    return m_folder + u'/' + id + QLatin1String(extension);
}

bool RecoveryStore::Lock(const QString& id) {
    if (m_locks.contains(id))
        return true;
    const int fd = ::open(QFile::encodeName(PathOf(id, ".lock")).constData(),
                          O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    m_locks.insert(id, fd);
    return true;
}

void RecoveryStore::Unlock(const QString& id) {
    if (const auto it = m_locks.find(id); it != m_locks.end()) {
        ::close(*it);
        m_locks.erase(it);
    }
}

bool RecoveryStore::Write(const QByteArray& project, const QString& projectPath,
                          const QDateTime& savedAt, QString* error) {
    if (!QDir().mkpath(m_folder)) {
        *error = QStringLiteral("%1: the folder cannot be created").arg(m_folder);
        return false;
    }
    if (!Lock(m_ownId)) {
        *error = QStringLiteral("%1: cannot be locked").arg(PathOf(m_ownId, ".lock"));
        return false;
    }
    const QString data = PathOf(m_ownId, ".dwp");
    if (!MakePrivateFile(data, error) || !WriteFileAtomically(data, project, error))
        return false;
    IniDocument info;
    info.WriteString(kSection, u"Project", projectPath);
    info.WriteString(kSection, u"Saved", savedAt.toUTC().toString(Qt::ISODate));
    const QString description = PathOf(m_ownId, ".ini");
    return MakePrivateFile(description, error) && info.Save(description, error);
}

void RecoveryStore::RemoveOwn() {
    if (!m_locks.contains(m_ownId))
        return; // nothing written yet
    QFile::remove(PathOf(m_ownId, ".ini"));
    QFile::remove(PathOf(m_ownId, ".dwp"));
}

void RecoveryStore::CloseOwn() {
    RemoveOwn();
    if (m_locks.contains(m_ownId)) {
        QFile::remove(PathOf(m_ownId, ".lock"));
        Unlock(m_ownId);
    }
}

RecoveryStore::Entry RecoveryStore::ReadEntry(const QString& folder, const QString& id) {
    Entry entry;
    const QString info = folder + u'/' + id + QStringLiteral(".ini");
    const QString data = folder + u'/' + id + QStringLiteral(".dwp");
    if (!QFileInfo(info).isFile() || !QFileInfo(data).isFile())
        return entry;
    const IniDocument ini = IniDocument::Load(info);
    QDateTime saved =
        QDateTime::fromString(ini.ReadString(kSection, u"Saved", QString()), Qt::ISODate);
    if (!saved.isValid())
        saved = QFileInfo(data).lastModified(); // a damaged description still has a time
    entry.id = id;
    entry.projectPath = ini.ReadString(kSection, u"Project", QString(), 4096);
    entry.savedAt = saved.toLocalTime();
    entry.dataPath = data;
    return entry;
}

std::vector<RecoveryStore::Entry> RecoveryStore::ClaimOrphans() {
    std::vector<Entry> orphans;
    const QStringList names = QDir(m_folder).entryList(
        {QStringLiteral("autosave-*.ini"), QStringLiteral("autosave-*.lock")}, QDir::Files,
        QDir::Name);
    QStringList ids;
    for (const QString& name : names) {
        const QString id = name.left(name.lastIndexOf(u'.'));
        if (!ids.contains(id))
            ids.append(id);
    }
    for (const QString& id : std::as_const(ids)) {
        if (id == m_ownId || !Lock(id))
            continue; // ours, or a running window's
        Entry entry = ReadEntry(m_folder, id);
        if (entry.id.isEmpty()) {
            // Nothing to recover: a lock file left by a window that had no
            // unsaved work goes; half a recovery stays for the user to see.
            if (!QFileInfo::exists(PathOf(id, ".ini")) && !QFileInfo::exists(PathOf(id, ".dwp")))
                QFile::remove(PathOf(id, ".lock"));
            Unlock(id);
            continue;
        }
        orphans.push_back(std::move(entry));
    }
    std::stable_sort(orphans.begin(), orphans.end(),
                     [](const Entry& a, const Entry& b) { return a.savedAt < b.savedAt; });
    return orphans;
}

void RecoveryStore::Discard(const Entry& entry) {
    if (!m_locks.contains(entry.id))
        return; // never delete what this store does not hold
    QFile::remove(PathOf(entry.id, ".ini"));
    QFile::remove(PathOf(entry.id, ".dwp"));
    // The lock file goes while still locked, so no other start can lock it
    // in between and find it empty.
    QFile::remove(PathOf(entry.id, ".lock"));
    Unlock(entry.id);
}

void RecoveryStore::Release(const Entry& entry) {
    Unlock(entry.id);
}
