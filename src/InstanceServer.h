#pragma once

#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class QLocalServer;
class QLocalSocket;

// The running Kavo's end of the per-user instance socket. A later launch connects and leaves
// without a word (its command text waits in the per-user store); kavoctl sends one request,
// a JSON object on one line, and reads one JSON line back.
//
// Peers are not trusted to behave: every connection is closed once its request is answered
// or after a short deadline, at most kMaxClients are served at once (the rest wait in the
// queue or are refused), and a server that stops listening is logged and listens again.
class InstanceServer : public QObject
{
    Q_OBJECT

public:
    using RequestHandler = std::function<QJsonObject(const QJsonObject& request)>;

    static constexpr int kMaxClients = 16;
    // A launch closes at once and kavoctl writes its request at once: a peer silent for
    // longer is stalled and dropped.
    static constexpr int kClientDeadlineMs = 1000;
    static constexpr int kMaxRequestBytes = 64 * 1024;

    explicit InstanceServer(QObject* parent = nullptr);

    // Listens on `path`, replacing a stale socket there; false (and logged) when it cannot.
    bool listen(const QString& path);
    bool is_listening() const;

    // Answers kavoctl's requests; without one, requests get an error answer.
    void set_request_handler(RequestHandler handler) { m_handler = std::move(handler); }

signals:
    // A later launch connected and left: its command text is in the per-user store.
    void launch_arrived();

private:
    void take_connections();
    void serve(QLocalSocket* client);
    void read_request(QLocalSocket* client);
    void client_left(QLocalSocket* client);
    void finish(QLocalSocket* client);
    void check_listening();

    QLocalServer* m_server;
    QString m_path;
    RequestHandler m_handler;
    QTimer m_watchdog;
    int m_clients = 0;
};
