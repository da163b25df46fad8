// The controller's update loop: each tick puts the scheduled colours on the screen, then
// refreshes the status texts and the idle counter. Pausing and resuming glide the colours.
#include "App.h"

#include "AppTransitionHost.h"
#include "ColorTransitions.h"
#include "KavoLog.h"
#include "Presets.h"
#include "StatusServer.h"
#include "color/ColorOutput.h"
#include "color/MonitorColorSettings.h"
#include "platform/Platform.h"
#include "screens/ScreenOverlays.h"
#include "settings/SaveManager.h"
#include "system/ITrayIcon.h"

#include <QDateTime>
#include <QJsonArray>
#include <QTimer>

namespace {
int monitor_count()
{
    return Platform::current().displays().monitorCount();
}

QString colors_text(int temperature, int brightness)
{
    return QString::number(temperature) + QStringLiteral("K / ") + QString::number(brightness) +
           QLatin1Char('%');
}
} // namespace

bool App::setting_flag(const char* key) const
{
    return m_settings.value(QLatin1String(key)).toBool();
}

int App::update_interval() const
{
    // A period of 0 or less would spin the update loop; such a stored value gets the default.
    const int interval = m_settings.value(QStringLiteral("KavoUpdateInterval")).toInt();
    return interval > 0 ? interval : 10000;
}

void App::create_transitions()
{
    m_transition_host = std::make_unique<AppTransitionHost>(*this);
    m_transitions = new ColorTransitions(*m_transition_host, this);
}

void App::create_periodic_timers()
{
    m_update_timer = new QTimer(this);
    connect(m_update_timer, &QTimer::timeout, this, &App::update_kavo);
    m_update_timer->start(update_interval());

    m_fixer_timer = new QTimer(this);
    connect(m_fixer_timer, &QTimer::timeout, this, &App::fix_gamma);
    m_fixer_timer->start(update_interval());

    m_fade_timer = new QTimer(this);
    m_fade_timer->setInterval(10);
    connect(m_fade_timer, &QTimer::timeout, this, &App::fade_window);
}

void App::start_status_server()
{
    m_status_server = new StatusServer([this] { return status_json(); }, this);
    m_status_server->listen();
}

void App::update_kavo()
{
    update_gamma();
    update_ui();
    update_idle_time();
    update_smart_brightness();
    update_smart_inversion();
}

void App::refresh_after_transition()
{
    update_gamma();
    update_ui();
    update_idle_time();
    update_smart_brightness();
    update_smart_inversion();
}

int App::apply_colors_to(int monitor, int temperature, float brightness_factor)
{
    if (!m_color_output)
        return 0;
    RampSettings settings;
    settings.temperature = temperature;
    settings.brightness = brightness_factor;
    return m_color_output->apply_colors(settings, monitor);
}

int App::apply_scheduled_colors(int monitor, const ColorPoint& scheduled)
{
    const int temperature = static_cast<int>(scheduled.temperature);
    const float brightness = scheduled.brightness / 100.0f;
    m_current_temperature = temperature;
    m_current_brightness = static_cast<int>(brightness * 100.0f);
    m_monitor_colors.insert(monitor, {static_cast<float>(m_current_temperature),
                                      static_cast<float>(m_current_brightness)});
    return apply_colors_to(monitor, temperature, brightness);
}

// Each monitor's values are computed once per update: the ramps, the status text and the
// tooltip all take them from here. A monitor that appeared without colours of its own takes
// the first monitor's.
void App::refresh_scheduled_colors()
{
    const int monitors = monitor_count();
    for (int monitor : MonitorColorSettings::adoptFirstMonitorColors(m_settings, monitors))
        log_line(QStringLiteral("Monitor %1 takes the colours of monitor 1").arg(monitor));
    m_scheduled_colors.clear();
    for (int monitor = 1; monitor <= monitors; ++monitor) {
        m_scheduled_colors.insert(monitor, {get_interpolated_color_temperature(monitor),
                                            get_interpolated_brightness(monitor)});
    }
}

const QMap<int, ColorPoint>& App::scheduled_colors()
{
    if (m_scheduled_colors.isEmpty())
        refresh_scheduled_colors();
    return m_scheduled_colors;
}

int App::update_gamma()
{
    if (!m_color_output)
        return 0;
    if (setting_flag("UsePerMonitorSettings"))
        refresh_scheduled_colors();
    if (m_automation_paused)
        return 0;
    // A trigger takes over once the first colours are on the screen.
    if (m_first_update_done && apply_color_trigger())
        return 0;
    if (m_transitions && m_transitions->any_running())
        return 0;
    const bool paused = is_gamma_paused();
    if (!m_first_update_done) {
        // The first colours glide in from neutral instead of jumping.
        m_first_update_done = true;
        if (!paused)
            process_return_colors();
        return 0;
    }
    refresh_color_effects();
    if (paused) {
        if (m_color_output->is_gamma_failed() && !m_color_output->is_gamma_range_unlocked())
            m_color_output->effects()->reset();
        return 0;
    }
    refresh_color_fixer();
    update_pwm_after_colour_update();
    if (!setting_flag("UsePerMonitorSettings")) {
        m_monitor_colors.clear();
        return apply_scheduled_colors(
            0, {get_interpolated_color_temperature(0), get_interpolated_brightness(0)});
    }
    const DisplayUpdate update(Platform::current().displays());
    int result = 0;
    for (auto it = m_scheduled_colors.cbegin(); it != m_scheduled_colors.cend(); ++it)
        result = apply_scheduled_colors(it.key(), it.value());
    return result;
}

void App::update_ui()
{
    if (m_updating_ui)
        return;
    m_updating_ui = true;
    // Kept up to date even before the page loads, so a second monitor does not refresh the
    // page's monitor tabs on every tick.
    if (monitor_count() != m_monitor_count) {
        m_monitor_count = monitor_count();
        restore_manage_monitors();
    }
    if (m_screen_overlays)
        m_screen_overlays->follow_desktop();
    update_tray_icon_tooltip();
    apply_configuration_files();
    refresh_blink_count();
    update_kavo_status();
    update_taskbar_button();
    m_updating_ui = false;
}

void App::restore_manage_monitors()
{
    if (!is_page_loaded())
        return;
    m_monitor_count = monitor_count();
    emit set_screen_count(m_monitor_count);
    for (int monitor : m_ignored_monitors)
        emit ignore_monitor(monitor);
}

QString App::preview_time_text() const
{
    if (!m_automation_paused || !is_preview_running())
        return {};
    return QStringLiteral(" / ") +
           QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(preview_time()))
               .toString(QStringLiteral("dd.MM hh:mm"));
}

QString App::colors_status_text()
{
    if (!setting_flag("UsePerMonitorSettings"))
        return colors_text(m_current_temperature, m_current_brightness);
    QStringList monitors;
    for (const ColorPoint& scheduled : scheduled_colors()) {
        monitors << colors_text(static_cast<int>(scheduled.temperature),
                                static_cast<int>(scheduled.brightness));
    }
    return monitors.join(QStringLiteral(" | "));
}

QString App::kavo_status_text()
{
    if (is_kavo_paused())
        return tr("Paused");
    return colors_status_text() + preview_time_text();
}

// The page shows the text only while the window is shown: it gets it then, and only when
// it differs from what it was sent last (the window's show event makes it send again).
void App::update_kavo_status()
{
    refresh_tray_icon();
    if (!is_page_loaded() || !isVisible())
        return;
    const QString text = kavo_status_text();
    if (text == m_status_sent)
        return;
    m_status_sent = text;
    emit set_kavo_status(text);
}

void App::update_tray_icon_tooltip()
{
    m_tooltip_text = colors_status_text() + timer_tooltip_text();
    if (m_tray_icon)
        m_tray_icon->set_tooltip(m_tooltip_text);
}

void App::update_times_info()
{
    update_transition_times_info();
    update_moon_phases_info();
}

// Counts the ticks without input while inactivity watching is on; the input services set the
// count back to 0. Past the limit the rest timer stops until input comes back.
void App::update_idle_time()
{
    inactivity_tick();
}

namespace {
// How colours reach `monitor` (numbered from 1), for the status: "route", and "reason" for none.
void add_route(QJsonObject& entry, int monitor)
{
    const ColorRoute route = Platform::current().route(monitor - 1);
    entry.insert(QStringLiteral("route"), route.name);
    if (route.isNone())
        entry.insert(QStringLiteral("reason"), route.reason);
}

// Every monitor the desktop has, with its output's name and its colour route.
QJsonArray routes_json()
{
    QJsonArray routes;
    IDisplays& displays = Platform::current().displays();
    for (int monitor = 1; monitor <= displays.monitorCount(); ++monitor) {
        QJsonObject entry{{QStringLiteral("monitor"), monitor},
                          {QStringLiteral("output"), displays.monitorIdentity(monitor - 1).output}};
        add_route(entry, monitor);
        routes.append(entry);
    }
    return routes;
}
} // namespace

QJsonObject App::status_json()
{
    QJsonArray monitors;
    if (m_monitor_colors.isEmpty()) {
        monitors.append(QJsonObject{{QStringLiteral("monitor"), 0},
                                    {QStringLiteral("temperature"), m_current_temperature},
                                    {QStringLiteral("brightness"), m_current_brightness}});
    }
    for (auto it = m_monitor_colors.begin(); it != m_monitor_colors.end(); ++it) {
        QJsonObject entry{{QStringLiteral("monitor"), it.key()},
                          {QStringLiteral("temperature"), int(it->temperature)},
                          {QStringLiteral("brightness"), int(it->brightness)}};
        if (it.key() > 0)
            add_route(entry, it.key());
        monitors.append(entry);
    }
    const int mode = m_settings.value(QStringLiteral("KavoMode")).toInt();
    const int type = m_settings.value(QStringLiteral("KavoType")).toInt();
    return {{QStringLiteral("mode"), mode},
            {QStringLiteral("mode_name"), mode_name(mode)},
            {QStringLiteral("type"), type},
            {QStringLiteral("type_name"), type_name(type).toLower()},
            {QStringLiteral("paused"), is_gamma_paused()},
            {QStringLiteral("platform"), Platform::current().name()},
            {QStringLiteral("monitors"), monitors},
            {QStringLiteral("routes"), routes_json()},
            {QStringLiteral("timer"), timer_status_json()}};
}

// ---- Pausing ----

bool App::is_kavo_paused()
{
    return setting_flag("KavoPaused");
}

bool App::is_color_changes_paused()
{
    return setting_flag("ColorChangesPaused");
}

bool App::is_gamma_paused()
{
    return is_color_changes_paused() || m_pauser_pause || is_kavo_paused();
}

void App::pause_kavo(bool checked)
{
    if (is_kavo_paused() == checked)
        return;
    m_settings.insert(QStringLiteral("KavoPaused"), checked);
    if (checked)
        process_restore_colors();
    else
        process_return_colors();
    if (m_color_output)
        m_color_output->invalidate_cache();
    update_gamma();
    refresh_taskbar_button();
    update_ui();
    if (m_tray_icon)
        m_tray_icon->retranslate();
    use_overlay_screen_changed(setting_flag("UseOverlayScreen"));
    use_lightness_screen_changed(setting_flag("UseLightnessScreen"));
    if (SaveManager::instance())
        SaveManager::instance()->write_state();
}

void App::pause_color_changes(bool checked)
{
    if (is_kavo_paused() || is_color_changes_paused())
        return;
    if (checked && !m_pauser_pause) {
        m_pauser_pause = true;
        m_pauser_name.clear();
        forget_applied_trigger();
        process_restore_colors();
    } else if (!checked && m_pauser_pause) {
        m_pauser_pause = false;
        m_pauser_name.clear();
        forget_applied_trigger();
        process_return_colors();
    }
    if (m_color_output)
        m_color_output->invalidate_cache();
    update_gamma();
}

void App::pause_automation()
{
    m_automation_paused = true;
}

void App::resume_automation()
{
    m_automation_paused = false;
    update_gamma();
    update_kavo_status();
}

// ---- Colour glides ----

void App::restore_colors(bool)
{
    m_transitions->restore_colors();
}

void App::restore_colors_timeout()
{
    m_transitions->restore_colors_timeout();
}

void App::process_restore_colors(bool force)
{
    if (use_inverted_colors())
        restore_colors_with_switch_state();
    else
        restore_colors(force);
}

void App::process_restore_colors()
{
    process_restore_colors(false);
}

void App::return_colors()
{
    m_transitions->return_colors();
}

void App::return_colors_timeout()
{
    m_transitions->return_colors_timeout();
}

void App::process_return_colors()
{
    if (use_inverted_colors())
        return_colors_with_switch_state();
    else
        return_colors();
}

void App::restore_colors_with_switch_state()
{
    m_transitions->restore_colors_with_switch_state();
}

void App::return_colors_with_switch_state()
{
    m_transitions->return_colors_with_switch_state();
}

void App::switch_state()
{
    m_transitions->switch_state();
}

void App::switch_state_timeout()
{
    m_transitions->switch_state_timeout();
}

void App::switch_state_return()
{
    m_transitions->switch_state_return();
}

void App::switch_state_return_timeout()
{
    m_transitions->switch_state_return_timeout();
}

void App::move_to(int temperature, int brightness)
{
    m_transitions->move_to(temperature, brightness);
}

// ---- Window fade ----

void App::begin_showing()
{
    m_fade_progress = 0.0f;
    m_fade_showing = true;
    m_fade_timer->start();
}

void App::begin_hiding()
{
    m_fade_progress = 0.0f;
    m_fade_showing = false;
    m_fade_timer->start();
}

void App::fade_window()
{
    m_fade_progress += 0.04f;
    if (m_fade_progress <= 1.0f)
        return;
    m_fade_timer->stop();
    if (m_fade_showing) {
        m_fade_progress = 1.0f;
    } else {
        m_fade_progress = 0.0f;
        hide();
    }
}
