#include "platform/PrivateFiles.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString system_error(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

bool write_all(int fd, const QByteArray& content)
{
    qint64 written = 0;
    while (written < content.size()) {
        const ssize_t part = ::write(fd, content.constData() + written,
                                     static_cast<size_t>(content.size() - written));
        if (part < 0 && errno == EINTR)
            continue;
        if (part <= 0)
            return false;
        written += part;
    }
    return true;
}

// A name beside `path` that nothing else uses: created here, so it is no link.
int create_beside(const QByteArray& path, QByteArray& partial)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        partial =
            path + ".partial-" + QByteArray::number(::getpid()) + '-' + QByteArray::number(attempt);
        const int fd =
            ::open(partial.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}
} // namespace

namespace PrivateFiles {

bool write(const QString& path, const QByteArray& content, QString* error, Flush flush)
{
    const QByteArray target = QFile::encodeName(path);
    QByteArray partial;
    const int fd = create_beside(target, partial);
    if (fd < 0)
        return fail(error, system_error(errno));
    const bool written = write_all(fd, content) && (flush == Flush::No || ::fsync(fd) == 0);
    const int write_error = errno;
    if (::close(fd) != 0 || !written) {
        ::unlink(partial.constData());
        return fail(error, system_error(written ? errno : write_error));
    }
    // rename() replaces whatever stands at the target, a link included, and follows none.
    if (std::rename(partial.constData(), target.constData()) != 0) {
        const int rename_error = errno;
        ::unlink(partial.constData());
        return fail(error, system_error(rename_error));
    }
    return true;
}

bool remove_link(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info = {};
    if (::lstat(name.constData(), &info) != 0 || !S_ISLNK(info.st_mode))
        return true;
    return ::unlink(name.constData()) == 0;
}

bool open_trusted(QFile& file, const QString& path, QString* error)
{
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return fail(error, errno == ELOOP ? QStringLiteral("it is a link") : system_error(errno));
    struct stat info = {};
    QString refused;
    if (::fstat(fd, &info) != 0)
        refused = system_error(errno);
    else if (!S_ISREG(info.st_mode))
        refused = QStringLiteral("it is not a plain file");
    else if (info.st_uid != ::geteuid() && info.st_uid != 0)
        refused = QStringLiteral("it belongs to another user");
    if (!refused.isEmpty() || !file.open(fd, QIODevice::ReadOnly, QFile::AutoCloseHandle)) {
        ::close(fd);
        return fail(error, refused.isEmpty() ? file.errorString() : refused);
    }
    return true;
}

bool is_trusted_folder(const QString& folder)
{
    struct stat info = {};
    return ::lstat(QFile::encodeName(folder).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           (info.st_uid == ::geteuid() || info.st_uid == 0) &&
           (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

} // namespace PrivateFiles
