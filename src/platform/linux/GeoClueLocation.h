#pragma once

#include "platform/ILocation.h"

#include <QDBusConnection>

// The location GeoClue2, the desktop's location service, finds: one client per lookup on the
// system bus, started, read at its first location update and stopped again.
class GeoClueLocation : public ILocation
{
public:
    static constexpr int kDefaultTimeoutMs = 10000;

    explicit GeoClueLocation(const QDBusConnection& bus = QDBusConnection::systemBus(),
                             int timeoutMs = kDefaultTimeoutMs);

    void locate(QObject* context, Callback done) override;

private:
    QDBusConnection m_bus;
    int m_timeoutMs;
};
