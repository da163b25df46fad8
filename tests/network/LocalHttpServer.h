#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QTcpServer>
#include <QUrl>

class QTcpSocket;

// A small HTTP/1.1 server for one test, on 127.0.0.1 and a port of its own: each path answers
// as the test set it, every request is recorded, and every connection closes after its answer.
class LocalHttpServer : public QObject
{
    Q_OBJECT

public:
    struct Response
    {
        int status = 200;
        QByteArray body;
        QByteArray location; // a redirect's target
        bool never = false;  // keeps the connection open without an answer
    };

    struct Request
    {
        QByteArray method;
        QByteArray path;
        QHash<QByteArray, QByteArray> headers; // names in lower case
        QByteArray body;
    };

    // Listens at once; listening() says whether it could.
    LocalHttpServer();
    ~LocalHttpServer() override;

    bool listening() const { return m_server.isListening(); }
    // The server's address, with `path` when given.
    QUrl url(const QString& path = QString()) const;

    void answer(const QByteArray& path, const Response& response)
    {
        m_routes.insert(path, response);
    }
    void answer(const QByteArray& path, const QByteArray& body)
    {
        answer(path, Response{200, body, {}, false});
    }
    void redirect(const QByteArray& path, const QByteArray& target)
    {
        answer(path, Response{302, QByteArray(), target, false});
    }

    const QList<Request>& requests() const { return m_requests; }
    // The paths asked for, in order.
    QList<QByteArray> paths() const;

private:
    void read(QTcpSocket* socket);
    // A whole request from the front of `buffer`; false while it is incomplete.
    static bool take_request(QByteArray& buffer, Request& request);
    void respond(QTcpSocket* socket, const Request& request);

    QTcpServer m_server;
    QHash<QByteArray, Response> m_routes;
    QHash<QTcpSocket*, QByteArray> m_buffers;
    QList<Request> m_requests;
};

Q_DECLARE_METATYPE(LocalHttpServer::Response)
