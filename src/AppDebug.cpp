// The debug console with the live log, and the debug information text.
#include "App.h"

#include "DebugInfo.h"
#include "platform/Platform.h"
#include "screens/DebugConsole.h"
#include "settings/SaveManager.h"

#include <QSettings>

DebugConsole& App::debug_console()
{
    if (!m_debug_console)
        m_debug_console = std::make_unique<DebugConsole>();
    return *m_debug_console;
}

void App::start_debug_console()
{
    debug_console().toggle();
}

namespace {
// The desktop as its service describes it, with Kavo's backend and each monitor's colour route.
DesktopDescription described_desktop()
{
    Platform& platform = Platform::current();
    DesktopDescription desktop = platform.desktopInfo().describe();
    desktop.backend = platform.detail().isEmpty()
                          ? platform.name()
                          : QStringLiteral("%1 (%2)").arg(platform.name(), platform.detail());
    for (int i = 0; i < desktop.monitors.size(); ++i) {
        const ColorRoute route = platform.route(i);
        desktop.monitors[i].route = route.reason.isEmpty()
                                        ? route.name
                                        : QStringLiteral("%1 (%2)").arg(route.name, route.reason);
    }
    return desktop;
}
} // namespace

QString App::debug_info_text()
{
    const DesktopDescription desktop = described_desktop();
    if (SaveManager* store = SaveManager::instance())
        return DebugInfo::text(m_settings, store->user_store(), desktop);
    const QSettings user_store(QStringLiteral("Velmora"), QStringLiteral("Kavo"));
    return DebugInfo::text(m_settings, user_store, desktop);
}

void App::update_debug_info()
{
    emit set_debug_info(debug_info_text());
}
