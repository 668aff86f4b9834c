#include "file_reading.h"

#include "native_path.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString SizeText(qint64 bytes) {
    if (bytes >= (qint64(1) << 30) && bytes % (qint64(1) << 30) == 0)
        return QStringLiteral("%1 GiB").arg(bytes >> 30);
    if (bytes >= (qint64(1) << 20) && bytes % (qint64(1) << 20) == 0)
        return QStringLiteral("%1 MiB").arg(bytes >> 20);
    return QStringLiteral("%1 bytes").arg(bytes);
}

} // namespace

QString NotRegularFileText(unsigned mode) {
    if (S_ISDIR(mode))
        return QStringLiteral("is a folder, not a file");
    if (S_ISFIFO(mode))
        return QStringLiteral("is a pipe, not a regular file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("is a device, not a regular file");
    if (S_ISSOCK(mode))
        return QStringLiteral("is a socket, not a regular file");
    return QStringLiteral("is not a regular file");
}

QString FileErrorText(const QString& path, const QString& what, int code) {
    return QStringLiteral("%1: %2: %3")
        .arg(DisplayPath(path), what, QString::fromLocal8Bit(std::strerror(code)));
}

bool OpenRegularFile(const QString& path, QFile& file, QString* error) {
    const QByteArray native = NativePath(path);
    // Without O_NONBLOCK, opening a FIFO waits for a writer that may never come.
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        *error = FileErrorText(path, QStringLiteral("cannot open"), errno);
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int code = errno;
        *error =
            S_ISREG(st.st_mode) || st.st_mode == 0
                ? FileErrorText(path, QStringLiteral("cannot open"), code)
                : QStringLiteral("%1: %2").arg(DisplayPath(path), NotRegularFileText(st.st_mode));
        ::close(fd);
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        *error = QStringLiteral("%1: cannot open: %2").arg(DisplayPath(path), file.errorString());
        ::close(fd);
        return false;
    }
    return true;
}

bool IsSpecialFile(const QString& path, QString* error) {
    struct stat st {};
    if (::stat(NativePath(path).constData(), &st) != 0 || S_ISREG(st.st_mode))
        return false;
    *error = QStringLiteral("%1: %2").arg(DisplayPath(path), NotRegularFileText(st.st_mode));
    return true;
}

bool ReadFileBounded(const QString& path, qint64 limit, QByteArray* bytes, QString* error) {
    QFile file;
    if (!OpenRegularFile(path, file, error))
        return false;
    const qint64 size = file.size();
    const QString tooLarge =
        QStringLiteral("%1: the file is larger than %2").arg(DisplayPath(path), SizeText(limit));
    if (size > limit) {
        *error = tooLarge;
        return false;
    }
    try {
        // Read the size fstat gave, then whatever the file grew by since, in
        // chunks, never past the limit.
        QByteArray data;
        data.resize(qsizetype(size));
        qint64 got = 0;
        while (got < size) {
            const qint64 n = file.read(data.data() + got, size - got);
            if (n <= 0)
                break;
            got += n;
        }
        data.truncate(qsizetype(got));
        char chunk[65536];
        qint64 n;
        while ((n = file.read(chunk, sizeof chunk)) > 0) {
            if (data.size() + n > limit) {
                *error = tooLarge;
                return false;
            }
            data.append(chunk, qsizetype(n));
        }
        if (n < 0 || file.error() != QFileDevice::NoError) {
            *error =
                QStringLiteral("%1: cannot read: %2").arg(DisplayPath(path), file.errorString());
            return false;
        }
        *bytes = std::move(data);
    } catch (const std::bad_alloc&) {
        *error = QStringLiteral("%1: not enough memory to read the file").arg(DisplayPath(path));
        return false;
    }
    return true;
}
