// The controller's side of the overlays: the overlay screen with its clear area, and the
// lightness screen. The windows and their settings live in ScreenOverlays.
#include "App.h"

#include "color/ColorOutput.h"
#include "color/SoftwareColorEffects.h"
#include "platform/Platform.h"
#include "screens/ScreenOverlays.h"
#include "system/SystemMouse.h"

void App::create_screen_overlays()
{
    ScreenOverlaysHooks hooks;
    hooks.is_paused = [this] { return is_kavo_paused(); };
    hooks.update_gamma = [this] { return update_gamma(); };
    hooks.set_gamma_layer = [this](const ChannelCurves& curves) {
        if (m_color_output)
            m_color_output->set_overlay_curves(curves);
    };
    hooks.now_ms = [] { return static_cast<double>(Platform::current().clock().nowMs()); };
    m_screen_overlays = new ScreenOverlays(m_settings, m_location, m_ignored_monitors, *mouse(),
                                           std::move(hooks), this);
    // The monitors there are now: the update loop refreshes the page's monitor tabs only when
    // that number changes (the overlays follow the desktop themselves).
    m_monitor_count = Platform::current().displays().monitorCount();
    use_overlay_screen_changed(setting_flag("UseOverlayScreen"));
    use_lightness_screen_changed(setting_flag("UseLightnessScreen"));
}

void App::use_overlay_screen_changed(bool value)
{
    m_screen_overlays->use_overlay_screen_changed(value);
}

void App::create_overlay_screen()
{
    m_screen_overlays->create_overlay_screen();
}

void App::delete_overlay_screen()
{
    m_screen_overlays->delete_overlay_screen();
}

void App::recreate_overlay_screen()
{
    m_screen_overlays->recreate_overlay_screen();
}

void App::refresh_overlay_screens(bool force)
{
    m_screen_overlays->refresh_overlay_screens(force);
}

void App::refresh_overlay_screens()
{
    m_screen_overlays->refresh_overlay_screens(false);
}

void App::day_opacity_changed(int value)
{
    m_screen_overlays->day_opacity_changed(value);
}

void App::night_opacity_changed(int value)
{
    m_screen_overlays->night_opacity_changed(value);
}

void App::day_dim_changed(int value)
{
    m_screen_overlays->day_dim_changed(value);
}

void App::night_dim_changed(int value)
{
    m_screen_overlays->night_dim_changed(value);
}

void App::overlay_color_changed(int value)
{
    m_screen_overlays->overlay_color_changed(value);
}

void App::select_overlay_screen_area()
{
    m_screen_overlays->select_overlay_screen_area();
}

void App::reset_selected_overlay_screen_area()
{
    m_screen_overlays->reset_selected_overlay_screen_area();
}

void App::use_lightness_screen_changed(bool value)
{
    m_screen_overlays->use_lightness_screen_changed(value);
}

void App::create_lightness_screen()
{
    m_screen_overlays->create_lightness_screen();
}

void App::delete_lightness_screen()
{
    m_screen_overlays->delete_lightness_screen();
}

void App::recreate_lightness_screen()
{
    m_screen_overlays->recreate_lightness_screen();
}

void App::refresh_lightness_screens(bool force)
{
    m_screen_overlays->refresh_lightness_screens(force);
}

void App::refresh_lightness_screens()
{
    m_screen_overlays->refresh_lightness_screens(false);
}

void App::lightness_screen_opacity_changed(int value)
{
    m_screen_overlays->lightness_screen_opacity_changed(value);
}

void App::lightness_screen_radius_changed(int value)
{
    m_screen_overlays->lightness_screen_radius_changed(value);
}

void App::lightness_screen_x_position_changed(int value)
{
    m_screen_overlays->lightness_screen_x_position_changed(value);
}

void App::lightness_screen_y_position_changed(int value)
{
    m_screen_overlays->lightness_screen_y_position_changed(value);
}

bool App::is_color_effect_live(int effect)
{
    return Platform::current().has(Capability::Magnifier) || SoftwareColorEffects::is_live(effect);
}
