#include "network/AnalyticsForm.h"

#include <QUrl>

#include <initializer_list>
#include <utility>

namespace {
using Field = std::pair<const char*, QString>;

QByteArray form(std::initializer_list<Field> fields)
{
    QByteArray body;
    for (const Field& field : fields) {
        if (!body.isEmpty())
            body += '&';
        body += field.first;
        body += '=';
        body += QUrl::toPercentEncoding(field.second);
    }
    return body;
}
} // namespace

namespace AnalyticsForm {

QByteArray event(const QString& property, const QString& client, const QString& category,
                 const QString& action, const QString& label, const QString& value)
{
    return form({{"v", QStringLiteral("1")},
                 {"tid", property},
                 {"cid", client},
                 {"t", QStringLiteral("event")},
                 {"ec", category},
                 {"ea", action},
                 {"el", label},
                 {"ev", value}});
}

QByteArray page_view(const QString& property, const QString& client, const QString& host,
                     const QString& page, const QString& title)
{
    return form({{"v", QStringLiteral("1")},
                 {"tid", property},
                 {"cid", client},
                 {"t", QStringLiteral("pageview")},
                 {"dh", host},
                 {"dp", page},
                 {"dt", title}});
}

} // namespace AnalyticsForm
