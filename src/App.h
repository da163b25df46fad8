#pragma once

#include "Singleton.h"
#include "screens/KavoWindow.h"
#include "settings/SettingsHost.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <QUrl>
#include <QVariantList>

#include <memory>

class QNetworkAccessManager;
class QNetworkConfigurationManager;
class ColorOutput;
class MagnificationApi;
class SystemParametersInfoApi;
struct ColorOutputHooks;
class TransitionPreview;
class TransitionSchedule;

// The controller: owns the settings map and every window, timer and service it creates, and
// is the main window whose page talks to it as "native_object".
class App : public KavoWindow, public Singleton<App>, public SettingsHost
{
    Q_OBJECT

public:
    explicit App(QWidget* parent = nullptr);
    ~App() override;

    // SettingsHost
    SettingsMap& settings_map() override { return m_settings; }
    Location& location() override { return m_location; }
    QList<int>& ignored_monitors() override { return m_ignored_monitors; }
    RunState run_state() const override;
    void apply_timer_times() override;
    void request_page_lists() override;
    void publish_settings_to_page() override;

    bool is_first_start() const { return m_first_start; }
    bool is_show_ui_requested() const { return m_show_ui_requested; }
    void set_show_ui_requested(bool requested) { m_show_ui_requested = requested; }

public slots:
    // Runs the command text a launch stored as ApiArguments, one console command per part.
    void process_api_command();

    // Quit: saves when auto-save is on, then leaves the event loop.
    void quit_kavo();

    QVariantList get_unused_pages() override { return m_unused_pages; }

    // Settings store triggers.
    void close_clicked();
    void save_and_close_clicked();
    void auto_save_settings_changed(bool value);
    void save_color_pausers(const QString& text);
    void save_timer_pausers(const QString& text);
    void save_mouse_pausers(const QString& text);
    void save_color_triggers(const QString& text);
    void save_websites_for_blocking(const QString& text);
    void save_applications_for_blocking(const QString& text);
    void reset_settings_to_default();

    void connected_to_internet(bool online);

    // ---- Colour output: gamma ramps, colour effects, magnification (AppColorSlots.cpp) ----
public slots:
    void fix_gamma();
    int refresh_color_fixer();
    int read_gamma_registry();
    int reset_gamma();
    void restore_gamma();
    int reset_colors();
    void use_gamma_fixer_changed(bool value);
    void preserve_gamma_changed(bool value);
    void use_low_level_color_api_changed(bool value);
    void color_scheme_changed(int color_scheme);
    void leading_color_changed(int leading_color);
    void refresh_color_effects();
    void color_effect_changed(int value);
    void use_color_effects_changed(bool value);
    void saturation_changed(int value);
    void refresh_color_inversion();
    void invert_colors();
    void revert_colors();
    void toggle_inverted_gamma();
    void use_inverted_colors_changed(bool value);
    bool use_inverted_colors();
    // ---- end of colour output ----

    // ---- Schedule: interpolated colours, preview, transition times (AppScheduleSlots.cpp) ----
public slots:
    float get_interpolated_color_temperature(int monitor_number = 0);
    float get_interpolated_brightness(int monitor_number = 0);
    float get_preview_temperature(double time, int monitor_number = 0);
    float get_preview_brightness(double time, int monitor_number = 0);
    int get_transition_type();
    bool is_day();
    void preview_transitions();
    void preview_transitions_timeout();
    void preview_transition_at(double time);
    void stop_preview_transitions();
    void preview_temperature(int temperature, int monitor_number = 0);
    void preview_brightness(int brightness, int monitor_number = 0);
    QString get_transition_times_info_string();
    void update_transition_times_info();
    void update_moon_phases_info();

signals:
    void set_transition_times_info(QString text);
    void set_moon_phases_info(QString text);

public:
    // The 24-hour preview is playing; the instant it shows next (ms since the epoch).
    bool is_preview_running() const;
    double preview_time() const;

private:
    TransitionSchedule& schedule();
    TransitionPreview& transition_preview();
    std::shared_ptr<TransitionSchedule> m_schedule;
    std::shared_ptr<TransitionPreview> m_transition_preview;
    // Set by the preview and while a page slider is held: the update loop leaves colours alone.
    bool m_automation_paused = false;
    // ---- end of schedule ----

signals:
    // Settings published to the page.
    void set_language_dropdown_value(QString value);
    void set_strictness_value(int value);
    void set_timer_type_dropdown_value(int value);
    void set_pwm_frequency_slider_value_ui(int value);
    void set_pwm_max_frequency_value(int value);
    void set_pwm_control_update_continuously(bool value);
    void set_use_pwm_control(bool value);
    void set_use_per_monitor_settings(bool value);
    void set_color_effect_dropdown_value(int value);
    void set_work_time_value(int value);
    void set_rest_time_value(int value);
    void set_postpone_time_value(int value);
    void set_automatically_close_rest_screen_value(bool value);
    void set_use_sounds(bool value);
    void set_use_manual_color_settings(bool value);
    void set_use_color_effects(bool value);
    void set_use_manual_brightness(bool value);
    void set_use_sleep_light(bool value);
    void set_use_saturation(bool value);
    void set_use_manual_location(bool value);
    void set_use_manual_night_duration(bool value);
    void set_use_automatic_brightness(bool value);
    void set_match_brightness_to_lighting(bool value);
    void set_use_smart_brightness(bool value);
    void set_use_smart_inversion(bool value);
    void set_use_blink_detection(bool value);
    void set_check_for_updates(bool value);
    void set_hide_taskbar_icon(bool value);
    void set_use_mouse_inactivity(bool value);
    void set_use_keyboard_inactivity(bool value);
    void set_use_keyboard_blocking(bool value);
    void set_use_software_cursor(bool value);
    void set_auto_save_settings(bool value);
    void set_destroy_ui_on_close(bool value);
    void set_start_on_startup(bool value);
    void set_temperature_extended_values(bool value);
    void set_brightness_extended_values(bool value);
    void set_use_inverted_colors(bool value);
    void set_use_blink_screen(bool value);
    void set_use_color_pausers(bool value);
    void set_use_timer_pausers(bool value);
    void set_use_mouse_pausers(bool value);
    void set_use_color_triggers(bool value);
    void set_use_advanced_settings(bool value);
    void set_view(bool value);
    void set_color_pausers_list(QString value);
    void set_timer_pausers_list(QString value);
    void set_mouse_pausers_list(QString value);
    void set_color_triggers_list(QString value);
    void set_websites_for_blocking(QString value);
    void set_applications_for_blocking(QString value);
    void set_day_opacity_slider_value(int value);
    void set_night_opacity_slider_value(int value);
    void set_day_dim_slider_value(int value);
    void set_night_dim_slider_value(int value);
    void set_lightness_screen_opacity_slider_value(int value);
    void set_lightness_screen_radius_slider_value(int value);
    void set_lightness_screen_x_position_slider_value(int value);
    void set_lightness_screen_y_position_slider_value(int value);
    void set_night_start_time_value(int hours, int minutes);
    void set_night_end_time_value(int hours, int minutes);
    void set_bedtime_value(int hours, int minutes);
    void set_wake_time_value(int hours, int minutes);
    void set_updates_interval_value(int value);
    void set_mouse_click_interval(int value);
    void set_use_camera(bool value);
    void set_latitude_value(QString value);
    void set_longitude_value(QString value);
    void set_font_type_value(int value);
    void set_use_low_level_color_api(bool value);
    void set_use_overlay_screen(bool value);
    void set_use_lightness_screen(bool value);
    void set_overlay_color_dropdown_value(int value);
    void set_color_scheme_dropdown_value(int value);
    void set_leading_color_dropdown_value(int value);
    void set_use_gamma_fixer(bool value);
    void set_optimize_ui_creation(bool value);
    void set_day_transition_duration_value(int value);
    void set_night_transition_duration_value(int value);
    void set_sleep_transition_duration_value(int value);
    void set_pause_transition_duration_value(int value);
    void set_time_zone_offset_value(int value);
    void set_new_moon_offset_value(int value);
    void set_full_moon_offset_value(int value);
    void set_rest_screen_type_dropdown_value(int value);
    void set_use_keyboard_shortcuts(bool value);
    void set_color_pausers_pause_on_fullscreen_apps(bool value);
    void set_timer_pausers_pause_on_fullscreen_apps(bool value);
    void set_mouse_pausers_pause_on_fullscreen_apps(bool value);
    void set_saturation_slider_value(int value);
    void open_page(QString page_name);
    void set_shortcuts_values(QVariantList values);

    // Requests to the page and window events.
    void save_color_pausers_signal();
    void save_timer_pausers_signal();
    void save_mouse_pausers_signal();
    void save_color_triggers_signal();
    void save_websites_for_blocking_signal();
    void save_applications_for_blocking_signal();
    void refresh_unused_pages_signal();
    void refresh_ui_scale();

private:
    void handle_first_start();
    void publish_clock_times();
    void publish_location();
    void hide_or_minimize();
    void run_console_command(const QByteArray& command);

    SettingsMap m_settings;
    Location m_location;
    QList<int> m_ignored_monitors;
    QVariantList m_unused_pages;

    bool m_first_start = false;
    bool m_show_ui_requested = false;
    bool m_page_ready = false;

    int m_current_temperature = 6500;
    int m_current_brightness = 100;
    float m_last_temperature = 6500.0f;
    float m_last_brightness = 100.0f;

    // Colour output (AppColorSlots.cpp).
    void create_color_output();
    void check_gamma_range();
    ColorOutputHooks color_output_hooks();
    std::unique_ptr<SystemParametersInfoApi> m_system_parameters;
    std::unique_ptr<MagnificationApi> m_magnification; // when no service created one
    std::unique_ptr<ColorOutput> m_color_output;

public:
    // Applies colours to monitor `monitor_number` (0: all) for the update loop.
    ColorOutput* color_output() { return m_color_output.get(); }

private:
    QNetworkAccessManager* m_network = nullptr;
    QNetworkConfigurationManager* m_network_configuration = nullptr;
    QUrl m_url;
};
