#include "LocalHttpServer.h"

#include <QTcpSocket>

LocalHttpServer::LocalHttpServer()
{
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
            connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
                m_buffers.remove(socket);
                socket->deleteLater();
            });
        }
    });
}

// The connections' sockets are the server's children and go with it, after the buffers their
// disconnection would touch: they are let go of first.
LocalHttpServer::~LocalHttpServer()
{
    for (QTcpSocket* socket : m_server.findChildren<QTcpSocket*>())
        socket->disconnect(this);
}

QUrl LocalHttpServer::url(const QString& path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path));
}

QList<QByteArray> LocalHttpServer::paths() const
{
    QList<QByteArray> paths;
    for (const Request& request : m_requests)
        paths.append(request.path);
    return paths;
}

void LocalHttpServer::read(QTcpSocket* socket)
{
    QByteArray& buffer = m_buffers[socket];
    buffer += socket->readAll();
    Request request;
    if (!take_request(buffer, request))
        return;
    m_requests.append(request);
    respond(socket, request);
}

bool LocalHttpServer::take_request(QByteArray& buffer, Request& request)
{
    const int end = buffer.indexOf("\r\n\r\n");
    if (end < 0)
        return false;
    const QList<QByteArray> lines = buffer.left(end).split('\n');
    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
    request.method = first.value(0);
    request.path = first.value(1);
    for (int i = 1; i < lines.size(); ++i) {
        const int colon = lines.at(i).indexOf(':');
        if (colon > 0)
            request.headers.insert(lines.at(i).left(colon).trimmed().toLower(),
                                   lines.at(i).mid(colon + 1).trimmed());
    }
    const int length = request.headers.value("content-length").toInt();
    if (buffer.size() < end + 4 + length)
        return false;
    request.body = buffer.mid(end + 4, length);
    buffer.remove(0, end + 4 + length);
    return true;
}

void LocalHttpServer::respond(QTcpSocket* socket, const Request& request)
{
    const Response response = m_routes.value(request.path, Response{404, "not found", {}, false});
    if (response.never)
        return;
    QByteArray answer = "HTTP/1.1 " + QByteArray::number(response.status) + " Kavo test\r\n";
    if (!response.location.isEmpty())
        answer += "Location: " + response.location + "\r\n";
    answer += "Content-Type: text/plain; charset=utf-8\r\n";
    answer += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    answer += "Connection: close\r\n\r\n" + response.body;
    socket->write(answer);
    socket->disconnectFromHost();
}
