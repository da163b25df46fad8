#include "platform/FileLock.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr int kRetryMs = 10;

bool samefile(int fd, const QByteArray& path)
{
    struct stat held = {};
    struct stat current = {};
    return ::fstat(fd, &held) == 0 && ::stat(path.constData(), &current) == 0 &&
           held.st_dev == current.st_dev && held.st_ino == current.st_ino;
}
} // namespace

FileLock::FileLock(const QString& path) : m_path(path)
{
}

FileLock::~FileLock()
{
    unlock();
}

bool FileLock::tryLock(int waitMs)
{
    if (isLocked())
        return true;
    QElapsedTimer waited;
    waited.start();
    while (!lockOnce()) {
        if (waited.elapsed() >= waitMs)
            return false;
        QThread::msleep(kRetryMs);
    }
    return true;
}

bool FileLock::lockOnce()
{
    const QByteArray path = QFile::encodeName(m_path);
    // A link where the file belongs is refused: the lock never opens (or creates) another file.
    int fd = ::open(path.constData(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
    const bool existed = fd >= 0;
    if (fd < 0 && errno == ENOENT)
        fd = ::open(path.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    m_heldElsewhere = false;
    m_error.clear();
    if (fd < 0) {
        m_error = errno == ELOOP ? QStringLiteral("it is a link")
                                 : QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        m_heldElsewhere = errno == EWOULDBLOCK;
        ::close(fd);
        return false;
    }
    // A file removed (or replaced) between opening and locking guards nothing any more.
    if (!samefile(fd, path)) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    m_existed = existed;
    return true;
}

void FileLock::writeHolder()
{
    if (m_fd < 0)
        return;
    const QByteArray pid = QByteArray::number(static_cast<qint64>(::getpid())) + '\n';
    if (::ftruncate(m_fd, 0) == 0)
        (void)!::pwrite(m_fd, pid.constData(), static_cast<size_t>(pid.size()), 0);
}

qint64 FileLock::holder() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return file.readLine(32).trimmed().toLongLong();
}

void FileLock::unlock()
{
    if (m_fd < 0)
        return;
    ::close(m_fd);
    m_fd = -1;
}

void FileLock::removeAndUnlock()
{
    if (m_fd >= 0)
        QFile::remove(m_path);
    unlock();
}
