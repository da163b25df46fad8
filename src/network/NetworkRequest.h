#pragma once

#include <QNetworkRequest>

// How every request of Kavo is made: it gives up after a time without progress, follows at
// most five redirects and never from https to http, and says it comes from Kavo.
namespace NetworkRequest {

constexpr int kTimeoutMs = 10000;
constexpr int kMaxRedirects = 5;

QNetworkRequest make(const QUrl& url, int timeoutMs = kTimeoutMs);

} // namespace NetworkRequest
