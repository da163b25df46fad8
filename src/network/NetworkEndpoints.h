#pragma once

#include <QUrl>

// The three servers Kavo talks to. Each is set when Kavo is built (the CMake options
// KAVO_UPDATE_URL, KAVO_GEOLOCATION_URL, KAVO_ANALYTICS_URL) and the environment variables of
// the same names override it. An empty address switches that feature off.
struct NetworkEndpoints
{
    // The server whose "/version.txt" names the newest version.
    QUrl update;
    // The server whose "/custom-code/ip-to-location/" answers with "lat" and "lon".
    QUrl geolocation;
    // The address usage reports are posted to.
    QUrl analytics;

    // The addresses of this build, each overridden by its environment variable. An address
    // that is not https (plain http only for this computer itself) is refused with a log line.
    static NetworkEndpoints configured();

    // `text` as an endpoint, or an empty URL (with a log line naming `name`) when it is not one.
    static QUrl accepted(const QString& text, const char* name);

    // `server` with `path` appended to its path.
    static QUrl withPath(const QUrl& server, const QString& path);
};
