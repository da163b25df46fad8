#include "platform/x11/X11Location.h"

#include "platform/x11/GeoClueLookup.h"

X11Location::X11Location(const QDBusConnection& bus, int timeoutMs)
    : m_bus(bus), m_timeoutMs(timeoutMs)
{
}

void X11Location::locate(QObject* context, Callback done)
{
    auto* lookup = new GeoClueLookup(m_bus, context, std::move(done), m_timeoutMs);
    lookup->start();
}
