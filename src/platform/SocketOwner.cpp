#include "platform/SocketOwner.h"

#include <QFile>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SocketOwner {

bool peer_is_user(qintptr descriptor)
{
#ifdef SO_PEERCRED
    struct ucred peer = {};
    socklen_t size = sizeof(peer);
    if (descriptor < 0 ||
        ::getsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0)
        return false;
    return peer.uid == ::geteuid();
#else
    Q_UNUSED(descriptor)
    return false;
#endif
}

bool file_is_users_socket(const QString& path)
{
    struct stat info = {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISSOCK(info.st_mode) &&
           info.st_uid == ::geteuid();
}

} // namespace SocketOwner
