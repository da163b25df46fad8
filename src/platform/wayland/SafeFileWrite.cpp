#include "platform/wayland/SafeFileWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SafeFileWrite {

namespace {
void report(QString* problem, const QString& text)
{
    if (problem)
        *problem = text;
}

QString system_error(const QString& path)
{
    return path + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
}

bool write_all(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}
} // namespace

bool read(const QString& path, QByteArray& bytes, QString* problem)
{
    bytes.clear();
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        if (errno == ENOENT)
            return true;
        report(problem,
               errno == ELOOP ? path + QStringLiteral(" is a symbolic link") : system_error(path));
        return false;
    }
    struct stat status = {};
    bool ok = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    if (!ok)
        report(problem, path + QStringLiteral(" is not a regular file"));
    char buffer[8192];
    while (ok) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            report(problem, system_error(path));
            ok = false;
        }
        if (count <= 0)
            break;
        bytes.append(buffer, static_cast<int>(count));
    }
    ::close(fd);
    if (!ok)
        bytes.clear();
    return ok;
}

bool replace(const QString& path, const QByteArray& bytes, QString* problem)
{
    const QByteArray name = QFile::encodeName(path);
    mode_t mode = S_IRUSR | S_IWUSR;
    struct stat status = {};
    if (::lstat(name.constData(), &status) == 0) {
        if (S_ISLNK(status.st_mode)) {
            report(problem, path + QStringLiteral(" is a symbolic link"));
            return false;
        }
        if (!S_ISREG(status.st_mode)) {
            report(problem, path + QStringLiteral(" is not a regular file"));
            return false;
        }
        mode = status.st_mode & 07777;
    }
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        report(problem, folder + QStringLiteral(": cannot create the folder"));
        return false;
    }
    // Beside the file, so that the rename stays on one file system.
    QByteArray partial = QFile::encodeName(folder + QStringLiteral("/.") +
                                           QFileInfo(path).fileName() + QStringLiteral(".XXXXXX"));
    const int fd = ::mkostemp(partial.data(), O_CLOEXEC);
    if (fd < 0) {
        report(problem, system_error(path));
        return false;
    }
    const bool written = ::fchmod(fd, mode) == 0 && write_all(fd, bytes) && ::fsync(fd) == 0;
    const int saved_errno = errno;
    ::close(fd);
    if (!written || ::rename(partial.constData(), name.constData()) != 0) {
        errno = written ? errno : saved_errno;
        report(problem, system_error(path));
        ::unlink(partial.constData());
        return false;
    }
    return true;
}

bool remove(const QString& path)
{
    return ::unlink(QFile::encodeName(path).constData()) == 0 || errno == ENOENT;
}

} // namespace SafeFileWrite
