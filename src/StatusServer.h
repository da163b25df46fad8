#pragma once

#include <QJsonObject>
#include <QObject>

#include <functional>
#include <vector>

class ListeningSocket;
class QLocalServer;

// Answers every connection on a local socket with one line of JSON describing what Kavo is
// showing (read by "kavoctl status"). The socket lives in the user's runtime folder and only
// the user may connect.
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

    // The socket path, named from the organisation and application names.
    static QString socket_path();

private:
    void answer();

    StatusProvider m_provider;
    std::vector<StatusProvider> m_providers;
    QLocalServer* m_server;
    ListeningSocket* m_listening;
};
