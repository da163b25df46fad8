#include "network/NetworkEndpoints.h"

#include "KavoLog.h"

#include <QHostAddress>

#ifndef KAVO_UPDATE_URL
#define KAVO_UPDATE_URL ""
#endif
#ifndef KAVO_GEOLOCATION_URL
#define KAVO_GEOLOCATION_URL ""
#endif
#ifndef KAVO_ANALYTICS_URL
#define KAVO_ANALYTICS_URL ""
#endif

namespace {
// Plain http is for a server on this computer (tests, a local proxy); nothing else is sent
// unencrypted.
bool is_loopback(const QUrl& url)
{
    if (url.host() == QLatin1String("localhost"))
        return true;
    const QHostAddress address(url.host());
    return !address.isNull() && address.isLoopback();
}

// The endpoint the environment variable `variable` names, else the build's.
QUrl endpoint(const char* variable, const char* built_in)
{
    const QString text = qEnvironmentVariableIsSet(variable) ? qEnvironmentVariable(variable)
                                                             : QString::fromUtf8(built_in);
    return NetworkEndpoints::accepted(text, variable);
}
} // namespace

namespace NetworkEndpoints {

QUrl update_server()
{
    return endpoint("KAVO_UPDATE_URL", KAVO_UPDATE_URL);
}

QUrl geolocation_server()
{
    return endpoint("KAVO_GEOLOCATION_URL", KAVO_GEOLOCATION_URL);
}

QUrl analytics_address()
{
    return endpoint("KAVO_ANALYTICS_URL", KAVO_ANALYTICS_URL);
}

QUrl accepted(const QString& text, const char* name)
{
    if (text.trimmed().isEmpty())
        return QUrl();
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    const bool secure = url.scheme() == QLatin1String("https");
    const bool local = url.scheme() == QLatin1String("http") && is_loopback(url);
    if (!url.isValid() || url.host().isEmpty() || !(secure || local)) {
        log_line(QStringLiteral("%1 is not an https address and is not used: %2")
                     .arg(QLatin1String(name), text));
        return QUrl();
    }
    return url;
}

QUrl with_path(const QUrl& server, const QString& path)
{
    QUrl url = server;
    QString base = url.path();
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    url.setPath(base + path);
    return url;
}

} // namespace NetworkEndpoints
