#include "platform/linux/GeoClueLocation.h"

#include "platform/linux/GeoClueLookup.h"

GeoClueLocation::GeoClueLocation(const QDBusConnection& bus, int timeoutMs)
    : m_bus(bus), m_timeoutMs(timeoutMs)
{
}

void GeoClueLocation::locate(QObject* context, Callback done)
{
    if (!m_bus)
        m_bus = QDBusConnection::systemBus();
    auto* lookup = new GeoClueLookup(*m_bus, context, std::move(done), m_timeoutMs);
    lookup->start();
}
