#pragma once

#include "Singleton.h"
#include "network/NetworkRequest.h"

#include <QObject>
#include <QUrl>

#include <functional>

class QNetworkAccessManager;
class QNetworkReply;

// Usage reporting: page views and events posted to the statistics address. Nothing is sent
// unless this build names an address and the user allows it.
class Utils : public QObject, public Singleton<Utils>
{
    Q_OBJECT

public:
    // `endpoint` is where reports go (empty: nowhere); the build's address by default.
    explicit Utils(const QUrl& endpoint = default_endpoint(),
                   const QString& property = default_property(),
                   int timeoutMs = NetworkRequest::kTimeoutMs);
    ~Utils() override;

    static QUrl default_endpoint();
    // The statistics property of this build: "UA-", digits, "-", a digit.
    static QString default_property();

    // Asked before every report: whether the user allows it. Without it nothing is sent.
    void set_consent(std::function<bool()> consent) { m_consent = std::move(consent); }

public slots:
    void register_analytics_event(const QString& category, const QString& action,
                                  const QString& label, const QString& value);
    void register_analytics_page_view(const QString& page_name, const QString& page_title);
    void analytics_request_finished(QNetworkReply* reply);

private:
    bool may_report();
    void post(const QByteArray& body);

    QNetworkAccessManager& network();

    QNetworkAccessManager* m_network = nullptr;
    QUrl m_endpoint;
    QString m_property;
    int m_timeout_ms;
    std::function<bool()> m_consent;
    bool m_logged_off = false;
};
