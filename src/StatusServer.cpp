#include "StatusServer.h"

#include "KavoLog.h"
#include "SingleApplication.h"

#include <QJsonDocument>
#include <QLocalServer>
#include <QLocalSocket>

StatusServer::StatusServer(StatusProvider provider, QObject* parent)
    : QObject(parent), m_provider(std::move(provider)), m_server(new QLocalServer(this))
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
    const QString path = socket_path();
    QLocalSocket probe;
    probe.connectToServer(path);
    if (probe.waitForConnected(200))
        return false; // an instance started with multiple instances allowed answers already
    QLocalServer::removeServer(path);
    if (!m_server->listen(path)) {
        log_line(QStringLiteral("Status socket unavailable: ") + m_server->errorString());
        return false;
    }
    return true;
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
