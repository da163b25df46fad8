#include "ScheduleCommand.h"

#include "DesktopClock.h"
#include "Options.h"
#include "TimeText.h"
#include "schedule/TransitionSchedule.h"
#include "settings/SettingsStore.h"

#include <QFileInfo>
#include <QJsonObject>
#include <QSettings>

CommandResult scheduleCommand(const QStringList& arguments)
{
    Options options(arguments,
                    {QStringLiteral("settings"), QStringLiteral("at"), QStringLiteral("monitor")});
    options.require(QStringLiteral("settings"));
    const auto at = options.instant(QStringLiteral("at"), -1);
    const auto monitor = options.integer(QStringLiteral("monitor"), 0, 0, 999);
    if (!options.ok())
        return CommandResult::badArguments(options.error());
    const QString file = options.text(QStringLiteral("settings"));
    const QFileInfo info(file);
    if (!info.isFile() || !info.isReadable())
        return CommandResult::badArguments(QStringLiteral("cannot read settings file: ") + file);

    QSettings store(file, QSettings::IniFormat);
    if (store.status() != QSettings::NoError)
        return CommandResult::badArguments(QStringLiteral("not a settings file: ") + file);
    // Loaded as the program loads: every monitor from 0 up to the one asked for.
    const SettingsStore settingsStore(store);
    SettingsMap settings;
    for (int index = 0; index <= *monitor; ++index)
        settingsStore.loadMonitor(index, settings);
    const Location location = settingsStore.readLocation();

    const double instant =
        options.has(QStringLiteral("at")) ? static_cast<double>(*at) : desktopNowMs();
    TransitionSchedule schedule(settings, location);
    const float temperature = schedule.temperatureAt(instant, static_cast<int>(*monitor));
    const float brightness = schedule.brightnessAt(instant, static_cast<int>(*monitor));
    const auto now = static_cast<qint64>(instant);
    return CommandResult::ok({
        {QStringLiteral("at"), now},
        {QStringLiteral("at_iso"), isoTime(now)},
        {QStringLiteral("temperature"), static_cast<double>(temperature)},
        {QStringLiteral("brightness"), static_cast<double>(brightness)},
        {QStringLiteral("type"), static_cast<int>(schedule.transitionType())},
    });
}
