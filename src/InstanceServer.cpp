#include "InstanceServer.h"

#include "KavoLog.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QLocalServer>
#include <QLocalSocket>

namespace {
constexpr int kWatchdogMs = 10000;
const char* const kFinished = "kavo_finished";

QJsonObject error_answer(const QString& text)
{
    return {{QStringLiteral("error"), text}};
}
} // namespace

InstanceServer::InstanceServer(QObject* parent) : QObject(parent), m_server(new QLocalServer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // Connections beyond these wait in the system's queue, where they take nothing of Kavo's.
    m_server->setMaxPendingConnections(kMaxClients);
    connect(m_server, &QLocalServer::newConnection, this, &InstanceServer::take_connections);
    // A failed accept (no file descriptors left, say) makes the server close its socket
    // without a signal: look now and then.
    m_watchdog.setInterval(kWatchdogMs);
    connect(&m_watchdog, &QTimer::timeout, this, &InstanceServer::check_listening);
}

bool InstanceServer::listen(const QString& path)
{
    m_path = path;
    QLocalServer::removeServer(path);
    if (!m_server->listen(path)) {
        log_line(QStringLiteral("Unable to listen on ") + path + QStringLiteral(": ") +
                 m_server->errorString());
        return false;
    }
    m_watchdog.start();
    return true;
}

bool InstanceServer::is_listening() const
{
    return m_server->isListening();
}

void InstanceServer::check_listening()
{
    if (m_server->isListening() && QFileInfo::exists(m_path))
        return;
    const QString reason =
        m_server->isListening() ? QStringLiteral("its file was removed") : m_server->errorString();
    log_line(QStringLiteral("The instance socket stopped listening (") + reason +
             QStringLiteral("); listening again"));
    m_server->close();
    listen(m_path);
}

void InstanceServer::take_connections()
{
    while (m_clients < kMaxClients && m_server->hasPendingConnections()) {
        if (QLocalSocket* client = m_server->nextPendingConnection())
            serve(client);
    }
}

void InstanceServer::serve(QLocalSocket* client)
{
    ++m_clients;
    connect(client, &QLocalSocket::readyRead, this, [this, client] { read_request(client); });
    connect(client, &QLocalSocket::disconnected, this, [this, client] { client_left(client); });
    QTimer::singleShot(kClientDeadlineMs, client, [this, client] { finish(client); });
    if (client->bytesAvailable() > 0)
        read_request(client);
    else if (client->state() != QLocalSocket::ConnectedState)
        client_left(client);
}

void InstanceServer::client_left(QLocalSocket* client)
{
    // A launch leaves without a request; a client that sent one was answered already.
    if (!client->property(kFinished).toBool() && client->bytesAvailable() == 0)
        emit launch_arrived();
    finish(client);
}

void InstanceServer::read_request(QLocalSocket* client)
{
    if (client->property(kFinished).toBool())
        return;
    if (!client->canReadLine()) {
        if (client->bytesAvailable() > kMaxRequestBytes)
            finish(client);
        return;
    }
    const QByteArray line = client->readLine(kMaxRequestBytes + 1);
    QJsonParseError error{};
    const QJsonDocument request = QJsonDocument::fromJson(line, &error);
    QJsonObject answer;
    if (!request.isObject())
        answer = error_answer(QStringLiteral("the request is not a JSON object"));
    else if (!m_handler)
        answer = error_answer(QStringLiteral("Kavo takes no requests yet"));
    else
        answer = m_handler(request.object());
    client->write(QJsonDocument(answer).toJson(QJsonDocument::Compact) + '\n');
    client->flush();
    finish(client);
}

void InstanceServer::finish(QLocalSocket* client)
{
    if (client->property(kFinished).toBool())
        return;
    client->setProperty(kFinished, true);
    client->disconnect(this);
    // Answered bytes still go out before the connection closes.
    client->disconnectFromServer();
    if (client->state() != QLocalSocket::UnconnectedState)
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
    else
        client->deleteLater();
    QTimer::singleShot(kClientDeadlineMs, client, [client] {
        client->abort();
        client->deleteLater();
    });
    --m_clients;
    take_connections();
}
