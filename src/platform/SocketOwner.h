#pragma once

#include <QString>

// Whose are a local socket and the process at its other end. Kavo's sockets live in a folder
// of the user's own, but a client trusts an answer only from a process of its own user, and
// a server takes over a socket path only from a dead socket of its own user.
namespace SocketOwner {

// Whether the process at the other end of the connected local socket `descriptor` runs as
// this user.
bool peer_is_user(qintptr descriptor);

// Whether `path` is a socket (not a link, not a plain file) that this user owns.
bool file_is_users_socket(const QString& path);

} // namespace SocketOwner
