// The controller's side of the process monitor: the switches and lists of the pauser and
// colour trigger pages, and what the monitor's findings do to the colours, the timer and
// the cursor.
#include "App.h"

#include "KavoLog.h"
#include "ShownText.h"
#include "color/ColorOutput.h"
#include "color/MagnificationApi.h"
#include "settings/SaveManager.h"
#include "system/ColorTriggers.h"
#include "system/ITaskManager.h"
#include "system/TaskManagerFactory.h"

#include <QCoreApplication>

void App::create_task_manager()
{
    m_color_triggers = new ColorTriggers(this);
    refresh_color_triggers();
    m_task_manager = TaskManagerFactory::create(m_settings, update_interval(), this);
    m_task_manager->set_conflicting_applications_enabled(
        setting_flag("EnableConflictingApplications"));
    connect(m_task_manager, &ITaskManager::current_active_process_changed, this,
            &App::set_current_active_process);
    connect(m_task_manager, &ITaskManager::current_color_trigger_changed, this,
            &App::set_current_color_trigger);
    connect(m_task_manager, &ITaskManager::pausers_checked, this,
            [this](bool color, bool timer, bool mouse) {
                pause_color_changes(color);
                automatic_timer_pause(timer);
                automatic_mouse_pause(mouse);
            });
    connect(m_task_manager, &ITaskManager::conflicting_application_closed, this,
            &App::close_conflicting_application);
    connect(m_task_manager, &ITaskManager::foreground_changed, this, &App::update_gamma);
    m_task_manager->update(true);
}

void App::close_conflicting_application(const QString& process_name)
{
    reset_colors();
    const QString name = QCoreApplication::applicationName();
    show_message(ShownText::tr("%1 conflicts with %2").arg(process_name, name),
                 ShownText::tr("%1 conflicts with %2 color changes and you may see some ON/OFF "
                               "flicker of the colors.\n%2 automatically closes such apps, but "
                               "please uninstall one of the apps if you still have problems.")
                     .arg(process_name, name));
}

void App::set_current_active_process(const QString& process_name)
{
    const bool changed = process_name != m_current_active_process;
    m_current_active_process = process_name;
    send_active_process();
    if (changed)
        emit tray_menu_changed();
}

// The monitor names the program in front on every update; the page gets the name only while
// the window is shown, and only when it differs from what it was sent last (the window's show
// event makes it send again).
void App::send_active_process()
{
    if (!is_page_loaded() || !isVisible() || m_current_active_process == m_active_process_sent)
        return;
    m_active_process_sent = m_current_active_process;
    call_page_function(QStringLiteral("set_current_active_process"), {m_current_active_process});
}

void App::set_current_color_trigger(const QString& process_name)
{
    m_color_triggers->set_current_process(process_name);
    update_gamma();
}

bool App::apply_color_trigger()
{
    if (!m_color_triggers)
        return false;
    const TriggerStep step =
        m_color_triggers->next_step(setting_flag("UseColorTriggers"), is_gamma_paused());
    switch (step.kind) {
    case TriggerStep::None:
        return false;
    case TriggerStep::Keep:
        return true;
    case TriggerStep::Apply:
        move_to(step.trigger.temperature, step.trigger.brightness);
        return true;
    case TriggerStep::Restore:
        move_to(static_cast<int>(get_interpolated_color_temperature(0)),
                static_cast<int>(get_interpolated_brightness(0)));
        return true;
    }
    return false;
}

void App::forget_applied_trigger()
{
    if (m_color_triggers)
        m_color_triggers->forget_applied();
}

void App::refresh_color_triggers()
{
    if (!m_color_triggers)
        return;
    m_color_triggers->refresh(setting_lines("ColorTriggers"));
    const QStringList problems = m_color_triggers->problems();
    for (const QString& problem : problems)
        log_line(QStringLiteral("Color triggers: ") + problem);
    emit set_color_triggers_message(problems.join(QLatin1Char('\n')));
}

bool App::store_pauser_switch(const char* key, bool value, const char* log_label)
{
    const QString name = QLatin1String(key);
    if (m_settings.value(name).toBool() == value)
        return false;
    log_line(QLatin1String(log_label) + QString::number(int(value)));
    m_settings.insert(name, value);
    emit tray_menu_changed();
    return true;
}

void App::refresh_pausers()
{
    if (!m_task_manager || !(use_color_pausers() || use_timer_pausers() || use_mouse_pausers()))
        return;
    m_task_manager->update(false);
    update_gamma();
}

void App::pauser_list_saved()
{
    refresh_pausers();
    update_gamma();
    emit tray_menu_changed();
}

// A pauser switched off ends the pause it kept at once.
void App::use_color_pausers_changed(bool checked)
{
    if (!store_pauser_switch("UseColorPausers", checked, "use_color_pausers_changed: "))
        return;
    if (!checked)
        pause_color_changes(false);
    refresh_pausers();
}

void App::use_timer_pausers_changed(bool checked)
{
    if (!store_pauser_switch("UseTimerPausers", checked, "use_timer_pausers_changed: "))
        return;
    if (!checked)
        automatic_timer_pause(false);
    refresh_pausers();
}

void App::use_mouse_pausers_changed(bool checked)
{
    if (!store_pauser_switch("UseMousePausers", checked, "use_mouse_pausers_changed: "))
        return;
    if (!checked)
        automatic_mouse_pause(false);
    refresh_pausers();
}

void App::use_color_triggers_changed(bool checked)
{
    if (!store_pauser_switch("UseColorTriggers", checked, "use_color_triggers_changed: "))
        return;
    refresh_pausers();
    update_gamma();
}

void App::color_pausers_pause_on_fullscreen_apps_changed(bool value)
{
    store_setting(QStringLiteral("ColorPausersPauseOnFullscreenApps"), value,
                  "COLOR_PAUSERS_PAUSE_ON_FULLSCREEN_APPS: ");
}

void App::timer_pausers_pause_on_fullscreen_apps_changed(bool value)
{
    store_setting(QStringLiteral("TimerPausersPauseOnFullscreenApps"), value,
                  "TIMER_PAUSERS_PAUSE_ON_FULLSCREEN_APPS: ");
}

void App::mouse_pausers_pause_on_fullscreen_apps_changed(bool value)
{
    store_setting(QStringLiteral("MousePausersPauseOnFullscreenApps"), value,
                  "MOUSE_PAUSERS_PAUSE_ON_FULLSCREEN_APPS: ");
}

bool App::use_color_pausers()
{
    return setting_flag("UseColorPausers");
}

bool App::use_timer_pausers()
{
    return setting_flag("UseTimerPausers");
}

bool App::use_mouse_pausers()
{
    return setting_flag("UseMousePausers");
}

bool App::use_color_triggers()
{
    return setting_flag("UseColorTriggers");
}

bool App::color_pausers_pause_on_fullscreen_apps()
{
    return setting_flag("ColorPausersPauseOnFullscreenApps");
}

bool App::timer_pausers_pause_on_fullscreen_apps()
{
    return setting_flag("TimerPausersPauseOnFullscreenApps");
}

bool App::mouse_pausers_pause_on_fullscreen_apps()
{
    return setting_flag("MousePausersPauseOnFullscreenApps");
}

QStringList App::setting_lines(const char* key) const
{
    return m_settings.value(QLatin1String(key)).toString().split(QLatin1Char('\n'));
}

QStringList App::get_color_pausers()
{
    return setting_lines("ColorPausers");
}

QStringList App::get_timer_pausers()
{
    return setting_lines("TimerPausers");
}

QStringList App::get_mouse_pausers()
{
    return setting_lines("MousePausers");
}

QStringList App::get_color_triggers()
{
    return setting_lines("ColorTriggers");
}

QStringList App::get_applications_for_blocking()
{
    return setting_lines("ApplicationsForBlocking");
}

void App::block_applications(const QString&)
{
    if (SaveManager::instance())
        SaveManager::instance()->write_applications_blocked(true);
}

void App::unblock_applications()
{
    if (SaveManager::instance())
        SaveManager::instance()->write_applications_blocked(false);
}

void App::automatic_mouse_pause(bool checked)
{
    if (checked == m_mouse_pauser_pause)
        return;
    m_mouse_pauser_pause = checked;
    // The software cursor goes while a listed program shows and comes back after it.
    if (setting_flag("UseSoftwareCursor"))
        apply_cursor_mode(!checked);
}

QStringList App::get_recent_processes()
{
    return m_task_manager ? m_task_manager->get_recent_processes() : QStringList();
}
