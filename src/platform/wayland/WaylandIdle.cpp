#include "platform/wayland/WaylandIdle.h"

#include "platform/linux/MutterIdleMonitor.h"
#include "platform/wayland/WaylandConnection.h"
#include "platform/wayland/WaylandGlobals.h"

#include <wayland-client.h>

#include "ext-idle-notify-v1-client-protocol.h"
#include "kde-idle-client-protocol.h"

// One of the two protocols: its manager, and the notification while Kavo watches.
struct WaylandIdle::Protocol
{
    ext_idle_notifier_v1* notifier = nullptr;
    ext_idle_notification_v1* notification = nullptr;
    org_kde_kwin_idle* kdeIdle = nullptr;
    org_kde_kwin_idle_timeout* kdeTimeout = nullptr;

    ~Protocol()
    {
        release();
        if (notifier)
            ext_idle_notifier_v1_destroy(notifier);
        if (kdeIdle)
            org_kde_kwin_idle_destroy(kdeIdle);
    }

    void release()
    {
        if (notification)
            ext_idle_notification_v1_destroy(notification);
        if (kdeTimeout)
            org_kde_kwin_idle_timeout_release(kdeTimeout);
        notification = nullptr;
        kdeTimeout = nullptr;
    }
};

struct WaylandIdleListeners
{
    static void idled(void* data, ext_idle_notification_v1*)
    {
        emit static_cast<WaylandIdle*>(data)->idled();
    }
    static void resumed(void* data, ext_idle_notification_v1*)
    {
        emit static_cast<WaylandIdle*>(data)->resumed();
    }
    static void kdeIdled(void* data, org_kde_kwin_idle_timeout*)
    {
        emit static_cast<WaylandIdle*>(data)->idled();
    }
    static void kdeResumed(void* data, org_kde_kwin_idle_timeout*)
    {
        emit static_cast<WaylandIdle*>(data)->resumed();
    }

    static constexpr ext_idle_notification_v1_listener kNotification{&idled, &resumed};
    static constexpr org_kde_kwin_idle_timeout_listener kKdeTimeout{&kdeIdled, &kdeResumed};
};

std::unique_ptr<WaylandIdle> WaylandIdle::create(const WaylandGlobals& globals)
{
    auto protocol = std::make_unique<Protocol>();
    protocol->notifier =
        static_cast<ext_idle_notifier_v1*>(globals.bind(ext_idle_notifier_v1_interface, 1));
    if (!protocol->notifier)
        protocol->kdeIdle =
            static_cast<org_kde_kwin_idle*>(globals.bind(org_kde_kwin_idle_interface, 1));
    if (!protocol->notifier && !protocol->kdeIdle)
        return nullptr;
    auto* seat = static_cast<wl_seat*>(globals.bind(wl_seat_interface, 1));
    if (!seat)
        return nullptr;
    return std::unique_ptr<WaylandIdle>(new WaylandIdle(globals, seat, std::move(protocol)));
}

WaylandIdle::WaylandIdle(const WaylandGlobals& globals, wl_seat* seat,
                         std::unique_ptr<Protocol> protocol)
    : m_globals(globals), m_seat(seat), m_protocol(std::move(protocol))
{
}

WaylandIdle::~WaylandIdle()
{
    m_protocol.reset();
    wl_seat_destroy(m_seat);
    m_globals.connection()->flush();
}

QString WaylandIdle::name() const
{
    return m_protocol->notifier ? QStringLiteral("ext-idle-notify") : QStringLiteral("kde-idle");
}

bool WaylandIdle::start(int quietMs)
{
    stop();
    const auto timeout = static_cast<uint32_t>(quietMs);
    if (m_protocol->notifier) {
        m_protocol->notification =
            ext_idle_notifier_v1_get_idle_notification(m_protocol->notifier, timeout, m_seat);
        ext_idle_notification_v1_add_listener(m_protocol->notification,
                                              &WaylandIdleListeners::kNotification, this);
    } else {
        m_protocol->kdeTimeout =
            org_kde_kwin_idle_get_idle_timeout(m_protocol->kdeIdle, m_seat, timeout);
        org_kde_kwin_idle_timeout_add_listener(m_protocol->kdeTimeout,
                                               &WaylandIdleListeners::kKdeTimeout, this);
    }
    m_globals.connection()->flush();
    return !m_globals.connection()->isBroken();
}

void WaylandIdle::stop()
{
    if (!m_protocol->notification && !m_protocol->kdeTimeout)
        return;
    m_protocol->release();
    m_globals.connection()->flush();
}

std::unique_ptr<IdleSource> chooseIdleSource(const WaylandGlobals& globals,
                                             const QDBusConnection& bus)
{
    if (auto wayland = WaylandIdle::create(globals))
        return wayland;
    return MutterIdleMonitor::find(bus);
}
