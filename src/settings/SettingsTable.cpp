#include "settings/SettingsTable.h"

#include <QPoint>

const QString SettingsTable::kSaveVersion = QStringLiteral("6");

const std::vector<SettingKey>& SettingsTable::keys()
{
    // clang-format off
    static const std::vector<SettingKey> table = {
    {"ApiArguments", SettingType::String, QVariant(QString()), kNotInMap, nullptr},
    {"SaveVersion", SettingType::String, QVariant(QStringLiteral("0")), kNotInMap, nullptr},
    {"IsFirstStart", SettingType::Bool, QVariant(true), 0, nullptr},
    {"Language", SettingType::String, QVariant(QStringLiteral("en")), 0, "set_language_dropdown_value"},
    {"KavoMode", SettingType::Int, QVariant(1), 0, nullptr},
    {"KavoType", SettingType::Int, QVariant(1), 0, nullptr},
    {"TimerType", SettingType::Int, QVariant(1), 0, "set_strictness_value"},
    {"UiScale", SettingType::Int, QVariant(0), 0, nullptr},
    {"DayTemperature", SettingType::Int, QVariant(5000), kPerMonitor, nullptr},
    {"NightTemperature", SettingType::Int, QVariant(3400), kPerMonitor, nullptr},
    {"DayBrightness", SettingType::Int, QVariant(100), kPerMonitor, nullptr},
    {"NightBrightness", SettingType::Int, QVariant(80), kPerMonitor, nullptr},
    {"SleepLight", SettingType::Int, QVariant(2700), kPerMonitor, nullptr},
    {"SleepBrightness", SettingType::Int, QVariant(75), kPerMonitor, nullptr},
    {"PWMFrequency", SettingType::Int, QVariant(-1), 0, "set_pwm_frequency_slider_value_ui"},
    {"PWMMaxFrequency", SettingType::Int, QVariant(2000), 0, "set_pwm_max_frequency_value"},
    {"UpdateContinuously", SettingType::Bool, QVariant(true), 0, "set_pwm_control_update_continuously"},
    {"UsePWMControl", SettingType::Bool, QVariant(false), 0, "set_use_pwm_control"},
    {"UsePerMonitorSettings", SettingType::Bool, QVariant(false), 0, "set_use_per_monitor_settings"},
    {"ColorEffect", SettingType::Int, QVariant(1), 0, "set_color_effect_dropdown_value"},
    {"WorkTime", SettingType::Int, QVariant(20), 0, "set_work_time_value"},
    {"RestTime", SettingType::Int, QVariant(20), 0, "set_rest_time_value"},
    {"PostponeTime", SettingType::Int, QVariant(3), 0, "set_postpone_time_value"},
    {"AutoCloseRest", SettingType::Bool, QVariant(true), 0, "set_automatically_close_rest_screen_value"},
    {"UseSounds", SettingType::Bool, QVariant(false), 0, "set_use_sounds"},
    {"UseManualColorSettings", SettingType::Bool, QVariant(false), 0, "set_use_manual_color_settings"},
    {"UseColorEffects", SettingType::Bool, QVariant(false), 0, "set_use_color_effects"},
    {"UseManualBrightness", SettingType::Bool, QVariant(false), 0, "set_use_manual_brightness"},
    {"UseSleepLight", SettingType::Bool, QVariant(true), 0, "set_use_sleep_light"},
    {"UseSaturation", SettingType::Bool, QVariant(false), 0, "set_use_saturation"},
    {"UseManualLocation", SettingType::Bool, QVariant(false), 0, "set_use_manual_location"},
    {"UseManualNightDuration", SettingType::Bool, QVariant(false), 0, "set_use_manual_night_duration"},
    {"UseAutomaticBrightness", SettingType::Bool, QVariant(false), 0, "set_use_automatic_brightness"},
    {"MatchBrightnessToLighting", SettingType::Bool, QVariant(false), 0, "set_match_brightness_to_lighting"},
    {"SmartBrightness", SettingType::Bool, QVariant(false), 0, "set_use_smart_brightness"},
    {"SmartInversion", SettingType::Bool, QVariant(false), 0, "set_use_smart_inversion"},
    {"UseBlinkDetection", SettingType::Bool, QVariant(false), 0, "set_use_blink_detection"},
    {"CheckForUpdates", SettingType::Bool, QVariant(false), 0, "set_check_for_updates"},
    {"HideTaskbarIcon", SettingType::Bool, QVariant(true), 0, "set_hide_taskbar_icon"},
    {"UseMouseInactivity", SettingType::Bool, QVariant(false), 0, "set_use_mouse_inactivity"},
    {"UseKeyboardInactivity", SettingType::Bool, QVariant(false), 0, "set_use_keyboard_inactivity"},
    {"UseKeyboardBlocking", SettingType::Bool, QVariant(false), 0, "set_use_keyboard_blocking"},
    {"UseSoftwareCursor", SettingType::Bool, QVariant(false), 0, "set_use_software_cursor"},
    {"AutosaveSettings", SettingType::Bool, QVariant(true), 0, "set_auto_save_settings"},
    {"DestroyUiOnClose", SettingType::Bool, QVariant(false), 0, "set_destroy_ui_on_close"},
    {"StartOnStartup", SettingType::Bool, QVariant(true), 0, "set_start_on_startup"},
    {"UseTemperatureExtendedValues", SettingType::Bool, QVariant(false), 0, "set_temperature_extended_values"},
    {"UseBrightnessExtendedValues", SettingType::Bool, QVariant(false), 0, "set_brightness_extended_values"},
    {"UseInvertedColors", SettingType::Bool, QVariant(false), 0, "set_use_inverted_colors"},
    {"UseBlinkScreen", SettingType::Bool, QVariant(false), 0, "set_use_blink_screen"},
    {"UseColorPausers", SettingType::Bool, QVariant(false), 0, "set_use_color_pausers"},
    {"UseTimerPausers", SettingType::Bool, QVariant(false), 0, "set_use_timer_pausers"},
    {"UseMousePausers", SettingType::Bool, QVariant(false), 0, "set_use_mouse_pausers"},
    {"UseColorTriggers", SettingType::Bool, QVariant(false), 0, "set_use_color_triggers"},
    {"AdvancedView", SettingType::Bool, QVariant(false), 0, "set_use_advanced_settings"},
    {"ColorPausers", SettingType::String, QVariant(QStringLiteral("Photoshop.exe\n3dsmax.exe\nblender.exe\nmaya.exe")), kList, "set_color_pausers_list"},
    {"TimerPausers", SettingType::String, QVariant(QStringLiteral("KMPlayer.exe\nvlc.exe\nbsplayer.exe")), kList, "set_timer_pausers_list"},
    {"MousePausers", SettingType::String, QVariant(QStringLiteral("Dota.exe\nWOW.exe\nhl.exe\nOtherGame.exe")), kList, "set_mouse_pausers_list"},
    {"ColorTriggers", SettingType::String, QVariant(QStringLiteral("vlc.exe = 6500 120\nmpc-hc64.exe = 6500 120")), kList, "set_color_triggers_list"},
    {"WebsitesForBlocking", SettingType::String, QVariant(QString()), kList, "set_websites_for_blocking"},
    {"ApplicationsForBlocking", SettingType::String, QVariant(QString()), kList, "set_applications_for_blocking"},
    {"DayOpacity", SettingType::Int, QVariant(5), 0, "set_day_opacity_slider_value"},
    {"NightOpacity", SettingType::Int, QVariant(40), 0, "set_night_opacity_slider_value"},
    {"DayDim", SettingType::Int, QVariant(0), 0, "set_day_dim_slider_value"},
    {"NightDim", SettingType::Int, QVariant(10), 0, "set_night_dim_slider_value"},
    {"LightnessScreenOpacity", SettingType::Int, QVariant(30), 0, "set_lightness_screen_opacity_slider_value"},
    {"LightnessScreenRadius", SettingType::Int, QVariant(30), 0, "set_lightness_screen_radius_slider_value"},
    {"LightnessScreenXPosition", SettingType::Int, QVariant(50), 0, "set_lightness_screen_x_position_slider_value"},
    {"LightnessScreenYPosition", SettingType::Int, QVariant(50), 0, "set_lightness_screen_y_position_slider_value"},
    {"NightStartTimeHours", SettingType::Int, QVariant(20), 0, "set_night_start_time_value"},
    {"NightStartTimeMinutes", SettingType::Int, QVariant(0), 0, nullptr},
    {"NightEndTimeHours", SettingType::Int, QVariant(6), 0, "set_night_end_time_value"},
    {"NightEndTimeMinutes", SettingType::Int, QVariant(0), 0, nullptr},
    {"BedtimeHours", SettingType::Int, QVariant(0), 0, "set_bedtime_value"},
    {"BedtimeMinutes", SettingType::Int, QVariant(0), 0, nullptr},
    {"WakeTimeHours", SettingType::Int, QVariant(4), 0, "set_wake_time_value"},
    {"WakeTimeMinutes", SettingType::Int, QVariant(0), 0, nullptr},
    {"UpdatesInterval", SettingType::Int, QVariant(1), 0, "set_updates_interval_value"},
    {"MouseClickInterval", SettingType::Int, QVariant(1000), 0, "set_mouse_click_interval"},
    {"ColorChangesPaused", SettingType::Bool, QVariant(false), kState, nullptr},
    {"TimerPaused", SettingType::Bool, QVariant(true), kState, nullptr},
    {"CameraActive", SettingType::Bool, QVariant(false), kState, "set_use_camera"},
    {"KavoPaused", SettingType::Bool, QVariant(false), kState, nullptr},
    {"ApplicationsBlocked", SettingType::Bool, QVariant(false), kNotInMap, nullptr},
    {"Latitude", SettingType::Double, QVariant(-1.0), kNotInMap, "set_latitude_value"},
    {"Longitude", SettingType::Double, QVariant(-1.0), kNotInMap, "set_longitude_value"},
    {"FontType", SettingType::Int, QVariant(3), 0, "set_font_type_value"},
    {"GdippEnabled", SettingType::Bool, QVariant(false), kNotInMap, nullptr},
    {"UseHardwareBrightness", SettingType::Bool, QVariant(false), 0, nullptr},
    {"HardwareBrightnessLimit", SettingType::Int, QVariant(100), 0, nullptr},
    {"UseLowLevelColorApi", SettingType::Bool, QVariant(), 0, "set_use_low_level_color_api"},
    {"IgnoreMonitors", SettingType::String, QVariant(QString()), kNotInMap, nullptr},
    {"LastCheckedDailyUsageOn", SettingType::String, QVariant(QString()), 0, nullptr},
    {"UseOverlayScreen", SettingType::Bool, QVariant(false), 0, "set_use_overlay_screen"},
    {"UseLightnessScreen", SettingType::Bool, QVariant(false), 0, "set_use_lightness_screen"},
    {"OverlayScreenStartMousePosition", SettingType::Point, QVariant(QPoint(0, 0)), 0, nullptr},
    {"OverlayScreenEndMousePosition", SettingType::Point, QVariant(QPoint(0, 0)), 0, nullptr},
    {"OverlayScreenColor", SettingType::Int, QVariant(9), kTextRefused, "set_overlay_color_dropdown_value"},
    {"ColorScheme", SettingType::Int, QVariant(1), 0, "set_color_scheme_dropdown_value"},
    {"LeadingColor", SettingType::Int, QVariant(1), 0, "set_leading_color_dropdown_value"},
    {"UseHiddenFeaturesNotifications", SettingType::Bool, QVariant(true), 0, nullptr},
    {"UseGammaFixer", SettingType::Bool, QVariant(true), 0, "set_use_gamma_fixer"},
    {"OptimizeUiCreation", SettingType::Bool, QVariant(true), 0, "set_optimize_ui_creation"},
    {"UseSpinningTrayIcon", SettingType::Bool, QVariant(true), 0, nullptr},
    {"PreserveGamma", SettingType::Bool, QVariant(), 0, nullptr},
    {"EnableConflictingApplications", SettingType::Bool, QVariant(false), 0, nullptr},
    {"UnusedPages", SettingType::List, QVariant(QVariantList()), 0, nullptr},
    {"DayTransitionDuration", SettingType::Int, QVariant(3600), 0, "set_day_transition_duration_value"},
    {"NightTransitionDuration", SettingType::Int, QVariant(3600), 0, "set_night_transition_duration_value"},
    {"SleepTransitionDuration", SettingType::Int, QVariant(3600), 0, "set_sleep_transition_duration_value"},
    {"PauseTransitionDuration", SettingType::Int, QVariant(1000), 0, "set_pause_transition_duration_value"},
    {"UseGhostIcon", SettingType::Bool, QVariant(false), 0, nullptr},
    {"TimeZoneOffset", SettingType::Int, QVariant(0), 0, "set_time_zone_offset_value"},
    {"NewMoonOffset", SettingType::Int, QVariant(300), 0, "set_new_moon_offset_value"},
    {"FullMoonOffset", SettingType::Int, QVariant(1200), 0, "set_full_moon_offset_value"},
    {"RestScreenType", SettingType::Int, QVariant(2), 0, "set_rest_screen_type_dropdown_value"},
    {"AllowMultipleInstances", SettingType::Bool, QVariant(false), 0, nullptr},
    {"UseKeyboardHook", SettingType::Bool, QVariant(true), 0, nullptr},
    {"UseKeyboardShortcuts", SettingType::Bool, QVariant(false), 0, "set_use_keyboard_shortcuts"},
    {"UsePanicKeyboardShortcuts", SettingType::Bool, QVariant(true), 0, nullptr},
    {"ColorPausersPauseOnFullscreenApps", SettingType::Bool, QVariant(false), 0, "set_color_pausers_pause_on_fullscreen_apps"},
    {"TimerPausersPauseOnFullscreenApps", SettingType::Bool, QVariant(true), 0, "set_timer_pausers_pause_on_fullscreen_apps"},
    {"MousePausersPauseOnFullscreenApps", SettingType::Bool, QVariant(true), 0, "set_mouse_pausers_pause_on_fullscreen_apps"},
    {"IncreaseTemperatureHotkey", SettingType::String, QVariant(QStringLiteral("Ctrl+Alt+Up")), 0, nullptr},
    {"DecreaseTemperatureHotkey", SettingType::String, QVariant(QStringLiteral("Ctrl+Alt+Down")), 0, nullptr},
    {"IncreaseBrightnessHotkey", SettingType::String, QVariant(QStringLiteral("Ctrl+Alt+PgUp")), 0, nullptr},
    {"DecreaseBrightnessHotkey", SettingType::String, QVariant(QStringLiteral("Ctrl+Alt+PgDown")), 0, nullptr},
    {"StartOverlayScreenHotkey", SettingType::String, QVariant(QStringLiteral("Ctrl+Alt+Home")), 0, nullptr},
    {"EndOverlayScreenHotkey", SettingType::String, QVariant(QStringLiteral("Ctrl+Alt+End")), 0, nullptr},
    {"UseColorEffectsHotkey", SettingType::String, QVariant(QStringLiteral("Ctrl+Alt+R")), 0, nullptr},
    {"PauseResumeKavoHotkey", SettingType::String, QVariant(QStringLiteral("Ctrl+Alt+P")), 0, nullptr},
    {"ManualAutomaticToggleHotkey", SettingType::String, QVariant(QStringLiteral("Ctrl+Alt+M")), 0, nullptr},
    {"StartRestHotkey", SettingType::String, QVariant(QStringLiteral("Ctrl+Alt+Enter")), 0, nullptr},
    {"PauseResumeTimerHotkey", SettingType::String, QVariant(QStringLiteral("Ctrl+Alt+T")), 0, nullptr},
    {"QuitKavoHotkey", SettingType::String, QVariant(QStringLiteral("Ctrl+Alt+Esc")), 0, nullptr},
    {"ZoomInHotkey", SettingType::String, QVariant(QStringLiteral("Ctrl+Alt++")), 0, nullptr},
    {"ZoomOutHotkey", SettingType::String, QVariant(QStringLiteral("Ctrl+Alt+-")), 0, nullptr},
    {"IncreaseTemperatureStep", SettingType::Int, QVariant(500), 0, nullptr},
    {"DecreaseTemperatureStep", SettingType::Int, QVariant(500), 0, nullptr},
    {"IncreaseBrightnessStep", SettingType::Int, QVariant(10), 0, nullptr},
    {"DecreaseBrightnessStep", SettingType::Int, QVariant(10), 0, nullptr},
    {"AdvancedDayTemperature", SettingType::Int, QVariant(5000), 0, nullptr},
    {"AdvancedNightTemperature", SettingType::Int, QVariant(3400), 0, nullptr},
    {"AdvancedDayBrightness", SettingType::Int, QVariant(100), 0, nullptr},
    {"AdvancedNightBrightness", SettingType::Int, QVariant(80), 0, nullptr},
    {"AdvancedSleepLight", SettingType::Int, QVariant(2700), 0, nullptr},
    {"AdvancedSleepBrightness", SettingType::Int, QVariant(75), 0, nullptr},
    {"AdvancedColorEffect", SettingType::Int, QVariant(1), 0, nullptr},
    {"AdvancedUseManualColorSettings", SettingType::Bool, QVariant(false), 0, nullptr},
    {"AdvancedUseColorEffects", SettingType::Bool, QVariant(false), 0, nullptr},
    {"AdvancedUseManualBrightness", SettingType::Bool, QVariant(false), 0, nullptr},
    {"AdvancedUseSleepLight", SettingType::Bool, QVariant(true), 0, nullptr},
    {"AdvancedUseOverlayScreen", SettingType::Bool, QVariant(false), 0, nullptr},
    {"AdvancedDayOpacity", SettingType::Int, QVariant(5), 0, nullptr},
    {"AdvancedNightOpacity", SettingType::Int, QVariant(40), 0, nullptr},
    {"AdvancedDayDim", SettingType::Int, QVariant(0), 0, nullptr},
    {"AdvancedNightDim", SettingType::Int, QVariant(10), 0, nullptr},
    {"AdvancedUseLightnessScreen", SettingType::Bool, QVariant(false), 0, nullptr},
    {"AdvancedLightnessScreenOpacity", SettingType::Int, QVariant(30), 0, nullptr},
    {"AdvancedLightnessScreenRadius", SettingType::Int, QVariant(30), 0, nullptr},
    {"AdvancedLightnessScreenXposition", SettingType::Int, QVariant(50), 0, nullptr},
    {"AdvancedLightnessScreenYPosition", SettingType::Int, QVariant(50), 0, nullptr},
    {"AdvancedUseInvertedColors", SettingType::Bool, QVariant(false), 0, nullptr},
    {"Saturation", SettingType::Int, QVariant(100), 0, "set_saturation_slider_value"},
    {"KavoUpdateInterval", SettingType::Int, QVariant(10000), 0, nullptr},
    {"SmoothColorsUpdateInterval", SettingType::Int, QVariant(25), 0, nullptr},
    {"UseBigRestIncomingNotification", SettingType::Bool, QVariant(true), 0, nullptr},
    {"UsePostponeNotification", SettingType::Bool, QVariant(true), 0, nullptr},
    {"PageToOpen", SettingType::String, QVariant(QString()), 0, "open_page"},
    {"SendUsageStatistics", SettingType::Bool, QVariant(false), 0, "set_send_usage_statistics"},
    };
    // clang-format on
    return table;
}

const SettingKey* SettingsTable::find(const QString& name)
{
    for (const SettingKey& key : keys()) {
        if (name == QLatin1String(key.name))
            return &key;
    }
    return nullptr;
}

QString SettingsTable::monitorKey(const QString& name, int monitor)
{
    return monitor == 0 ? name : name + QString::number(monitor);
}

QVariant SettingsTable::defaultValue(const SettingKey& key, const SettingsDefaults& defaults)
{
    if (!key.defaultValue.isValid())
        return defaults.gammaRampsPreferred;
    return key.defaultValue;
}

namespace {
bool toBool(const QVariant& stored)
{
    if (stored.type() == QVariant::Bool)
        return stored.toBool();
    const QString text = stored.toString().trimmed();
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    bool isNumber = false;
    const double number = text.toDouble(&isNumber);
    return isNumber && number != 0.0;
}
} // namespace

QVariant SettingsTable::convert(const QVariant& stored, SettingType type)
{
    switch (type) {
    case SettingType::Int:
        return stored.toInt();
    case SettingType::Bool:
        return toBool(stored);
    case SettingType::String:
        return stored.toString();
    case SettingType::Double:
        return stored.toDouble();
    case SettingType::Point:
        return stored.toPoint();
    case SettingType::List:
        return stored.type() == QVariant::String ? QVariantList{stored} : stored.toList();
    }
    return stored;
}
