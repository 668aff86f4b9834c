#include "small_filesystem.h"

#include <QDir>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

const char kFiller[] = ".filler";

} // namespace

SmallFilesystem::SmallFilesystem(qint64 bytes, bool readOnly) {
    if (::geteuid() != 0 || !m_dir.isValid())
        return;
    const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0755";
    m_mounted = ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs",
                        readOnly ? MS_RDONLY : 0, options.constData()) == 0;
}

SmallFilesystem::~SmallFilesystem() {
    if (m_mounted)
        ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
}

const char* SmallFilesystem::SkipReason() {
    return "mounting a small tmpfs needs root; run as root (as CI does) to test full disks";
}

qint64 SmallFilesystem::FreeBytes() const {
    struct statvfs st {};
    if (::statvfs(QFile::encodeName(m_dir.path()).constData(), &st) != 0)
        return -1;
    return qint64(st.f_bavail) * qint64(st.f_frsize);
}

void SmallFilesystem::Fill(qint64 freeBytes) {
    const QByteArray path = QFile::encodeName(m_dir.filePath(QLatin1String(kFiller)));
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    const QByteArray page(4096, 'f');
    while (FreeBytes() > freeBytes && ::write(fd, page.constData(), size_t(page.size())) > 0) {
    }
    // Writing page by page may stop short of a full disk only at its end:
    // fill the last bytes one by one when nothing may stay free.
    if (freeBytes == 0)
        while (::write(fd, "f", 1) > 0) {
        }
    ::close(fd);
}

QStringList SmallFilesystem::Entries() const {
    QStringList names =
        QDir(m_dir.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System);
    names.removeAll(QLatin1String(kFiller));
    return names;
}
