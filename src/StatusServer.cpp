#include "StatusServer.h"

#include "ListeningSocket.h"
#include "SingleApplication.h"

#include <QJsonDocument>
#include <QLocalServer>
#include <QLocalSocket>

StatusServer::StatusServer(StatusProvider provider, QObject* parent)
    : QObject(parent), m_provider(std::move(provider)), m_server(new QLocalServer(this)),
      m_listening(new ListeningSocket(*m_server, QStringLiteral("status socket"), this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &StatusServer::answer);
}

QString StatusServer::socket_path()
{
    return SingleApplication::server_path() + QStringLiteral(".status");
}

bool StatusServer::listen()
{
    // Watched like the instance socket: kavoctl status would otherwise call a running Kavo
    // stopped once the socket is lost.
    return m_listening->listen(socket_path());
}

void StatusServer::answer()
{
    while (QLocalSocket* client = m_server->nextPendingConnection()) {
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        QJsonObject status = m_provider();
        for (const StatusProvider& provider : m_providers) {
            const QJsonObject more = provider();
            for (auto it = more.begin(); it != more.end(); ++it)
                status.insert(it.key(), it.value());
        }
        client->write(QJsonDocument(status).toJson(QJsonDocument::Compact) + '\n');
        client->flush();
        client->disconnectFromServer();
    }
}
