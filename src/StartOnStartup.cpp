#include "StartOnStartup.h"

#include "InstallLocation.h"
#include "KavoLog.h"
#include "platform/Platform.h"

#include <QCoreApplication>

void set_start_on_startup(IRegistry& registry, const QString& program, bool start)
{
    if (!InstallLocation::is_installed(program)) {
        log_line(InstallLocation::not_installed_reason(QStringLiteral("start with the session")));
        return;
    }
    const QString name = QCoreApplication::applicationName();
    if (!start) {
        registry.removeStartupProgram(name);
        return;
    }
    if (registry.startupProgram(name) != program)
        registry.setStartupProgram(name, program);
}

void set_start_on_startup(bool start)
{
    set_start_on_startup(Platform::current().registry(), QCoreApplication::applicationFilePath(),
                         start);
}
