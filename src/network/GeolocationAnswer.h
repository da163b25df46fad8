#pragma once

#include "platform/ILocation.h"

#include <QByteArray>
#include <QString>

// The geolocation server's answer: a JSON object with the numbers "lat" and "lon" and, when
// the server knows them, the "country" and its two-letter "countryCode".
struct GeolocationAnswer
{
    std::optional<GeoPosition> position;
    QString country;
    QString countryCode;
    // Why the answer gives no position.
    QString problem;

    static GeolocationAnswer read(const QByteArray& body);
};
