#include "network/Utils.h"

#include "Edition.h"
#include "KavoLog.h"
#include "network/AnalyticsForm.h"
#include "network/NetworkEndpoints.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QUuid>

#ifndef KAVO_ANALYTICS_PROPERTY
#define KAVO_ANALYTICS_PROPERTY "UA-00000000-1"
#endif

Utils::Utils(const QUrl& endpoint, const QString& property, int timeoutMs)
    : m_endpoint(endpoint), m_property(property), m_timeout_ms(timeoutMs)
{
}

Utils::~Utils() = default;

QUrl Utils::default_endpoint()
{
    return NetworkEndpoints::analytics_address();
}

QString Utils::default_property()
{
    return QStringLiteral(KAVO_ANALYTICS_PROPERTY);
}

void Utils::register_analytics_event(const QString& category, const QString& action,
                                     const QString& label, const QString& value)
{
    if (may_report())
        post(AnalyticsForm::event(m_property, QUuid::createUuid().toString(), category, action,
                                  label, value));
}

void Utils::register_analytics_page_view(const QString& page_name, const QString& page_title)
{
    if (may_report())
        post(AnalyticsForm::page_view(m_property, QUuid::createUuid().toString(),
                                      QUrl(Edition::website()).host(), page_name, page_title));
}

void Utils::analytics_request_finished(QNetworkReply* reply)
{
    reply->deleteLater();
}

bool Utils::may_report()
{
    if (m_endpoint.isEmpty()) {
        if (!m_logged_off)
            log_line(
                QStringLiteral("Usage reporting is off: this build names no statistics address"));
        m_logged_off = true;
        return false;
    }
    return m_consent && m_consent();
}

void Utils::post(const QByteArray& body)
{
    QNetworkRequest request = NetworkRequest::make(m_endpoint, m_timeout_ms);
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QStringLiteral("application/x-www-form-urlencoded"));
    network().post(request, body);
}

// Made with the first report: Qt's network manager loads its bearer plugins and starts a
// thread for them, which a Kavo that reports nothing does without.
QNetworkAccessManager& Utils::network()
{
    if (!m_network) {
        m_network = new QNetworkAccessManager(this);
        connect(m_network, &QNetworkAccessManager::finished, this,
                &Utils::analytics_request_finished);
    }
    return *m_network;
}
