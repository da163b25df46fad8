#include "App.h"

#include "AppTransitionHost.h"
#include "KavoLog.h"
#include "ShownText.h"
#include "StartOnStartup.h"
#include "color/BrightnessConfigManager.h"
#include "color/ColorOutput.h"
#include "color/MagnificationApi.h"
#include "color/PWMControl.h"
#include "color/SystemParametersInfoApi.h"
#include "color/TemperatureConfigManager.h"
#include "network/LocationLookup.h"
#include "network/Translator.h"
#include "screens/DebugConsole.h"
#include "sensors/SensorControl.h"
#include "settings/HiddenFeatures.h"
#include "settings/SaveManager.h"
#include "system/HotkeyProcessor.h"
#include "system/ITrayIcon.h"
#include "system/SystemKeyboard.h"
#include "system/SystemMouse.h"

#include <QApplication>
#include <QMetaObject>
#include <QNetworkAccessManager>
#include <QNetworkConfigurationManager>

namespace {
SaveManager* save_manager()
{
    return SaveManager::instance();
}

// Published clock times: one signal with hours and minutes for each pair of keys.
struct ClockTimeSignal
{
    const char* hours_key;
    const char* minutes_key;
    void (App::*signal)(int, int);
};

const ClockTimeSignal kClockTimeSignals[] = {
    {"NightStartTimeHours", "NightStartTimeMinutes", &App::set_night_start_time_value},
    {"NightEndTimeHours", "NightEndTimeMinutes", &App::set_night_end_time_value},
    {"BedtimeHours", "BedtimeMinutes", &App::set_bedtime_value},
    {"WakeTimeHours", "WakeTimeMinutes", &App::set_wake_time_value},
};

// Keys published by more than the one signal the table names.
struct ExtraSignal
{
    const char* key;
    const char* signal;
};

const ExtraSignal kExtraSignals[] = {
    {"TimerType", "set_timer_type_dropdown_value"},
    {"AdvancedView", "set_view"},
};

bool is_clock_time_key(const char* name)
{
    for (const ClockTimeSignal& pair : kClockTimeSignals) {
        if (qstrcmp(pair.hours_key, name) == 0)
            return true;
    }
    return false;
}

void emit_by_name(App* app, const char* signal, SettingType type, const QVariant& value)
{
    switch (type) {
    case SettingType::Bool:
        QMetaObject::invokeMethod(app, signal, Q_ARG(bool, value.toBool()));
        break;
    case SettingType::String:
        QMetaObject::invokeMethod(app, signal, Q_ARG(QString, value.toString()));
        break;
    default:
        QMetaObject::invokeMethod(app, signal, Q_ARG(int, value.toInt()));
        break;
    }
}
// The page hands a list back: into the map, and at once into the store.
void store_list(SettingsMap& settings, const char* key, const QString& text,
                void (SaveManager::*writer)(const QString&))
{
    settings.insert(QLatin1String(key), text);
    if (save_manager())
        (save_manager()->*writer)(text);
}
} // namespace

App::App(QWidget* parent) : KavoWindow(parent)
{
    show_first_colors();

    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_NoSystemBackground);
    setFixedSize(size());

    if (!m_settings.value(QStringLiteral("OptimizeUiCreation")).toBool())
        create_ui();

    ::set_start_on_startup(m_settings.value(QStringLiteral("StartOnStartup")).toBool());
    load_unused_pages();
    create_console();

    // Qt 5.15 has no other online-state notice than the (deprecated) bearer manager.
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    m_network_configuration = new QNetworkConfigurationManager(this);
    connect(m_network_configuration, &QNetworkConfigurationManager::onlineStateChanged, this,
            &App::connected_to_internet);
    QT_WARNING_POP

    create_input_services();
    create_screen_overlays();

    create_new_rest_timer();
    follow_session();
    create_periodic_timers();
    start_minute_timer();
    create_tray_icon();
    tell_if_colors_cannot_change();
    report_save_problems();

    handle_first_start();
    sync_kavo_to_the_internet();
    set_kavo_icon();
    load_configuration_files();
    create_task_manager();

    check_gamma_range();

    if (m_settings.value(QStringLiteral("OptimizeUiCreation")).toBool() && save_manager()) {
        save_manager()->load_settings();
        save_manager()->publish_settings();
    }
    language_changed_force(m_settings.value(QStringLiteral("Language")).toString(), true);
    start_status_server();
    create_sensors();
}

// Colours first: the settings, the monitors' calibration and the first colours, before any
// window, tray or network object exists, so the screen changes as soon as the display is open.
void App::show_first_colors()
{
    create_pwm_control();
    if (save_manager()) {
        save_manager()->set_host(this);
        save_manager()->load_settings();
    }
    create_transitions();
    create_color_output();
    update_gamma();
    reapply_colors_after_session_changes();
}

App::~App()
{
    delete m_hotkey_processor;
    m_hotkey_processor = nullptr;
    stop_mouse_clicking();
    delete_rest_timer();
    if (m_color_output)
        m_color_output->shut_down();
    if (save_manager())
        save_manager()->set_host(nullptr);
}

// Once each time the settings stop being savable: a change the user makes now would be gone
// after a restart.
void App::report_save_problems()
{
    if (save_manager())
        save_manager()->set_problem_listener([this](const QString& problem) {
            show_tray_icon_message(ShownText::tr("Settings cannot be saved"), problem);
        });
}

void App::handle_first_start()
{
    if (!m_settings.value(QStringLiteral("IsFirstStart")).toBool())
        return;
    m_first_start = true;
    log_line(QStringLiteral("First start"));
    m_settings.insert(QStringLiteral("IsFirstStart"), false);
    if (save_manager())
        save_manager()->write_first_start_done();
}

SettingsHost::RunState App::run_state() const
{
    RunState state;
    state.colorChangesPaused = m_settings.value(QStringLiteral("ColorChangesPaused")).toBool();
    state.kavoPaused = m_settings.value(QStringLiteral("KavoPaused")).toBool();
    state.timerPaused = m_settings.value(QStringLiteral("TimerPaused"), true).toBool();
    state.cameraActive = m_settings.value(QStringLiteral("CameraActive")).toBool();
    return state;
}

void App::request_page_lists()
{
    emit save_color_pausers_signal();
    emit save_timer_pausers_signal();
    emit save_mouse_pausers_signal();
    emit save_color_triggers_signal();
    emit save_websites_for_blocking_signal();
    emit save_applications_for_blocking_signal();
}

void App::publish_settings_to_page()
{
    for (const SettingKey& key : SettingsTable::keys()) {
        if (!key.signal || key.flags & (kList | kNotInMap) || is_clock_time_key(key.name))
            continue;
        emit_by_name(this, key.signal, key.type, m_settings.value(QLatin1String(key.name)));
    }
    for (const ExtraSignal& extra : kExtraSignals) {
        const SettingKey* key = SettingsTable::find(QLatin1String(extra.key));
        emit_by_name(this, extra.signal, key->type, m_settings.value(QLatin1String(extra.key)));
    }
    publish_clock_times();
    publish_location();
    refresh_color_triggers();
    if (m_hotkey_processor)
        publish_shortcut_problems();
    publish_geolocation();

    QVariantList shortcuts{QString()};
    for (const SettingKey& key : SettingsTable::keys()) {
        if (QLatin1String(key.name).endsWith(QLatin1String("Hotkey")))
            shortcuts.append(m_settings.value(QLatin1String(key.name)).toString());
    }
    emit set_shortcuts_values(shortcuts);

    for (const SettingKey& key : SettingsTable::keys()) {
        if (key.flags & kList)
            emit_by_name(this, key.signal, key.type, m_settings.value(QLatin1String(key.name)));
    }
    publish_page_state();
}

void App::publish_clock_times()
{
    for (const ClockTimeSignal& pair : kClockTimeSignals) {
        emit(this->*pair.signal)(m_settings.value(QLatin1String(pair.hours_key)).toInt(),
                                 m_settings.value(QLatin1String(pair.minutes_key)).toInt());
    }
}

// -1 marks a coordinate that is not known: its field stays empty (the page says the location
// is unknown) instead of showing the mark as if it were a place.
void App::publish_location()
{
    const auto text = [](double coordinate) {
        return coordinate == -1.0 ? QString() : QString::number(coordinate, 'g', 6);
    };
    emit set_latitude_value(text(m_location.latitude));
    emit set_longitude_value(text(m_location.longitude));
}

void App::run_launch_part(const QString& part)
{
    log_line(part);
    if (m_hidden_features)
        m_hidden_features->run(part.toUtf8());
}

void App::quit_kavo()
{
    stop_mouse_clicking();
    if (save_manager() && save_manager()->is_autosave_enabled())
        save_manager()->save_settings();
    stop_camera();
    QApplication::quit();
}

void App::hide_or_minimize()
{
    if (save_manager() && save_manager()->is_hide_taskbar_icon_enabled())
        hide();
    else
        showMinimized();
}

void App::close_clicked()
{
    if (!save_manager())
        return;
    if (save_manager()->is_autosave_enabled())
        save_and_close_clicked();
    else
        hide_or_minimize();
    save_manager()->load_settings();
    save_manager()->publish_settings();
}

void App::save_and_close_clicked()
{
    hide_or_minimize();
    if (!save_manager())
        return;
    const bool checked_for_updates = save_manager()->is_check_for_updates_enabled();
    save_manager()->save_settings();
    check_for_updates_if_switched_on(checked_for_updates);
}

void App::auto_save_settings_changed(bool value)
{
    if (m_settings.value(QStringLiteral("AutosaveSettings")).toBool() == value)
        return;
    log_line(QStringLiteral("AUTO_SAVE_SETTINGS: ") + QString::number(int(value)));
    m_settings.insert(QStringLiteral("AutosaveSettings"), value);
}

void App::save_color_pausers(const QString& text)
{
    store_list(m_settings, "ColorPausers", text, &SaveManager::write_color_pausers);
    pauser_list_saved();
}

void App::save_timer_pausers(const QString& text)
{
    store_list(m_settings, "TimerPausers", text, &SaveManager::write_timer_pausers);
    pauser_list_saved();
}

void App::save_mouse_pausers(const QString& text)
{
    store_list(m_settings, "MousePausers", text, &SaveManager::write_mouse_pausers);
    pauser_list_saved();
}

void App::save_color_triggers(const QString& text)
{
    store_list(m_settings, "ColorTriggers", text, &SaveManager::write_color_triggers);
    refresh_color_triggers();
    pauser_list_saved();
}

void App::save_websites_for_blocking(const QString& text)
{
    store_list(m_settings, "WebsitesForBlocking", text, &SaveManager::write_websites_for_blocking);
}

void App::save_applications_for_blocking(const QString& text)
{
    store_list(m_settings, "ApplicationsForBlocking", text,
               &SaveManager::write_applications_for_blocking);
}

void App::reset_settings_to_default()
{
    if (!save_manager())
        return;
    save_manager()->reset_store();
    m_unused_pages.clear();
    save_manager()->load_settings();
    language_changed_force(m_settings.value(QStringLiteral("Language")).toString(), true);
    emit refresh_unused_pages_signal();
    refresh_color_triggers();
    reconnect_keyboard_hook();
    m_hotkey_processor->register_shortcuts();
    handle_first_start();
    m_first_start = false;
    save_manager()->load_settings();
    save_manager()->publish_settings();
    refresh_scale();
    follow_restored_settings();
}

void App::connected_to_internet(bool online)
{
    log_line(online ? QStringLiteral("Connected to Internet")
                    : QStringLiteral("Disconnected from Internet"));
}
