#include "network/LocationLookup.h"

#include "KavoLog.h"
#include "network/GeolocationAnswer.h"
#include "network/NetworkEndpoints.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>

LocationLookup::LocationLookup(Network network, ILocation& desktop, const QUrl& server,
                               int timeoutMs, QObject* parent)
    : QObject(parent), m_network(std::move(network)), m_desktop(desktop), m_server(server),
      m_timeout_ms(timeoutMs)
{
}

void LocationLookup::start()
{
    if (m_searching)
        return;
    m_searching = true;
    m_desktop.locate(this, [this](const LocationFix& fix) { desktop_answered(fix); });
}

void LocationLookup::desktop_answered(const LocationFix& fix)
{
    if (fix.position) {
        emit found(fix.position->latitude, fix.position->longitude);
        finish(true);
        return;
    }
    log_line(QStringLiteral("Location service: ") + fix.problem);
    ask_server();
}

void LocationLookup::ask_server()
{
    if (m_server.isEmpty()) {
        if (!m_logged_off)
            log_line(QStringLiteral("Geolocation through a server is off: this build names no "
                                    "geolocation server"));
        m_logged_off = true;
        finish(false);
        return;
    }
    m_pending = m_network().get(NetworkRequest::make(
        NetworkEndpoints::with_path(m_server, QStringLiteral("/custom-code/ip-to-location/")),
        m_timeout_ms));
    emit server_asked();
}

void LocationLookup::handle_reply(QNetworkReply* reply)
{
    reply->deleteLater();
    if (reply != m_pending)
        return;
    m_pending = nullptr;
    if (reply->error() != QNetworkReply::NoError) {
        log_line(QStringLiteral("Geolocation failed: ") + reply->errorString());
        finish(false);
        return;
    }
    const GeolocationAnswer answer = GeolocationAnswer::read(reply->readAll());
    if (!answer.position) {
        log_line(answer.problem);
        finish(false);
        return;
    }
    emit found(answer.position->latitude, answer.position->longitude);
    if (!answer.country.isEmpty() || !answer.countryCode.isEmpty())
        emit country_found(answer.country, answer.countryCode);
    finish(true);
}

void LocationLookup::finish(bool success)
{
    m_searching = false;
    emit finished(success);
}
