#include "StatusServer.h"

#include "KavoLog.h"
#include "KavoSockets.h"
#include "ListeningSocket.h"

#include <QJsonDocument>
#include <QLocalServer>
#include <QLocalSocket>

namespace {
// A follower that has not read this much is stuck: it is let go rather than letting its
// lines pile up in Kavo.
constexpr qint64 kMostUnreadBytes = 64 * 1024;
} // namespace

StatusServer::StatusServer(StatusProvider provider, QObject* parent)
    : QObject(parent), m_provider(std::move(provider)), m_server(new QLocalServer(this)),
      m_follow_server(new QLocalServer(this)),
      m_listening(new ListeningSocket(*m_server, QStringLiteral("status socket"), this)),
      m_follow_listening(
          new ListeningSocket(*m_follow_server, QStringLiteral("status follow socket"), this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    m_follow_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &StatusServer::answer);
    connect(m_follow_server, &QLocalServer::newConnection, this, &StatusServer::welcome_followers);
}

QString StatusServer::socket_path()
{
    return KavoSockets::status_path();
}

QString StatusServer::follow_socket_path()
{
    return KavoSockets::status_follow_path();
}

bool StatusServer::listen()
{
    // Watched like the instance socket: kavoctl status would otherwise call a running Kavo
    // stopped once the socket is lost.
    if (!m_listening->listen(socket_path()))
        return false;
    m_follow_listening->listen(follow_socket_path());
    return true;
}

QByteArray StatusServer::status_line() const
{
    QJsonObject status = m_provider();
    for (const StatusProvider& provider : m_providers) {
        const QJsonObject more = provider();
        for (auto it = more.begin(); it != more.end(); ++it)
            status.insert(it.key(), it.value());
    }
    return QJsonDocument(status).toJson(QJsonDocument::Compact) + '\n';
}

void StatusServer::answer()
{
    while (QLocalSocket* client = m_server->nextPendingConnection()) {
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        client->write(status_line());
        client->flush();
        client->disconnectFromServer();
    }
}

void StatusServer::welcome_followers()
{
    while (QLocalSocket* follower = m_follow_server->nextPendingConnection()) {
        connect(follower, &QLocalSocket::disconnected, this, [this, follower] {
            m_followers.removeOne(follower);
            follower->deleteLater();
        });
        // Followers only listen: whatever they send is dropped.
        connect(follower, &QLocalSocket::readyRead, follower, [follower] { follower->readAll(); });
        m_followers.append(follower);
        const QByteArray line = status_line();
        if (line != m_published) {
            send_to_followers(line); // a change the others have not seen either
            continue;
        }
        follower->write(line);
        follower->flush();
    }
}

void StatusServer::publish()
{
    if (m_followers.isEmpty())
        return;
    const QByteArray line = status_line();
    if (line != m_published)
        send_to_followers(line);
}

void StatusServer::send_to_followers(const QByteArray& line)
{
    m_published = line;
    const QList<QLocalSocket*> followers = m_followers;
    for (QLocalSocket* follower : followers) {
        if (follower->bytesToWrite() > kMostUnreadBytes) {
            log_line(QStringLiteral("Status follower let go: it reads nothing"));
            follower->abort();
            continue;
        }
        follower->write(line);
        follower->flush();
    }
}
