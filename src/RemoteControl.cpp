#include "RemoteControl.h"

#include "App.h"
#include "Presets.h"
#include "RemoteCommand.h"
#include "settings/SaveManager.h"
#include "system/HotkeyProcessor.h"

#include <QJsonArray>

QJsonObject RemoteControl::run(const QJsonObject& request)
{
    QStringList words;
    for (const QJsonValue& word : request.value(QLatin1String("command")).toArray())
        words.append(word.toString());
    QString error;
    const std::optional<RemoteCommand> command = RemoteCommand::parse(words, error);
    if (!command)
        return {{QStringLiteral("error"), error}};
    execute(*command);
    // A change that will not outlive Kavo is no success for a script.
    if (SaveManager* save_manager = SaveManager::instance()) {
        const QString problem = save_manager->sync();
        if (!problem.isEmpty())
            return {
                {QStringLiteral("error"), QStringLiteral("the change is made, but ") + problem}};
    }
    return m_app.status_json();
}

void RemoteControl::execute(const RemoteCommand& command)
{
    switch (command.action) {
    case RemoteCommand::Action::Pause:
        m_app.pause_kavo(true);
        break;
    case RemoteCommand::Action::Resume:
        // Paused as a mode, resuming follows the schedule again.
        if (m_app.settings_map().value(QStringLiteral("KavoMode")).toInt() == kModePaused)
            m_app.kavo_mode_changed_force(kModeAutomatic, false);
        m_app.pause_kavo(false);
        break;
    case RemoteCommand::Action::Mode:
        m_app.kavo_mode_changed_force(command.value, false);
        break;
    case RemoteCommand::Action::Type:
        m_app.kavo_type_changed_force(command.value, false);
        break;
    case RemoteCommand::Action::Location:
        set_location(command.latitude, command.longitude);
        break;
    case RemoteCommand::Action::SetColor:
        set_color(command.setting_key, command.value);
        break;
    case RemoteCommand::Action::Shortcut:
        if (HotkeyProcessor* shortcuts = m_app.hotkey_processor())
            shortcuts->run(command.value);
        break;
    }
    if (SaveManager::instance())
        SaveManager::instance()->write_state();
}

void RemoteControl::set_color(const QString& key, int value)
{
    if (key == QLatin1String("DayTemperature")) {
        m_app.day_temperature_changed(value, 0);
        emit m_app.set_day_temperature_slider_value(value);
    } else if (key == QLatin1String("NightTemperature")) {
        m_app.night_temperature_changed(value, 0);
        emit m_app.set_night_temperature_slider_value(value);
    } else if (key == QLatin1String("DayBrightness")) {
        m_app.day_brightness_changed(value, 0);
        emit m_app.set_day_brightness_slider_value(value);
    } else if (key == QLatin1String("NightBrightness")) {
        m_app.night_brightness_changed(value, 0);
        emit m_app.set_night_brightness_slider_value(value);
    }
}

void RemoteControl::set_location(double latitude, double longitude)
{
    m_app.use_manual_location_changed(true);
    m_app.latitude_changed(latitude);
    m_app.longitude_changed(longitude);
    // The location page shows what a script set.
    emit m_app.set_use_manual_location(true);
    emit m_app.set_latitude_value(QString::number(latitude, 'g', 6));
    emit m_app.set_longitude_value(QString::number(longitude, 'g', 6));
}
