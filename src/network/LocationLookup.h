#pragma once

#include "network/NetworkRequest.h"
#include "platform/ILocation.h"

#include <QObject>
#include <QUrl>

#include <functional>

class QNetworkAccessManager;
class QNetworkReply;

// Finds where the computer is: the desktop's location service first, then the geolocation
// server when Kavo has one. One lookup runs at a time.
class LocationLookup : public QObject
{
    Q_OBJECT

public:
    // Requests go through the manager `network` gives when the server is first asked (the
    // owner makes it then); the owner hands its answers to handle_reply().
    using Network = std::function<QNetworkAccessManager&()>;
    LocationLookup(Network network, ILocation& desktop, const QUrl& server,
                   int timeoutMs = NetworkRequest::kTimeoutMs, QObject* parent = nullptr);

    // Starts a lookup; nothing when one is running.
    void start();
    bool is_searching() const { return m_searching; }

    // An answer of the network manager; only the answer to this lookup's request counts.
    // The reply is released.
    void handle_reply(QNetworkReply* reply);

signals:
    void found(double latitude, double longitude);
    // The server named the country as well.
    void country_found(QString name, QString code);
    // The server is asked: the desktop's service knew nothing.
    void server_asked();
    // The lookup is over; `success` when found() was emitted.
    void finished(bool success);

private:
    void desktop_answered(const LocationFix& fix);
    void ask_server();
    void finish(bool success);

    Network m_network;
    ILocation& m_desktop;
    QUrl m_server;
    int m_timeout_ms;
    QNetworkReply* m_pending = nullptr;
    bool m_searching = false;
    bool m_logged_off = false;
};
