#pragma once

#include <QByteArray>
#include <QString>

// A client's connection to a local (Unix domain) stream socket, with blocking calls that each
// wait no longer than they are told: all kavoctl needs to talk to the running Kavo, without
// Qt's network module (a status bar starts kavoctl often: each library costs start-up time).
class LocalConnection
{
public:
    enum class Connect
    {
        Connected,
        NotListening, // no socket at the path, or nobody listens on it
        Busy,         // the listener's queue is full: worth another try
        Failed,
    };
    enum class Read
    {
        Data,     // bytes were appended
        Ended,    // the other side closed the connection, or it broke
        TimedOut, // nothing came in time
    };

    LocalConnection() = default;
    ~LocalConnection();
    LocalConnection(const LocalConnection&) = delete;
    LocalConnection& operator=(const LocalConnection&) = delete;

    // Connects to the socket at `path` (an absolute file name); a connection made earlier is
    // closed first.
    Connect connectTo(const QString& path);
    // Sends all of `bytes`; false when the connection broke.
    bool write(const QByteArray& bytes);
    // Waits up to `timeout_ms` (-1: as long as it takes) for bytes and appends them to `buffer`.
    Read read(QByteArray& buffer, int timeout_ms);
    // Whether the process at the other end runs as this user (an answer from anyone else is
    // not to be trusted).
    bool peerIsUser() const;
    void close();

private:
    int m_fd = -1;
};
