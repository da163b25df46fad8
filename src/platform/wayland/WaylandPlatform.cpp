#include "platform/wayland/WaylandPlatform.h"

#include "platform/wayland/DesktopNightLights.h"
#include "platform/wayland/LayerKeyboardGrab.h"
#include "platform/wayland/WaylandIdle.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>

WaylandPlatform::WaylandPlatform(const QString& socket)
    : m_connection(WaylandConnection::open(&m_problem, socket)),
      m_compositor(m_connection ? m_connection->compositorName() : QString()),
      m_globals(m_connection.get()), m_displays(m_connection.get(), m_problem),
      m_desktopInfo(m_compositor, m_displays),
      m_session(QDBusConnection::systemBus(), QDBusConnection::sessionBus()),
      m_layerShell(LayerShell::create(m_globals, m_displays)),
      m_keyboardGrab(m_layerShell ? std::unique_ptr<IKeyboardGrab>(
                                        std::make_unique<LayerKeyboardGrab>(*m_layerShell))
                                  : std::make_unique<AbsentKeyboardGrab>()),
      m_hotkeys(QDBusConnection::sessionBus()),
      m_input(chooseIdleSource(m_globals, QDBusConnection::sessionBus()))
{
    // KWin and Mutter take no ramps from other programs, but have a night light of their own.
    if (!m_displays.hasGammaManager())
        m_nightLight = DesktopNightLights::detect();
    tellWindows();
    m_abilities = WaylandAbilities(offer());
}

WaylandOffer WaylandPlatform::offer() const
{
    WaylandOffer offer;
    for (const WaylandGlobals::Global& global : m_globals.all())
        offer.globals.insert(global.interface);
    offer.kwinScripting = m_kwinActiveWindow != nullptr;
    offer.mutterIdleMonitor = m_input.sourceName() == QLatin1String("mutter-idle-monitor");
    // The bus itself answers these: a portal is running, a tray watcher is. Whether the portal
    // binds shortcuts is asked only when it matters (pageNote(), the first shortcut).
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (const QDBusConnectionInterface* names = bus.isConnected() ? bus.interface() : nullptr) {
        offer.portalShortcuts =
            names->isServiceRegistered(QStringLiteral("org.freedesktop.portal.Desktop")).value();
        offer.trayWatcher =
            names->isServiceRegistered(QStringLiteral("org.kde.StatusNotifierWatcher")).value();
    }
    return offer;
}

QString WaylandPlatform::pageNote(const QString& page) const
{
    PageNote note = m_abilities.note(page);
    // A running portal may still bind no shortcuts (GNOME's in Debian 12 does not).
    if (note.works && page == QLatin1String("shortcuts") && !m_hotkeys.offered()) {
        WaylandOffer withoutShortcuts = m_abilities.offer();
        withoutShortcuts.portalShortcuts = false;
        note = WaylandAbilities(withoutShortcuts).note(page);
    }
    return note.works ? QString() : note.text;
}

void WaylandPlatform::tellWindows()
{
    if ((m_wlrToplevels = WlrToplevels::create(m_globals, m_windows)))
        m_windows.setTeller([this](bool on) { m_wlrToplevels->setWatching(on); });
    else if ((m_kwinActiveWindow =
                  KWinActiveWindow::find(QDBusConnection::sessionBus(), m_windows)))
        m_windows.setTeller([this](bool on) { m_kwinActiveWindow->setWatching(on); });
}

WaylandPlatform::~WaylandPlatform() = default;

bool WaylandPlatform::has(Capability capability) const
{
    switch (capability) {
    case Capability::Magnifier:
    case Capability::TaskbarButtons:
        return false;
    case Capability::MessageBoxes:
    case Capability::GammaRampsPreferred:
        return true;
    case Capability::LastingGammaRamps:
        // The compositor puts the original tables back when Kavo's connection ends.
        return false;
    }
    return false;
}
