#pragma once

#include "platform/ILocation.h"

#include <QDBusConnection>

#include <optional>

// The location GeoClue2, the desktop's location service, finds: one client per lookup on the
// system bus, started, read at its first location update and stopped again.
class GeoClueLocation : public ILocation
{
public:
    static constexpr int kDefaultTimeoutMs = 10000;

    // On the system bus, reached at the first lookup: Kavo starts without waiting for it.
    GeoClueLocation() = default;
    explicit GeoClueLocation(const QDBusConnection& bus, int timeoutMs = kDefaultTimeoutMs);

    void locate(QObject* context, Callback done) override;

private:
    std::optional<QDBusConnection> m_bus;
    int m_timeoutMs = kDefaultTimeoutMs;
};
