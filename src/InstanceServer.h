#pragma once

#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVector>

#include <functional>

class ListeningSocket;
class QLocalServer;
class QLocalSocket;

// The running Kavo's end of the per-user instance socket. Each client sends one request, a
// JSON object on one line, and reads one JSON line back: kavoctl a command
// ({"command": ["mode", "manual"]}), answered at once; a later launch its command text
// ({"launch": "open+type Health"}), answered with a receipt ({"received": true}) at once and
// with the outcome once that text has run.
//
// Peers are not trusted to behave: a process of another user is dropped unheard, every
// connection is closed once its request is answered or after a deadline, at most kMaxClients
// are served at once (the rest wait in the queue), and the socket is watched (ListeningSocket).
class InstanceServer : public QObject
{
    Q_OBJECT

public:
    using RequestHandler = std::function<QJsonObject(const QJsonObject& request)>;
    // Answers a launch once its command text has run (or was refused).
    using Reply = std::function<void(const QJsonObject& answer)>;
    using LaunchHandler = std::function<void(const QString& text, Reply reply)>;

    static constexpr int kMaxClients = 16;
    // kavoctl writes its request at once: a peer silent for longer is stalled and dropped.
    static constexpr int kClientDeadlineMs = 1000;
    // How long a launch waits for its command text to run, and the server keeps it waiting.
    // A launch takes well under a second; the deadline is for a Kavo that hangs, and leaves
    // room for a storm of launches on a busy machine, where each waits its turn.
    static constexpr int kLaunchDeadlineMs = 30000;
    // A native message may hold 1 MiB of text, which JSON may escape to more.
    static constexpr int kMaxRequestBytes = 4 * 1024 * 1024;

    explicit InstanceServer(QObject* parent = nullptr);

    // Listens on `path`, taking it over only from a dead socket of the user's own; false (and
    // logged) when it cannot.
    bool listen(const QString& path);
    bool is_listening() const;

    // Answers kavoctl's requests; without one, requests get an error answer.
    void set_request_handler(RequestHandler handler) { m_handler = std::move(handler); }
    // Runs the command text of later launches. Launches that arrive before there is one wait
    // for it (within their deadline).
    void set_launch_handler(LaunchHandler handler);

private:
    struct WaitingLaunch
    {
        QString text;
        QPointer<QLocalSocket> client;
    };

    void take_connections();
    void serve(QLocalSocket* client);
    void read_request(QLocalSocket* client);
    void answer(QLocalSocket* client, const QJsonObject& answer);
    void launch(QLocalSocket* client, const QString& text);
    void finish(QLocalSocket* client);
    Reply reply_to(QLocalSocket* client);

    QLocalServer* m_server;
    ListeningSocket* m_listening;
    RequestHandler m_handler;
    LaunchHandler m_launch_handler;
    QVector<WaitingLaunch> m_waiting;
    int m_clients = 0;
};
