#pragma once

#include <QString>
#include <QTemporaryDir>

// A real filesystem that fills: a tmpfs of a few hundred KiB mounted on a
// temporary folder for the object's life time. Mounting needs root (CI runs
// as root); elsewhere Mounted() is false and the tests skip with
// SkipReason(). `readOnly` mounts it read-only.
class SmallFilesystem {
public:
    explicit SmallFilesystem(qint64 bytes, bool readOnly = false);
    ~SmallFilesystem();
    SmallFilesystem(const SmallFilesystem&) = delete;
    SmallFilesystem& operator=(const SmallFilesystem&) = delete;

    bool Mounted() const { return m_mounted; }
    static const char* SkipReason();
    QString Path() const { return m_dir.path(); }
    QString File(const QString& name) const { return m_dir.filePath(name); }

    // Writes a filler file until no more than `freeBytes` stay free (rounded
    // to whole pages, as tmpfs counts).
    void Fill(qint64 freeBytes);
    qint64 FreeBytes() const;
    // The names in the folder, the filler left out.
    QStringList Entries() const;

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};
