#include "platform/wayland/WaylandGlobals.h"

#include "platform/wayland/WaylandConnection.h"

#include <wayland-client.h>

#include <algorithm>

struct WaylandGlobalsListener
{
    static void global(void* data, wl_registry*, uint32_t name, const char* interface,
                       uint32_t version)
    {
        static_cast<WaylandGlobals*>(data)->m_globals.append(
            {name, QString::fromLatin1(interface), version});
    }

    static void globalRemove(void* data, wl_registry*, uint32_t name)
    {
        auto& globals = static_cast<WaylandGlobals*>(data)->m_globals;
        globals.erase(std::remove_if(globals.begin(), globals.end(),
                                     [name](const auto& global) { return global.name == name; }),
                      globals.end());
    }

    static constexpr wl_registry_listener kListener{&global, &globalRemove};
};

WaylandGlobals::WaylandGlobals(WaylandConnection* connection) : m_connection(connection)
{
    if (!m_connection)
        return;
    m_registry = wl_display_get_registry(m_connection->display());
    wl_registry_add_listener(m_registry, &WaylandGlobalsListener::kListener, this);
    m_connection->roundtrip();
}

WaylandGlobals::~WaylandGlobals()
{
    if (m_registry)
        wl_registry_destroy(m_registry);
}

uint32_t WaylandGlobals::version(const char* interface) const
{
    const QLatin1String wanted(interface);
    for (const Global& global : m_globals)
        if (global.interface == wanted)
            return global.version;
    return 0;
}

void* WaylandGlobals::bind(const wl_interface& interface, uint32_t maxVersion) const
{
    const QLatin1String wanted(interface.name);
    for (const Global& global : m_globals)
        if (global.interface == wanted)
            return wl_registry_bind(m_registry, global.name, &interface,
                                    std::min(global.version, maxVersion));
    return nullptr;
}
