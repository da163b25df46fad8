#include "StartOnStartup.h"

#include "platform/Platform.h"

#include <QCoreApplication>
#include <QDir>

void set_start_on_startup(bool start)
{
    IRegistry& registry = Platform::current().registry();
    const QString name = QCoreApplication::applicationName();
    if (!start) {
        registry.removeStartupCommand(name);
        return;
    }
    const QString command = QLatin1Char('"') +
                            QDir::toNativeSeparators(QCoreApplication::applicationFilePath()) +
                            QLatin1Char('"');
    if (registry.startupCommand(name) != command)
        registry.setStartupCommand(name, command);
}
