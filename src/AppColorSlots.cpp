// App's colour output: construction, the hooks the colour output calls back, and the page slots,
// each forwarded to ColorOutput or its ColorEffectControl.
#include "App.h"

#include "ColorTransitions.h"
#include "KavoLog.h"

#include "color/ColorEffectControl.h"
#include "color/ColorOutput.h"
#include "color/MagnificationApi.h"
#include "color/SystemParametersInfoApi.h"
#include "platform/Platform.h"
#include "screens/KavoMessageBox.h"

void App::create_color_output()
{
    Platform& platform = Platform::current();
    m_system_parameters = std::make_unique<SystemParametersInfoApi>(platform.systemParameters());
    if (!MagnificationApi::instance())
        m_magnification =
            std::make_unique<MagnificationApi>(platform.magnifier(), platform.displays());
    m_color_output =
        std::make_unique<ColorOutput>(m_settings, m_ignored_monitors, color_output_hooks());
    m_color_output->start();
    connect(&platform.displays().events(), &DisplayEvents::monitorsChanged, this,
            &App::monitors_changed);
}

// A resume or an unlock may have reset the ramps. Followed once the first colours are on the
// screen: the desktop's session is reached over D-Bus, which may take a while.
void App::reapply_colors_after_session_changes()
{
    ISession& session = Platform::current().session();
    connect(&session, &ISession::resumed, this, &App::reapply_colors);
    connect(&session, &ISession::unlocked, this, &App::reapply_colors);
}

void App::monitors_changed()
{
    log_line(
        QStringLiteral("Monitors changed: %1").arg(Platform::current().displays().monitorCount()));
    reapply_colors();
    update_ui();
    emit set_color_routes_message(Platform::current().description());
}

void App::tell_if_colors_cannot_change()
{
    const QString reason = Platform::current().noColorRouteReason();
    if (reason.isEmpty())
        return;
    // Words of the log as much as of the desktop: the line is the same in every language.
    const QString message =
        QStringLiteral("This desktop offers Kavo no way to change colours: ") + reason;
    log_line(message);
    show_message(QStringLiteral("Kavo"), message);
}

void App::reapply_colors()
{
    m_color_output->invalidate_cache();
    update_gamma();
}

void App::restore_route_abilities()
{
    IGamma* gamma = m_color_output ? m_color_output->gamma() : nullptr;
    emit set_brightness_available(!gamma || gamma->shows_brightness());
    emit set_ramps_available(!gamma || gamma->shows_ramps());
}

void App::check_gamma_range()
{
    m_color_output->check_gamma_range();
}

ColorOutputHooks App::color_output_hooks()
{
    ColorOutputHooks hooks;
    hooks.show_message_box = [](const QString& title, const QString& message) {
        new KavoMessageBox(title, message);
    };
    hooks.bring_to_front = [this] { bring_to_front(); };
    hooks.update_gamma = [this] { return update_gamma(); };
    hooks.is_gamma_paused = [this] { return is_gamma_paused(); };
    hooks.start_switch_state = [this] { switch_state(); };
    hooks.is_switch_state_running = [this] {
        return m_transitions->switch_running() || m_transitions->switch_return_running();
    };
    return hooks;
}

void App::set_gamma_ui()
{
    if (!is_page_loaded()) {
        log_line(QStringLiteral("evaluate_JavaScript failed DOM not loaded"));
        return;
    }
    call_page_function(QStringLiteral("enable_all_gamma_options"));
}

void App::fix_gamma()
{
    m_color_output->fix_gamma();
}

int App::refresh_color_fixer()
{
    return m_color_output->refresh_color_fixer();
}

int App::read_gamma_registry()
{
    return m_color_output->read_gamma_registry();
}

int App::reset_gamma()
{
    return m_color_output->reset_gamma();
}

void App::restore_gamma()
{
    m_color_output->restore_gamma();
}

int App::reset_colors()
{
    return m_color_output->reset_colors();
}

void App::use_gamma_fixer_changed(bool value)
{
    m_color_output->use_gamma_fixer_changed(value);
}

void App::preserve_gamma_changed(bool value)
{
    m_color_output->preserve_gamma_changed(value);
}

void App::use_low_level_color_api_changed(bool value)
{
    m_color_output->use_low_level_color_api_changed(value);
}

void App::color_scheme_changed(int color_scheme)
{
    m_color_output->color_scheme_changed(color_scheme);
}

void App::leading_color_changed(int leading_color)
{
    m_color_output->leading_color_changed(leading_color);
}

void App::refresh_color_effects()
{
    m_color_output->effect_control().refresh_color_effects();
}

void App::color_effect_changed(int value)
{
    m_color_output->effect_control().color_effect_changed(value);
}

void App::use_color_effects_changed(bool value)
{
    m_color_output->effect_control().use_color_effects_changed(value);
}

void App::saturation_changed(int value)
{
    m_color_output->effect_control().saturation_changed(value);
}

void App::refresh_color_inversion()
{
    m_color_output->effect_control().refresh_color_inversion();
}

void App::invert_colors()
{
    m_color_output->effect_control().invert_colors();
}

void App::revert_colors()
{
    m_color_output->effect_control().revert_colors();
}

void App::toggle_inverted_gamma()
{
    m_color_output->effect_control().toggle_inverted_gamma();
}

void App::use_inverted_colors_changed(bool value)
{
    m_color_output->effect_control().use_inverted_colors_changed(value);
}

bool App::use_inverted_colors()
{
    return m_color_output->effect_control().use_inverted_colors();
}
