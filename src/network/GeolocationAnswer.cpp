#include "network/GeolocationAnswer.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {
// Country names and codes go into the log and the language choice: plain short text only.
QString short_text(const QJsonValue& value)
{
    const QString text = value.toString();
    if (text.size() > 64)
        return QString();
    for (const QChar c : text) {
        if (!c.isPrint())
            return QString();
    }
    return text;
}
} // namespace

GeolocationAnswer GeolocationAnswer::read(const QByteArray& body)
{
    GeolocationAnswer answer;
    const QJsonObject object = QJsonDocument::fromJson(body).object();
    const QJsonValue lat = object.value(QLatin1String("lat"));
    const QJsonValue lon = object.value(QLatin1String("lon"));
    if (!lat.isDouble() || !lon.isDouble()) {
        answer.problem =
            QStringLiteral("The geolocation answer has no numbers \"lat\" and \"lon\"");
        return answer;
    }
    GeoPosition position{lat.toDouble(), lon.toDouble()};
    if (!position.isValid()) {
        answer.problem = QStringLiteral("The geolocation answer is out of range: %1, %2")
                             .arg(position.latitude)
                             .arg(position.longitude);
        return answer;
    }
    answer.position = position;
    answer.country = short_text(object.value(QLatin1String("country")));
    answer.countryCode = short_text(object.value(QLatin1String("countryCode")));
    return answer;
}
