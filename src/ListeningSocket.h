#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// Keeps a local server listening on its path. It takes the path over only from a dead socket
// of the user's own (never another program's socket, a file or a link), says why when it
// cannot listen, and listens again when the server stops: a failed accept (no file
// descriptors left, say) closes the server without a signal, and someone may remove its file.
// One watchdog looks after every listening socket of the process.
class ListeningSocket : public QObject
{
    Q_OBJECT

public:
    static constexpr int kWatchdogMs = 10000;

    // `what` names the socket in the log ("instance socket").
    ListeningSocket(QLocalServer& server, const QString& what, QObject* parent = nullptr);

    // Listens on `path` and watches it from now on; false (and logged) when it cannot listen.
    bool listen(const QString& path);

private:
    bool claim_path();
    bool listen_once();
    void check();
    void report(const QString& problem);

    QLocalServer& m_server;
    QString m_what;
    QString m_path;
    QString m_reported; // the last problem logged, so a lasting one is logged once
};
