#include "platform/LocalConnection.h"

#include "platform/SocketOwner.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

LocalConnection::~LocalConnection()
{
    close();
}

void LocalConnection::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

LocalConnection::Connect LocalConnection::connectTo(const QString& path)
{
    close();
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (name.isEmpty() || name.size() >= static_cast<int>(sizeof(address.sun_path)))
        return Connect::Failed;
    std::memcpy(address.sun_path, name.constData(), static_cast<size_t>(name.size()));
    // Non-blocking, so a listener whose queue is full answers EAGAIN instead of holding us.
    m_fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (m_fd < 0)
        return Connect::Failed;
    if (::connect(m_fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0)
        return Connect::Connected;
    const int error = errno;
    close();
    switch (error) {
    case ENOENT:
    case ECONNREFUSED:
        return Connect::NotListening;
    case EAGAIN:
        return Connect::Busy;
    default:
        return Connect::Failed;
    }
}

bool LocalConnection::write(const QByteArray& bytes)
{
    qsizetype sent = 0;
    while (m_fd >= 0 && sent < bytes.size()) {
        const ssize_t written = ::send(m_fd, bytes.constData() + sent,
                                       static_cast<size_t>(bytes.size() - sent), MSG_NOSIGNAL);
        if (written > 0) {
            sent += written;
            continue;
        }
        if (written < 0 && errno == EINTR)
            continue;
        pollfd writable{m_fd, POLLOUT, 0};
        if (written < 0 && errno == EAGAIN && ::poll(&writable, 1, -1) > 0)
            continue;
        return false;
    }
    return m_fd >= 0;
}

LocalConnection::Read LocalConnection::read(QByteArray& buffer, int timeout_ms)
{
    if (m_fd < 0)
        return Read::Ended;
    pollfd readable{m_fd, POLLIN, 0};
    int ready = 0;
    do {
        ready = ::poll(&readable, 1, timeout_ms);
    } while (ready < 0 && errno == EINTR);
    if (ready == 0)
        return Read::TimedOut;
    char chunk[4096];
    ssize_t received = 0;
    do {
        received = ::recv(m_fd, chunk, sizeof(chunk), 0);
    } while (received < 0 && errno == EINTR);
    if (received <= 0)
        return Read::Ended;
    buffer.append(chunk, static_cast<int>(received));
    return Read::Data;
}

bool LocalConnection::peerIsUser() const
{
    return m_fd >= 0 && SocketOwner::peer_is_user(m_fd);
}
