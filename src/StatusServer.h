#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QObject>

#include <functional>
#include <vector>

class ListeningSocket;
class QLocalServer;
class QLocalSocket;

// Tells what Kavo is showing as one line of JSON, over two local sockets in the user's runtime
// folder that only the user may connect to: the status socket answers every connection once
// (read by "kavoctl status"); the follow socket sends the status at once and then a line each
// time it changes (read by "kavoctl status --follow"), so status bars need not poll.
class StatusServer : public QObject
{
    Q_OBJECT

public:
    using StatusProvider = std::function<QJsonObject()>;

    StatusServer(StatusProvider provider, QObject* parent = nullptr);

    // Adds the keys `provider` gives to every answer.
    void add_provider(StatusProvider provider) { m_providers.push_back(std::move(provider)); }

    // Starts listening, and listens again whenever the socket is lost; false (and logged) when
    // it cannot, as when another instance answers there already.
    bool listen();

    // The status may have changed: the followers get it when it differs from the last they
    // got. Costs nothing while nobody follows.
    void publish();

    // The socket paths, named from the organisation and application names.
    static QString socket_path();
    static QString follow_socket_path();

private:
    QByteArray status_line() const;
    void answer();
    void welcome_followers();
    void send_to_followers(const QByteArray& line);

    StatusProvider m_provider;
    std::vector<StatusProvider> m_providers;
    QLocalServer* m_server;
    QLocalServer* m_follow_server;
    QList<QLocalSocket*> m_followers;
    QByteArray m_published; // the line the followers got last
    ListeningSocket* m_listening;
    ListeningSocket* m_follow_listening;
};
