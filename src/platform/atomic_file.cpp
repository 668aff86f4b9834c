#include "atomic_file.h"

#include "file_reading.h"
#include "native_path.h"

#include <QRandomGenerator>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kMaxLinkDepth = 40; // as the kernel's own limit on nested links

QByteArray FolderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

QByteArray NameOf(const QByteArray& path) {
    return path.mid(path.lastIndexOf('/') + 1);
}

// The prefix of the temporary files of `name`: hidden, so file managers and
// globs pass them over.
QByteArray TemporaryPrefix(const QByteArray& name) {
    return '.' + name + ".lumvane-";
}

// Follows symbolic links from `path` to the file they name (which need not
// exist); false with errno set on a loop or a read error.
bool ResolveLinks(QByteArray& path) {
    for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
        struct stat st {};
        if (::lstat(path.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return true; // missing or not a link: this is the file to write
        QByteArray target(qsizetype(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
        const ssize_t n = ::readlink(path.constData(), target.data(), size_t(target.size()));
        if (n < 0)
            return false;
        target.truncate(qsizetype(n));
        path = target.startsWith('/') ? target : FolderOf(path) + '/' + target;
    }
    errno = ELOOP;
    return false;
}

bool WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0) {
            errno = EIO;
            return false;
        }
        data += n;
        size -= size_t(n);
    }
    return true;
}

// Removes temporary files of `name` in `folder` that no running writer holds,
// leftovers of writers that were killed.
void RemoveLeftovers(const QByteArray& folder, const QByteArray& name) {
    DIR* dir = ::opendir(folder.constData());
    if (dir == nullptr)
        return;
    const QByteArray prefix = TemporaryPrefix(name);
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray entryName(entry->d_name);
        if (!entryName.startsWith(prefix))
            continue;
        const QByteArray path = folder + '/' + entryName;
        const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0)
            continue;
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(path.constData());
        ::close(fd);
    }
    ::closedir(dir);
}

} // namespace

bool WriteFileAtomically(const QString& path, QByteArrayView bytes, QString* error) {
    const auto fail = [&](int code) {
        *error = FileErrorText(path, QStringLiteral("cannot write"), code);
        return false;
    };
    QByteArray target = NativePath(path);
    if (target.isEmpty())
        return fail(ENOENT);
    if (!ResolveLinks(target))
        return fail(errno);

    struct stat old {};
    const bool replacing = ::stat(target.constData(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode)) {
        *error = QStringLiteral("%1: cannot write: %2")
                     .arg(DisplayPath(path), NotRegularFileText(old.st_mode));
        return false;
    }

    const QByteArray folder = FolderOf(target);
    const QByteArray name = NameOf(target);
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = folder + '/' + TemporaryPrefix(name) +
                    QByteArray::number(QRandomGenerator::global()->generate(), 36);
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                    0666);
        if (fd < 0 && errno != EEXIST)
            return fail(errno);
    }
    if (fd < 0)
        return fail(EEXIST);
    // Held until the rename, so a concurrent writer's clean-up leaves this file alone.
    ::flock(fd, LOCK_EX);

    const auto abandon = [&](int code) {
        ::close(fd);
        ::unlink(temporary.constData());
        return fail(code);
    };
    if (replacing && ::fchmod(fd, old.st_mode & 07777) != 0)
        return abandon(errno);
    if (!WriteAll(fd, bytes.data(), size_t(bytes.size())))
        return abandon(errno);
    if (::fsync(fd) != 0)
        return abandon(errno);
    if (::rename(temporary.constData(), target.constData()) != 0)
        return abandon(errno);
    // After the rename: a failing close can no longer lose data that fsync reported written.
    ::close(fd);

    // The rename itself reaches the disk with the folder's own flush.
    if (const int dirFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    RemoveLeftovers(folder, name);
    return true;
}
