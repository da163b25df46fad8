#pragma once

#include <QString>
#include <QVector>

#include <cstdint>

class WaylandConnection;
struct wl_interface;
struct wl_registry;

// What the compositor offers: its globals, each with its interface name and version, as the
// registry announced them while Kavo was connected. Services bind what they need from here.
class WaylandGlobals
{
public:
    struct Global
    {
        uint32_t name = 0;
        QString interface;
        uint32_t version = 0;
    };

    // Reads the registry with one round trip; without a connection nothing is offered.
    explicit WaylandGlobals(WaylandConnection* connection);
    ~WaylandGlobals();
    WaylandGlobals(const WaylandGlobals&) = delete;
    WaylandGlobals& operator=(const WaylandGlobals&) = delete;

    WaylandConnection* connection() const { return m_connection; }
    const QVector<Global>& all() const { return m_globals; }
    // The version the compositor offers of `interface`; 0 when it offers none.
    uint32_t version(const char* interface) const;
    bool offers(const char* interface) const { return version(interface) > 0; }
    // Binds the first global of `interface` at the lower of its version and `maxVersion`;
    // null when there is none.
    void* bind(const wl_interface& interface, uint32_t maxVersion) const;

private:
    friend struct WaylandGlobalsListener;

    WaylandConnection* m_connection;
    wl_registry* m_registry = nullptr;
    QVector<Global> m_globals;
};
