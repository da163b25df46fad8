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

QString App::debug_info_text()
{
    const DesktopDescription desktop = Platform::current().desktopInfo().describe();
    if (SaveManager* store = SaveManager::instance())
        return DebugInfo::text(m_settings, store->user_store(), desktop);
    const QSettings user_store(QStringLiteral("Velmora"), QStringLiteral("Kavo"));
    return DebugInfo::text(m_settings, user_store, desktop);
}

void App::update_debug_info()
{
    emit set_debug_info(debug_info_text());
}
