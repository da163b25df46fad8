#pragma once

#include <QUrl>

// The three servers Kavo talks to. Each is set when Kavo is built (the CMake options
// KAVO_UPDATE_URL, KAVO_GEOLOCATION_URL, KAVO_ANALYTICS_URL) and the environment variable of
// the same name overrides it. An empty address switches that feature off; an address that is
// not https (plain http only for this computer itself) is refused with a log line.
namespace NetworkEndpoints {

// The server whose "/version.txt" names the newest version.
QUrl update_server();
// The server whose "/custom-code/ip-to-location/" answers with "lat" and "lon".
QUrl geolocation_server();
// The address usage reports are posted to.
QUrl analytics_address();

// `text` as an endpoint, or an empty URL (with a log line naming `name`) when it is not one.
QUrl accepted(const QString& text, const char* name);

// `server` with `path` appended to its path.
QUrl with_path(const QUrl& server, const QString& path);

} // namespace NetworkEndpoints
