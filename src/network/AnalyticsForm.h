#pragma once

#include <QByteArray>
#include <QString>

// The form body of one usage report: "v", "tid", "cid", "t", then the event's category,
// action, label and value ("ec", "ea", "el", "ev") or the page view's host, page and title
// ("dh", "dp", "dt"). Every value is percent-encoded.
namespace AnalyticsForm {

QByteArray event(const QString& property, const QString& client, const QString& category,
                 const QString& action, const QString& label, const QString& value);

QByteArray page_view(const QString& property, const QString& client, const QString& host,
                     const QString& page, const QString& title);

} // namespace AnalyticsForm
