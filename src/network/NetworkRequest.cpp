#include "network/NetworkRequest.h"

#include "Edition.h"

namespace NetworkRequest {

QNetworkRequest make(const QUrl& url, int timeoutMs)
{
    QNetworkRequest request(url);
    request.setTransferTimeout(timeoutMs);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      Edition::application_name() + QLatin1Char('/') + Edition::version());
    return request;
}

} // namespace NetworkRequest
