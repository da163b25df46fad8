// Modes (automatic, manual, paused) and types (the presets) of the controller.
#include "App.h"

#include "Presets.h"
#include "color/ColorOutput.h"
#include "system/ITrayIcon.h"

namespace {
struct AdvancedCopy
{
    const char* advanced;
    const char* live;
};

// The Custom values kept in the Advanced keys, in the order they are put back.
const AdvancedCopy kAdvancedCopies[] = {
    {"AdvancedDayTemperature", "DayTemperature"},
    {"AdvancedNightTemperature", "NightTemperature"},
    {"AdvancedDayBrightness", "DayBrightness"},
    {"AdvancedNightBrightness", "NightBrightness"},
    {"AdvancedSleepLight", "SleepLight"},
    {"AdvancedSleepBrightness", "SleepBrightness"},
    {"AdvancedColorEffect", "ColorEffect"},
    {"AdvancedUseManualColorSettings", "UseManualColorSettings"},
    {"AdvancedUseColorEffects", "UseColorEffects"},
    {"AdvancedUseManualBrightness", "UseManualBrightness"},
    {"AdvancedUseSleepLight", "UseSleepLight"},
    {"AdvancedUseOverlayScreen", "UseOverlayScreen"},
    {"AdvancedDayOpacity", "DayOpacity"},
    {"AdvancedNightOpacity", "NightOpacity"},
    {"AdvancedDayDim", "DayDim"},
    {"AdvancedNightDim", "NightDim"},
    {"AdvancedUseLightnessScreen", "UseLightnessScreen"},
    {"AdvancedLightnessScreenOpacity", "LightnessScreenOpacity"},
    {"AdvancedLightnessScreenRadius", "LightnessScreenRadius"},
    {"AdvancedLightnessScreenXposition", "LightnessScreenXPosition"},
    {"AdvancedLightnessScreenYPosition", "LightnessScreenYPosition"},
};
} // namespace

void App::kavo_mode_changed(int mode)
{
    const int old_mode = m_settings.value(QStringLiteral("KavoMode")).toInt();
    m_settings.insert(QStringLiteral("KavoMode"), mode);
    if (mode == kModeAutomatic || mode == kModeManual) {
        m_settings.insert(QStringLiteral("UseManualColorSettings"), mode == kModeManual);
        m_settings.insert(QStringLiteral("UseManualBrightness"), mode == kModeManual);
        pause_kavo(false);
    } else if (mode == kModePaused) {
        pause_kavo(true);
    }
    glide_to_schedule();
    if (old_mode == mode)
        return;
    if (m_tray_icon)
        m_tray_icon->refresh_selected_mode();
    emit set_kavo_mode_dropdown_value_ui(mode);
}

void App::kavo_mode_changed_force(int mode, bool force)
{
    if (!force && mode == m_settings.value(QStringLiteral("KavoMode")).toInt())
        return;
    kavo_mode_changed(mode);
}

void App::change_mode()
{
    int next = m_settings.value(QStringLiteral("KavoMode")).toInt() + 1;
    if (next > kModePaused)
        next = kModeAutomatic;
    kavo_mode_changed_force(next, false);
}

void App::kavo_type_changed(int type)
{
    const int old_type = m_settings.value(QStringLiteral("KavoType")).toInt();
    m_settings.insert(QStringLiteral("KavoType"), type);
    apply_type_preset(type);
    glide_to_schedule();
    if (old_type == type)
        return;
    // The Advanced values of Custom may have set the manual flags; the mode decides them again.
    if (old_type == kTypeCustom)
        kavo_mode_changed(m_settings.value(QStringLiteral("KavoMode")).toInt());
    if (m_tray_icon)
        m_tray_icon->refresh_selected_type();
    emit set_kavo_type_dropdown_value_ui(type);
}

void App::kavo_type_changed_force(int type, bool force)
{
    if (!force && type == m_settings.value(QStringLiteral("KavoType")).toInt())
        return;
    kavo_type_changed(type);
}

void App::apply_type_preset(int type)
{
    const TypePreset preset = preset_for_type(type);
    for (const auto& [key, value] : preset.values)
        m_settings.insert(key, value);
    if (type == kTypeCustom && setting_flag("AdvancedView"))
        set_kavo_to_advanced_settings();
    if (preset.inversion == TypePreset::Inversion::Invert)
        invert_colors();
    else if (preset.inversion == TypePreset::Inversion::Revert)
        revert_colors();
    if (preset.writes_overlay)
        use_overlay_screen_changed(setting_flag("UseOverlayScreen"));
    if (preset.writes_lightness)
        use_lightness_screen_changed(setting_flag("UseLightnessScreen"));
}

// After a mode or type change the screen glides to what the schedule now asks for.
void App::glide_to_schedule()
{
    move_to(static_cast<int>(get_interpolated_color_temperature(0)),
            static_cast<int>(get_interpolated_brightness(0)));
    if (m_color_output)
        m_color_output->invalidate_cache();
    update_gamma();
    refresh_overlay_screens(false);
    update_ui();
}

void App::set_kavo_to_advanced_settings()
{
    m_settings.insert(QStringLiteral("ColorChangesPaused"), false);
    for (const AdvancedCopy& copy : kAdvancedCopies)
        m_settings.insert(QLatin1String(copy.live), m_settings.value(QLatin1String(copy.advanced)));
    if (setting_flag("AdvancedUseInvertedColors"))
        invert_colors();
    else
        revert_colors();
}
