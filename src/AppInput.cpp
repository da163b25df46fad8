// The controller's side of the keyboard, the mouse and the global shortcuts: which hooks run,
// inactivity, the auto clicker, the software cursor and the shortcuts page.
#include "App.h"

#include "KavoLog.h"
#include "color/MagnificationApi.h"
#include "color/SystemParametersInfoApi.h"
#include "platform/Platform.h"
#include "system/HotkeyProcessor.h"
#include "system/SystemKeyboard.h"
#include "system/SystemMouse.h"

namespace {
void log_switch(const char* label, bool value)
{
    log_line(QLatin1String(label) + QString::number(int(value)));
}
} // namespace

SystemKeyboard* App::keyboard() const
{
    return SystemKeyboard::instance();
}

SystemMouse* App::mouse() const
{
    return SystemMouse::instance();
}

void App::create_input_services()
{
    Platform& platform = Platform::current();
    if (!SystemKeyboard::instance())
        m_own_keyboard =
            std::make_unique<SystemKeyboard>(platform.input(), platform.has(Capability::Magnifier));
    if (!SystemMouse::instance())
        m_own_mouse = std::make_unique<SystemMouse>(platform.input());
    m_hotkey_processor = new HotkeyProcessor(*this);
    connect(m_hotkey_processor, &HotkeyProcessor::registration_changed, this,
            &App::publish_shortcut_problems);
    connect_input_services();
    m_hotkey_processor->register_shortcuts();
    reconnect_keyboard_hook();
    reconnect_mouse_hook();
    // A software cursor asked for in an earlier run comes back (or is refused here).
    if (setting_flag("UseSoftwareCursor"))
        restore_use_software_cursor();
}

void App::connect_input_services()
{
    connect(keyboard(), &SystemKeyboard::key_pressed, this, &App::key_pressed);
    connect(mouse(), &SystemMouse::mouse_move_event, this, &App::mouse_move_event);
    // Scrolling through a long text is using the computer too.
    connect(mouse(), &SystemMouse::mouse_wheel_event, this, &App::mouse_move_event);
    connect(mouse(), &SystemMouse::clicking_changed, this, &App::auto_clicker_changed);
}

void App::key_pressed(DWORD key, DWORD)
{
    if (setting_flag("UseKeyboardInactivity"))
        reset_idle_time();
    if (m_hotkey_processor)
        m_hotkey_processor->zoom_keys(key);
}

void App::mouse_move_event(MSLLHOOKSTRUCT*)
{
    if (m_mouse_hook_connected && setting_flag("UseMouseInactivity"))
        reset_idle_time();
}

void App::connect_mouse_hook()
{
    mouse()->set_hook(true);
    m_mouse_hook_connected = true;
}

void App::disconnect_mouse_hook()
{
    mouse()->set_hook(false);
    m_mouse_hook_connected = false;
}

void App::reconnect_mouse_hook()
{
    const bool wanted = setting_flag("UseMouseInactivity");
    if (wanted && !m_mouse_hook_connected)
        connect_mouse_hook();
    else if (!wanted && m_mouse_hook_connected)
        disconnect_mouse_hook();
}

void App::reconnect_keyboard_hook()
{
    const bool hook = setting_flag("UseKeyboardHook");
    if (!hook) {
        keyboard()->set_block_zoom_keys(false);
        keyboard()->set_emit_keys(false);
    }
    bool shortcuts_on = false;
    if (setting_flag("UseKeyboardShortcuts")) {
        if (hook) {
            keyboard()->set_emit_keys(true);
            keyboard()->set_block_zoom_keys(true);
        }
        shortcuts_on = true;
    } else if (setting_flag("UseKeyboardInactivity")) {
        if (hook) {
            keyboard()->set_emit_keys(true);
            keyboard()->set_block_zoom_keys(false);
        }
    } else {
        keyboard()->set_block_zoom_keys(false);
        keyboard()->set_emit_keys(false);
    }
    if (m_hotkey_processor)
        m_hotkey_processor->set_enabled(shortcuts_on, false);
}

void App::shortcut_changed(int feature_index, const QString& new_shortcut)
{
    m_hotkey_processor->change_shortcut(feature_index, new_shortcut);
    emit set_shortcuts_values(m_hotkey_processor->shortcut_texts());
}

void App::shortcut_recording_started()
{
    m_hotkey_processor->suspend(true);
}

void App::shortcut_recording_finished()
{
    m_hotkey_processor->suspend(false);
}

void App::publish_shortcut_problems()
{
    const QStringList problems = m_hotkey_processor->registration_problems();
    for (const QString& problem : problems)
        log_line(QStringLiteral("Shortcut not registered: ") + problem);
    emit set_shortcuts_message(problems.join(QLatin1Char('\n')));
}

void App::use_keyboard_shortcuts_changed(bool value)
{
    if (setting_flag("UseKeyboardShortcuts") == value)
        return;
    log_switch("USE_KEYBOARD_SHORTCUTS: ", value);
    m_settings.insert(QStringLiteral("UseKeyboardShortcuts"), value);
    reconnect_keyboard_hook();
}

void App::use_keyboard_inactivity_changed(bool value)
{
    if (setting_flag("UseKeyboardInactivity") == value)
        return;
    log_switch("USE_KEYBOARD_INACTIVITY: ", value);
    m_settings.insert(QStringLiteral("UseKeyboardInactivity"), value);
    reset_idle_time();
    reconnect_keyboard_hook();
}

void App::use_mouse_inactivity_changed(bool value)
{
    if (setting_flag("UseMouseInactivity") == value)
        return;
    log_switch("USE_MOUSE_INACTIVITY: ", value);
    m_settings.insert(QStringLiteral("UseMouseInactivity"), value);
    reconnect_mouse_hook();
    reset_idle_time();
}

void App::use_keyboard_blocking_changed(bool value)
{
    if (setting_flag("UseKeyboardBlocking") != value)
        m_settings.insert(QStringLiteral("UseKeyboardBlocking"), value);
}

void App::start_mouse_clicking()
{
    mouse()->start_clicking(m_settings.value(QStringLiteral("MouseClickInterval")).toInt());
}

void App::stop_mouse_clicking()
{
    mouse()->stop_clicking();
}

bool App::is_auto_clicker_running()
{
    return mouse()->is_clicking();
}

void App::mouse_click_interval_changed(int value)
{
    if (m_settings.value(QStringLiteral("MouseClickInterval")).toInt() == value)
        return;
    log_line(QStringLiteral("mouse_click_interval:") + QString::number(value));
    m_settings.insert(QStringLiteral("MouseClickInterval"), value);
}

void App::use_software_cursor_changed(bool value)
{
    if (setting_flag("UseSoftwareCursor") == value)
        return;
    log_switch("USE_SOFTWARE_CURSOR: ", value);
    m_settings.insert(QStringLiteral("UseSoftwareCursor"), value);
    restore_use_software_cursor();
}

void App::restore_use_software_cursor()
{
    set_mouse_trails(setting_flag("UseSoftwareCursor"));
}

void App::set_mouse_trails(bool use_software_cursor)
{
    if (apply_cursor_mode(use_software_cursor) || !use_software_cursor) {
        emit set_software_cursor_message(QString());
        return;
    }
    // The desktop cannot draw the cursor in software: the setting does not stay on.
    const QString reason =
        tr("This desktop cannot draw the mouse cursor in software: the cursor stays as it is.");
    log_line(QStringLiteral("Software cursor refused: ") + reason);
    m_settings.insert(QStringLiteral("UseSoftwareCursor"), false);
    emit set_use_software_cursor(false);
    emit set_software_cursor_message(reason);
}

// The cursor mode only changes while nothing is zoomed (or where the desktop cannot zoom);
// true when it was applied or there was nothing to do.
bool App::apply_cursor_mode(bool use_software_cursor)
{
    const MagnificationApi* magnifier = MagnificationApi::instance();
    if (magnifier && magnifier->zoom_level() != 1.0f)
        return true;
    if (!m_system_parameters)
        return false;
    return use_software_cursor ? m_system_parameters->use_software_cursor()
                               : m_system_parameters->use_hardware_cursor();
}

void App::refresh_after_shortcut()
{
    update();
    update_gamma();
    update_ui();
}
