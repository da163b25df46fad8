#include "InstanceServer.h"

#include "KavoLog.h"
#include "ListeningSocket.h"
#include "platform/SocketOwner.h"

#include <QJsonDocument>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

namespace {
const char* const kFinished = "kavo_finished";
const char* const kLaunching = "kavo_launching";

QJsonObject error_answer(const QString& text)
{
    return {{QStringLiteral("error"), text}};
}
} // namespace

InstanceServer::InstanceServer(QObject* parent)
    : QObject(parent), m_server(new QLocalServer(this)),
      m_listening(new ListeningSocket(*m_server, QStringLiteral("instance socket"), this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // Connections beyond these wait in the system's queue, where they take nothing of Kavo's.
    m_server->setMaxPendingConnections(kMaxClients);
    connect(m_server, &QLocalServer::newConnection, this, &InstanceServer::take_connections);
}

bool InstanceServer::listen(const QString& path)
{
    return m_listening->listen(path);
}

bool InstanceServer::is_listening() const
{
    return m_server->isListening();
}

void InstanceServer::set_launch_handler(LaunchHandler handler)
{
    m_launch_handler = std::move(handler);
    if (!m_launch_handler)
        return;
    const QVector<WaitingLaunch> waiting = std::exchange(m_waiting, {});
    for (const WaitingLaunch& launch : waiting) {
        if (launch.client && !launch.client->property(kFinished).toBool())
            m_launch_handler(launch.text, reply_to(launch.client));
    }
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
    if (!SocketOwner::peer_is_user(client->socketDescriptor())) {
        log_line(QStringLiteral("A process of another user connected to the instance socket; "
                                "it is not heard"));
        finish(client);
        return;
    }
    connect(client, &QLocalSocket::readyRead, this, [this, client] { read_request(client); });
    connect(client, &QLocalSocket::disconnected, this, [this, client] { finish(client); });
    QTimer::singleShot(kClientDeadlineMs, client, [this, client] {
        if (!client->property(kLaunching).toBool())
            finish(client);
    });
    if (client->bytesAvailable() > 0)
        read_request(client);
    else if (client->state() != QLocalSocket::ConnectedState)
        finish(client);
}

void InstanceServer::read_request(QLocalSocket* client)
{
    if (client->property(kFinished).toBool() || client->property(kLaunching).toBool())
        return;
    if (!client->canReadLine()) {
        if (client->bytesAvailable() > kMaxRequestBytes)
            finish(client);
        return;
    }
    const QByteArray line = client->readLine(kMaxRequestBytes + 1);
    const QJsonDocument request = QJsonDocument::fromJson(line);
    const QJsonObject object = request.object();
    if (!request.isObject())
        answer(client, error_answer(QStringLiteral("the request is not a JSON object")));
    else if (object.value(QLatin1String("launch")).isString())
        launch(client, object.value(QLatin1String("launch")).toString());
    else if (!m_handler)
        answer(client, error_answer(QStringLiteral("Kavo takes no requests yet")));
    else
        answer(client, m_handler(object));
}

void InstanceServer::launch(QLocalSocket* client, const QString& text)
{
    // The receipt tells the launch that its text will run: a launch whose connection closes
    // before it (dropped unheard) may send the text again without running it twice.
    client->write(QJsonDocument(QJsonObject{{QStringLiteral("received"), true}})
                      .toJson(QJsonDocument::Compact) +
                  '\n');
    client->flush();
    client->setProperty(kLaunching, true);
    QTimer::singleShot(kLaunchDeadlineMs, client, [this, client] { finish(client); });
    if (m_launch_handler)
        m_launch_handler(text, reply_to(client));
    else
        m_waiting.append({text, client});
}

InstanceServer::Reply InstanceServer::reply_to(QLocalSocket* client)
{
    QPointer<InstanceServer> server(this);
    QPointer<QLocalSocket> guarded(client);
    return [server, guarded](const QJsonObject& answer) {
        if (server && guarded && !guarded->property(kFinished).toBool())
            server->answer(guarded, answer);
    };
}

void InstanceServer::answer(QLocalSocket* client, const QJsonObject& answer)
{
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
