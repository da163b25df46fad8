// The setters the main page calls. Each compares the value with the settings map and stops
// when it is equal; otherwise it logs its label and the value on the debug log, stores the
// value in the map (the store follows with the next save) and applies it.
#include "App.h"

#include "KavoLog.h"
#include "ShownText.h"
#include "StartOnStartup.h"
#include "color/ColorOutput.h"
#include "color/SystemParametersInfoApi.h"
#include "platform/Platform.h"
#include "screens/KavoQuestionBox.h"
#include "settings/SaveManager.h"

#include <QCoreApplication>

#include <cstdio>

namespace {
SaveManager* save_manager()
{
    return SaveManager::instance();
}

QString log_text(const QVariant& value)
{
    if (value.type() == QVariant::Bool)
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    return value.toString();
}

void log_setting(const char* log_label, const QString& text)
{
    if (log_label)
        log_line(QLatin1String(log_label) + text);
}

void report_script_failure(const char* function, int error)
{
    std::fprintf(stderr, "%s failed with error %d\n", function, error);
    std::fflush(stderr);
}
} // namespace

bool App::store_setting(const QString& key, const QVariant& value, const char* log_label)
{
    if (m_settings.value(key) == value)
        return false;
    log_setting(log_label, log_text(value));
    m_settings.insert(key, value);
    return true;
}

bool App::store_clock_time(const char* hours_key, const char* minutes_key, int hours, int minutes,
                           const char* log_label)
{
    if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59) {
        log_line(QStringLiteral("Not a time of day: %1:%2").arg(hours).arg(minutes));
        return false;
    }
    const QString hours_name = QLatin1String(hours_key);
    const QString minutes_name = QLatin1String(minutes_key);
    if (m_settings.value(hours_name).toInt() == hours &&
        m_settings.value(minutes_name).toInt() == minutes)
        return false;
    log_setting(log_label, QStringLiteral("%1:%2").arg(hours).arg(minutes));
    m_settings.insert(hours_name, hours);
    m_settings.insert(minutes_name, minutes);
    return true;
}

bool App::is_known_monitor(int monitor_number) const
{
    if (monitor_number >= 0 && monitor_number <= Platform::current().displays().monitorCount())
        return true;
    log_line(QStringLiteral("No monitor %1: value ignored").arg(monitor_number));
    return false;
}

bool App::store_monitor_colour(const QString& key, int value, int monitor_number,
                               const char* log_label)
{
    if (!is_known_monitor(monitor_number) ||
        !store_setting(SettingsTable::monitorKey(key, monitor_number), value, log_label))
        return false;
    update_gamma();
    m_settings.insert(SettingsTable::monitorKey(QStringLiteral("Advanced") + key, monitor_number),
                      value);
    return true;
}

void App::store_monitor_temperature(const QString& key, int value, int monitor_number)
{
    if (!store_monitor_colour(key, value, monitor_number, nullptr))
        return;
    if (m_automation_paused) {
        m_current_temperature = value;
        preview_colors(monitor_number);
    }
    update_kavo_status();
}

void App::store_monitor_brightness(const QString& key, int value, int monitor_number,
                                   const char* log_label)
{
    if (!store_monitor_colour(key, value, monitor_number, log_label))
        return;
    if (m_automation_paused) {
        // Brightness previews on every monitor.
        m_current_brightness = value;
        preview_colors(0);
    }
    update_kavo_status();
}

void App::preview_colors(int monitor_number)
{
    RampSettings colors;
    colors.temperature = m_current_temperature;
    colors.brightness = static_cast<float>(m_current_brightness) / 100.0f;
    m_color_output->apply_colors(colors, monitor_number);
}

void App::day_temperature_changed(int value, int monitor_number)
{
    store_monitor_temperature(QStringLiteral("DayTemperature"), value, monitor_number);
}

void App::night_temperature_changed(int value, int monitor_number)
{
    store_monitor_temperature(QStringLiteral("NightTemperature"), value, monitor_number);
}

void App::sleep_light_changed(int value, int monitor_number)
{
    store_monitor_temperature(QStringLiteral("SleepLight"), value, monitor_number);
}

void App::day_brightness_changed(int value, int monitor_number)
{
    store_monitor_brightness(QStringLiteral("DayBrightness"), value, monitor_number,
                             "day brigtness: ");
}

void App::night_brightness_changed(int value, int monitor_number)
{
    store_monitor_brightness(QStringLiteral("NightBrightness"), value, monitor_number,
                             "night brigtness: ");
}

void App::sleep_brightness_changed(int value, int monitor_number)
{
    store_monitor_brightness(QStringLiteral("SleepBrightness"), value, monitor_number,
                             "sleep brightness: ");
}

void App::use_per_monitor_settings_changed(bool value)
{
    if (store_setting(QStringLiteral("UsePerMonitorSettings"), value, "USE_PER_MONITOR_SETTINGS: "))
        update_gamma();
}

void App::store_colour_switch(const QString& key, bool value, const char* log_label)
{
    if (!store_setting(key, value, log_label))
        return;
    m_settings.insert(QStringLiteral("Advanced") + key, value);
    update_gamma();
}

void App::use_manual_color_settings_changed(bool value)
{
    store_colour_switch(QStringLiteral("UseManualColorSettings"), value,
                        "use_manual_color_settings: ");
}

void App::use_manual_brightness_changed(bool value)
{
    store_colour_switch(QStringLiteral("UseManualBrightness"), value, "use_manual_brightness: ");
}

void App::use_sleep_light_changed(bool value)
{
    store_colour_switch(QStringLiteral("UseSleepLight"), value, "USE_SLEEP_LIGHT: ");
}

void App::use_saturation_changed(bool value)
{
    if (store_setting(QStringLiteral("UseSaturation"), value, nullptr))
        update_gamma();
}

void App::store_schedule_setting(const QString& key, const QVariant& value, const char* log_label)
{
    if (store_setting(key, value, log_label))
        refresh_transition_texts();
}

void App::day_transition_duration_changed(int value)
{
    store_schedule_setting(QStringLiteral("DayTransitionDuration"), value,
                           "DAY_TRANSITION_DURATION: ");
}

void App::night_transition_duration_changed(int value)
{
    store_schedule_setting(QStringLiteral("NightTransitionDuration"), value,
                           "NIGHT_TRANSITION_DURATION: ");
}

void App::sleep_transition_duration_changed(int value)
{
    store_schedule_setting(QStringLiteral("SleepTransitionDuration"), value,
                           "SLEEP_TRANSITION_DURATION: ");
}

void App::pause_transition_duration_changed(int value)
{
    store_setting(QStringLiteral("PauseTransitionDuration"), value, nullptr);
}

void App::new_moon_offset_changed(int value)
{
    store_schedule_setting(QStringLiteral("NewMoonOffset"), value, "NEW_MOON_OFFSET: ");
}

void App::full_moon_offset_changed(int value)
{
    store_schedule_setting(QStringLiteral("FullMoonOffset"), value, "FULL_MOON_OFFSET: ");
}

void App::time_zone_offset_changed(int value)
{
    store_schedule_setting(QStringLiteral("TimeZoneOffset"), value, "TIME_ZONE_OFFSET: ");
}

void App::use_manual_night_duration_changed(bool value)
{
    store_schedule_setting(QStringLiteral("UseManualNightDuration"), value,
                           "use_manual_night_duration: ");
}

void App::run_tick_steps()
{
    update_gamma();
    update_ui();
    update_idle_time();
    update_smart_brightness();
    update_smart_inversion();
}

void App::refresh_transition_texts()
{
    update_transition_times_info();
    update_moon_phases_info();
}

void App::night_start_time_changed(int hours, int minutes)
{
    if (!store_clock_time("NightStartTimeHours", "NightStartTimeMinutes", hours, minutes, nullptr))
        return;
    refresh_transition_texts();
    run_tick_steps();
}

void App::night_end_time_changed(int hours, int minutes)
{
    if (!store_clock_time("NightEndTimeHours", "NightEndTimeMinutes", hours, minutes,
                          "night_end_time_changed: "))
        return;
    refresh_transition_texts();
    run_tick_steps();
}

void App::bedtime_changed(int hours, int minutes)
{
    if (store_clock_time("BedtimeHours", "BedtimeMinutes", hours, minutes, "bedtime_changed: "))
        refresh_transition_texts();
}

void App::wake_time_changed(int hours, int minutes)
{
    if (store_clock_time("WakeTimeHours", "WakeTimeMinutes", hours, minutes, "wake_time_changed: "))
        refresh_transition_texts();
}

void App::hide_taskbar_icon_changed(bool value)
{
    store_setting(QStringLiteral("HideTaskbarIcon"), value, "HIDE_TASKBAR_ICON: ");
}

void App::optimize_ui_creation_changed(bool value)
{
    store_setting(QStringLiteral("OptimizeUiCreation"), value, "OPTIMIZE_UI_CREATION: ");
}

void App::start_on_startup_changed(bool value)
{
    if (store_setting(QStringLiteral("StartOnStartup"), value, "start_on_startup: "))
        ::set_start_on_startup(value);
}

void App::temperature_extended_values_changed(bool value)
{
    store_setting(QStringLiteral("UseTemperatureExtendedValues"), value,
                  "temperature_extended_values: ");
}

void App::brightness_extended_values_changed(bool value)
{
    store_setting(QStringLiteral("UseBrightnessExtendedValues"), value,
                  "brightness_extended_values: ");
}

void App::font_type_changed(int value)
{
    if (store_setting(QStringLiteral("FontType"), value, "font_type_changed: "))
        refresh_font_type();
}

void App::refresh_font_type()
{
    const int font_type = m_settings.value(QStringLiteral("FontType")).toInt();
    if (SystemParametersInfoApi* api = SystemParametersInfoApi::instance()) {
        switch (font_type) {
        case 1:
            api->disable_font_smoothing();
            break;
        case 2:
            api->enable_standard_font_smoothing();
            break;
        case 3:
        case 4:
            api->enable_clear_type();
            break;
        default:
            break;
        }
    }
    switch_font_renderer(font_type == 4);
    if (SystemParametersInfoApi* api = SystemParametersInfoApi::instance())
        api->broadcast_change();
}

QString App::font_renderer_script(const char* name)
{
    return QStringLiteral("/c \"") + QCoreApplication::applicationDirPath() +
           QStringLiteral("\\gdipp\\Script\\") + QLatin1String(name) + QLatin1Char('"');
}

void App::switch_font_renderer(bool enable)
{
    if (!save_manager() || save_manager()->gdipp_enabled() == enable)
        return;
    const int error = Platform::current().power().runElevated(
        QStringLiteral("cmd.exe"),
        font_renderer_script(enable ? "Kavo_Start_GDIPP.bat" : "Kavo_Stop_GDIPP.bat"));
    if (error != 0) {
        // Recorded as running only once it runs: a refused start is tried again next time.
        report_script_failure(
            enable ? "create_start_gdipp_process()" : "create_stop_gdipp_process()", error);
        return;
    }
    save_manager()->write_gdipp_enabled(enable);
}

void App::current_active_monitor_changed(int monitor_number)
{
    if (!is_known_monitor(monitor_number))
        return;
    m_current_active_monitor = monitor_number;
    restore_advanced_settings_values();
}

void App::restore_advanced_settings_values()
{
    const int monitor = m_current_active_monitor;
    auto number = [this](const QString& key) { return m_settings.value(key).toInt(); };
    auto monitor_number = [&](const char* key) {
        return number(SettingsTable::monitorKey(QLatin1String(key), monitor));
    };
    auto flag = [this](const char* key) { return m_settings.value(QLatin1String(key)).toBool(); };

    emit set_day_temperature_slider_value(monitor_number("DayTemperature"));
    emit set_night_temperature_slider_value(monitor_number("NightTemperature"));
    emit set_sleep_light_slider_value(monitor_number("SleepLight"));
    emit set_day_brightness_slider_value(monitor_number("DayBrightness"));
    emit set_night_brightness_slider_value(monitor_number("NightBrightness"));
    emit set_sleep_brightness_slider_value(monitor_number("SleepBrightness"));
    emit set_use_manual_color_settings(flag("UseManualColorSettings"));
    emit set_use_manual_brightness(flag("UseManualBrightness"));
    emit set_use_sleep_light(flag("UseSleepLight"));
    emit set_use_color_effects(flag("UseColorEffects"));
    emit set_color_effect_dropdown_value(number(QStringLiteral("ColorEffect")));
    emit set_use_overlay_screen(flag("UseOverlayScreen"));
    emit set_day_opacity_slider_value(number(QStringLiteral("DayOpacity")));
    emit set_night_opacity_slider_value(number(QStringLiteral("NightOpacity")));
    emit set_day_dim_slider_value(number(QStringLiteral("DayDim")));
    emit set_night_dim_slider_value(number(QStringLiteral("NightDim")));
    emit set_use_lightness_screen(flag("UseLightnessScreen"));
    emit set_lightness_screen_opacity_slider_value(
        number(QStringLiteral("LightnessScreenOpacity")));
    emit set_lightness_screen_radius_slider_value(number(QStringLiteral("LightnessScreenRadius")));
    emit set_lightness_screen_x_position_slider_value(
        number(QStringLiteral("LightnessScreenXPosition")));
    emit set_lightness_screen_y_position_slider_value(
        number(QStringLiteral("LightnessScreenYPosition")));
    emit set_saturation_slider_value(number(QStringLiteral("Saturation")));
    emit set_use_saturation(flag("UseSaturation"));
    emit set_use_inverted_colors(flag("UseInvertedColors"));
}

void App::ignore_monitor_changed(int monitor, bool ignore)
{
    if (ignore && (monitor < 1 || !is_known_monitor(monitor)))
        return;
    const bool listed = m_ignored_monitors.contains(monitor);
    if (ignore && !listed)
        m_ignored_monitors.append(monitor);
    if (!ignore)
        m_ignored_monitors.removeAll(monitor);
    const bool changed = listed != ignore;

    update_gamma();
    restore_manage_monitors();
    if (!changed)
        return;
    // The overlay and lightness windows are built anew for the monitors now in use.
    delete_overlay_screen();
    use_overlay_screen_changed(m_settings.value(QStringLiteral("UseOverlayScreen")).toBool());
    delete_lightness_screen();
    use_lightness_screen_changed(m_settings.value(QStringLiteral("UseLightnessScreen")).toBool());
}

void App::restore_settings()
{
    if (!save_manager())
        return;
    save_manager()->load_settings();
    save_manager()->publish_settings();
}

QString App::bool_to_string(bool value)
{
    return value ? ShownText::tr("Yes") : ShownText::tr("No");
}

void App::load_finished_linux()
{
    activateWindow();
    QCoreApplication::processEvents();
    restore_settings();
    repaint_nudge();
    showMinimized();
}

void App::relaunch_kavo_message_box()
{
    const QString relaunch = GET_STRING(QStringLiteral("Relaunch now"));
    const QString answer = KavoQuestionBox::ask(
        GET_STRING(QStringLiteral("Relaunch is needed")),
        GET_STRING(QStringLiteral(
            "Kavo made some changes on your system and needs to relaunch for them to take "
            "effect.")),
        {relaunch, GET_STRING(QStringLiteral("Later"))}, relaunch);
    if (answer != relaunch)
        return;
    if (!Platform::current().power().relaunchAfterExit(QCoreApplication::applicationFilePath())) {
        log_line(QStringLiteral("Kavo could not arrange its relaunch"));
        return;
    }
    quit_kavo();
}

void App::restart_pc_message_box()
{
    const QString restart = GET_STRING(QStringLiteral("Restart now"));
    const QString answer = KavoQuestionBox::ask(
        GET_STRING(QStringLiteral("Restart is needed")),
        GET_STRING(QStringLiteral("Kavo made some changes on your system and restart is needed "
                                  "for changes to take effect.")),
        {restart, GET_STRING(QStringLiteral("Later"))}, restart);
    if (answer != restart)
        return;
    if (!Platform::current().power().requestRestart(
            QStringLiteral("Kavo is restarting the system")))
        log_line(QStringLiteral("The system did not accept the restart"));
}
