#pragma once

#include "ColorGlide.h"
#include "Singleton.h"
#include "platform/Win32Types.h"
#include "screens/KavoWindow.h"
#include "settings/SettingsExchange.h"
#include "settings/SettingsHost.h"
#include "system/TaskbarButton.h"
#include "timer/InactivityWatch.h"
#include "timer/RestTimerHost.h"

#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVariantList>

#include <memory>
#include <optional>

class AppTransitionHost;
class BrightnessConfigManager;
class ColorOutput;
class ColorTriggers;
class HotkeyProcessor;
class ITaskManager;
class SystemKeyboard;
class SystemMouse;
class ColorTransitions;
class DebugConsole;
class DragWidget;
class HiddenFeatures;
class ITrayIcon;
class MagnificationApi;
class LocationLookup;
class IWebView;
class MainScreenForm;
class PWMControl;
class NewVersionNotification;
class QNetworkAccessManager;
class QNetworkConfigurationManager;
class QNetworkReply;
class QTimer;
class SensorControl;
class RestTimer;
class ScreenOverlays;
class StatusServer;
class SystemParametersInfoApi;
class TemperatureConfigManager;
class TransitionPreview;
class TransitionSchedule;
class Translator;
struct ColorOutputHooks;

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
    // Runs one part of a launch's command text as a console command, without saving: the
    // settings are saved once after the whole text.
    void run_launch_part(const QString& part);

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

    // ---- Main window and page bridge (AppWindow.cpp) ----
public:
    // Builds the web view of the main window; false when it exists already.
    bool create_ui();
    // The main window's view; null before create_ui().
    IWebView* main_view() const;
    bool is_page_loaded() const { return m_page_loaded; }
    // UnusedPages as loaded, or the default list when that is empty.
    void load_unused_pages();
    // Runs the main page's function `function` with `arguments`, each passed as a string
    // (escaped, so outside text stays data); false while there is no page.
    bool call_page_function(const QString& function, const QStringList& arguments = {});

public slots:
    void load_finished();
    void open_kavo_after_load_finished();
    QString GET_STRING(const QString& translation_string);
    // What page `page` ("pausers", "overlay", ...) says about what this desktop does not allow
    // there, in the user's language; empty where the page works as everywhere.
    QString get_page_note(const QString& page);
    void bring_to_front();
    void bring_to_front_show_on_top_hack();
    void resize_window(int width, int height);
    void refresh_size(int width, int height);
    void use_advanced_settings_changed(bool is_advanced_view, int width = 0, int height = 0);
    void refresh_scale();
    bool is_retina_display();
    bool is_1920_display();
    void minimize_clicked();
    void destroy_ui_on_close_changed(bool value);
    void clean_unused_pages();
    void add_unused_page(const QString& page);
    void remove_unused_page(const QString& page);
    void refresh_unused_pages();
    void set_page_to_open(const QString& page_name);
    void reset_page_to_open();
    void start_web_view_debugger();
    void js_log_to_console(const QString&) {}
    void js_log_to_console_with_callstack(const QString&, const QString&) {}
    void open_url(const QString& url);
    QUrl redirect_url(const QUrl& possibleRedirectUrl, const QUrl& oldRedirectUrl);
    QString get_os_name();
    QString get_application_name();
    void show_message(const QString& title, const QString& message);
    void show_message_box(const QString& title, const QString& message);
    void zoom_in();
    void zoom_out();
    // The About page's links: the changes of this version, and Kavo's website.
    void open_version_link();
    void open_website_link();

    // ---- Settings setters of the page (AppSetters.cpp) ----
public slots:
    void day_temperature_changed(int value, int monitor_number);
    void night_temperature_changed(int value, int monitor_number);
    void sleep_light_changed(int value, int monitor_number);
    void day_brightness_changed(int value, int monitor_number);
    void night_brightness_changed(int value, int monitor_number);
    void sleep_brightness_changed(int value, int monitor_number);
    void use_per_monitor_settings_changed(bool value);
    void use_manual_color_settings_changed(bool value);
    void use_manual_brightness_changed(bool value);
    void use_sleep_light_changed(bool value);
    void use_saturation_changed(bool value);
    void day_transition_duration_changed(int value);
    void night_transition_duration_changed(int value);
    void sleep_transition_duration_changed(int value);
    void pause_transition_duration_changed(int value);
    void new_moon_offset_changed(int value);
    void full_moon_offset_changed(int value);
    void time_zone_offset_changed(int value);
    void use_manual_night_duration_changed(bool value);
    void night_start_time_changed(int hours, int minutes);
    void night_end_time_changed(int hours, int minutes);
    void bedtime_changed(int hours, int minutes);
    void wake_time_changed(int hours, int minutes);
    void hide_taskbar_icon_changed(bool value);
    void optimize_ui_creation_changed(bool value);
    void start_on_startup_changed(bool value);
    void temperature_extended_values_changed(bool value);
    void brightness_extended_values_changed(bool value);
    void font_type_changed(int value);
    void refresh_font_type();
    void current_active_monitor_changed(int monitor_number);
    void restore_advanced_settings_values();
    void ignore_monitor_changed(int monitor, bool ignore);
    void restore_settings();
    QString bool_to_string(bool value);
    void load_finished_linux();
    void relaunch_kavo_message_box();
    void restart_pc_message_box();
    // Nothing to do for these on this desktop.
    void refresh_osx_is_dark_mode() {}
    void set_window_opacity(double) {}
    void fast_update() {}
    void update_overlay_screen() {}
    void client_connected() {}

    // ---- Colour output: gamma ramps, colour effects, magnification (AppColorSlots.cpp) ----
public slots:
    void set_gamma_ui();
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
    // A monitor was plugged in or out, or changed its mode: the colours go on at once.
    void monitors_changed();
    // Puts the colours on every monitor again at once (after a resume or an unlock, when a
    // driver or the lock screen may have dropped them).
    void reapply_colors();
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

    // ---- Location typed in by the user (AppLocation.cpp) ----
public slots:
    void use_manual_location_changed(bool value);
    // Degrees north (-90..90) and east (-180..180); other values are refused with a log line.
    void latitude_changed(double value);
    void longitude_changed(double value);

private:
    bool store_coordinate(double& coordinate, double value, double limit, const char* name);
    // The page, the texts and the colours follow a location the user typed in.
    void location_typed_in();
    // ---- end of location ----

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

    // ---- Values and events for the page ----
    void set_day_temperature_slider_value(int value);
    void set_night_temperature_slider_value(int value);
    void set_sleep_light_slider_value(int value);
    void set_day_brightness_slider_value(int value);
    void set_night_brightness_slider_value(int value);
    void set_sleep_brightness_slider_value(int value);
    void set_day_temperature_slider_value_ui(int value);
    void set_night_temperature_slider_value_ui(int value);
    void set_sleep_light_slider_value_ui(int value);
    void set_day_brightness_slider_value_ui(int value);
    void set_night_brightness_slider_value_ui(int value);
    void set_sleep_brightness_slider_value_ui(int value);
    void set_saturation_slider_value_ui(int value);
    void set_current_application_name(QString value);
    void set_current_version(QString value);
    void set_current_publisher_name(QString value);
    void set_current_website(QString value);
    void set_debug_info(QString value);
    void set_timer_message(QString value);
    void set_remaining_time(QString value, QString value2, QString value3);
    void set_blink_count(int value);
    void set_kavo_status(QString value);
    void set_pwm_control_status(bool status, int value);
    // Whether the colour route can change the brightness (a desktop's night light without a
    // backlight cannot); the brightness page says so while it cannot.
    void set_brightness_available(bool available);
    // Whether the colour route takes gamma ramps (a desktop's night light does not): the
    // colour scheme, leading colour and screen effect pages say so while it does not.
    void set_ramps_available(bool available);
    void translate();
    void set_screen_count(int value);
    void ignore_monitor(int value);
    void set_kavo_mode_dropdown_value(int value);
    void set_kavo_type_dropdown_value(int value);
    void set_kavo_mode_dropdown_value_ui(int value);
    void set_kavo_type_dropdown_value_ui(int value);
    void set_geolocation_string(QString value);
    void find_geolocation();
    void brightness_change(int value);
    void screen_image(QString value);
    void open_advanced_view();
    void set_preserve_gamma(bool value);
    void set_pwm_frequency_slider_value(int value);
    void set_active_features(QString value);

private:
    void handle_first_start();
    void report_save_problems();
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

    // Colour output (AppColorSlots.cpp).
    void show_first_colors();
    void create_color_output();
    void reapply_colors_after_session_changes();
    void check_gamma_range();
    // Says once, in the log and to the user, when no monitor's colours can change.
    void tell_if_colors_cannot_change();
    ColorOutputHooks color_output_hooks();
    // Tells the page what the colour route can show.
    void restore_route_abilities();
    std::unique_ptr<SystemParametersInfoApi> m_system_parameters;
    std::unique_ptr<MagnificationApi> m_magnification; // when no service created one
    std::unique_ptr<ColorOutput> m_color_output;

public:
    // Applies colours to monitor `monitor_number` (0: all) for the update loop.
    ColorOutput* color_output() { return m_color_output.get(); }

private:
    QNetworkAccessManager* m_network = nullptr;
    QNetworkConfigurationManager* m_network_configuration = nullptr;

    // ---- Main window and page bridge (AppWindow.cpp) ----
protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Escape outside the page: the same as the close button.
    void reject() override;

private slots:
    // Every minute: the blink count starts again and the taskbar button is refreshed.
    void minute_passed();

private:
    // Start-up steps of the window: the icons, the minute timer.
    void set_kavo_icon();
    void start_minute_timer();
    // What the page learns with the settings beside the setting values: the edition's texts,
    // the monitor list, the hidden pages, the PWM status and the debug information.
    void publish_page_state();
    void style_web_view();
    void fit_drag_widget_to_scale();
    void show_drag_widget();
    void repaint_nudge();
    bool is_tray_icon_visible() const;

    MainScreenForm* m_ui = nullptr; // a child of the window
    DragWidget* m_drag_widget = nullptr;
    bool m_page_loaded = false;

    // ---- Settings setters of the page (AppSetters.cpp) ----
    // Stores `value` under `key` unless equal, logging `log_label` (when given) and the value;
    // true when it changed.
    bool store_setting(const QString& key, const QVariant& value, const char* log_label);
    bool store_clock_time(const char* hours_key, const char* minutes_key, int hours, int minutes,
                          const char* log_label);
    // A per-monitor colour value and its Advanced copy; false when nothing changed.
    bool store_monitor_colour(const QString& key, int value, int monitor_number,
                              const char* log_label);
    void store_monitor_temperature(const QString& key, int value, int monitor_number);
    void store_monitor_brightness(const QString& key, int value, int monitor_number,
                                  const char* log_label);
    void store_colour_switch(const QString& key, bool value, const char* log_label);
    void store_schedule_setting(const QString& key, const QVariant& value, const char* log_label);
    bool is_known_monitor(int monitor_number) const;
    // Applies the current colours to `monitor_number` at once (0: every monitor).
    void preview_colors(int monitor_number);
    void run_tick_steps();
    // The texts of the transition and moon pages.
    void refresh_transition_texts();
    static QString font_renderer_script(const char* name);
    // Starts or stops the alternative font renderer, unless it already is as wanted.
    void switch_font_renderer(bool enable);

    int m_current_active_monitor = 0;

    // ---- Update loop, pausing and colour glides (AppUpdateLoop.cpp) ----
public slots:
    int update_gamma();
    void pause_kavo(bool checked);
    bool is_kavo_paused();
    void pause_color_changes(bool checked);
    bool is_color_changes_paused();
    bool is_gamma_paused();
    void pause_automation();
    void resume_automation();
    void restore_colors(bool force);
    void restore_colors_timeout();
    void process_restore_colors(bool force);
    void process_restore_colors();
    void return_colors();
    void return_colors_timeout();
    void process_return_colors();
    void restore_colors_with_switch_state();
    void return_colors_with_switch_state();
    void switch_state();
    void switch_state_timeout();
    void switch_state_return();
    void switch_state_return_timeout();
    void move_to(int temperature, int brightness);
    void begin_showing();
    void restore_manage_monitors();
    void application_state_changed(Qt::ApplicationState) {}

public:
    // The status text of the page ("Paused", or temperature and brightness per monitor).
    QString kavo_status_text();
    // What "kavoctl status" reports.
    QJsonObject status_json();
    // The tray tooltip's text, kept for the tray icon.
    QString tray_tooltip_text() const { return m_tooltip_text; }
    int current_temperature() const { return m_current_temperature; }
    int current_brightness() const { return m_current_brightness; }
    bool is_idle() const;

private slots:
    void update_kavo();
    void update_ui();
    void update_kavo_status();
    void update_tray_icon_tooltip();
    void update_times_info();
    void update_idle_time();
    void begin_hiding();
    void fade_window();

private:
    friend class AppTransitionHost;
    bool setting_flag(const char* key) const;
    int update_interval() const;
    void create_transitions();
    void create_periodic_timers();
    void start_status_server();
    void refresh_after_transition();
    int apply_colors_to(int monitor, int temperature, float brightness_factor);
    int apply_scheduled_colors(int monitor, const ColorPoint& scheduled);
    QString colors_status_text();
    QString preview_time_text() const;

    std::unique_ptr<AppTransitionHost> m_transition_host;
    ColorTransitions* m_transitions = nullptr;
    QTimer* m_update_timer = nullptr;
    QTimer* m_fade_timer = nullptr;
    StatusServer* m_status_server = nullptr;
    QMap<int, ColorPoint> m_monitor_colors; // by monitor, with per-monitor settings
    // What the schedule asks of each monitor this tick, with per-monitor settings.
    QMap<int, ColorPoint> m_scheduled_colors;
    void refresh_scheduled_colors();
    const QMap<int, ColorPoint>& scheduled_colors();
    QString m_tooltip_text;
    // The status text the page was sent last; empty when it must be sent again.
    QString m_status_sent;
    // The program in front as the page last got it; none before the window first shows.
    std::optional<QString> m_active_process_sent;
    QString m_pauser_name;
    bool m_pauser_pause = false;
    bool m_first_update_done = false;
    bool m_updating_ui = false;
    int m_monitor_count = 1;
    float m_fade_progress = 0.0f;
    bool m_fade_showing = true;

    // ---- Sensors: camera, blink window, screen content (AppSensors.cpp) ----
public slots:
    void use_camera_changed(bool value);
    bool is_camera_active();
    bool use_automatic_brightness();
    void use_automatic_brightness_changed(bool value);
    bool use_blink_detection();
    void use_blink_detection_changed(bool value);
    void match_brightness_to_lighting_changed(bool value);
    void auto_brightness_changed(int value);
    void reset_blinks();
    void show_blink_screen();
    void hide_blink_screen();
    void update_smart_brightness();
    void update_smart_inversion();
    void use_smart_brightness_changed(bool value);
    void use_smart_inversion_changed(bool value);
    // The title of the window in front changed (the process monitor reports it).
    void foreground_title_changed(const QString& title);

public:
    SensorControl* sensors() { return m_sensors.get(); }
    // "camera" and "smart_brightness" for "kavoctl status".
    QJsonObject sensor_status() const;

private:
    void create_sensors();
    // Ends the capture and waits for the camera thread.
    void stop_camera();
    // Takes the camera's blink count and shows it on the page.
    void refresh_blink_count();
    // The page gets the blink count only while the window is shown, and only when it changed.
    void send_blink_count(int count);
    int m_blink_count_sent = -1;
    std::unique_ptr<SensorControl> m_sensors;
    // ---- end of sensors ----
    // ---- Rest timer and break windows (AppTimer.cpp) ----
public slots:
    void create_new_rest_timer();
    void delete_rest_timer();
    void start_rest();
    void start_rest_timer();
    void stop_rest_timer();
    void toggle_rest_timer(bool stop);
    void pause_rest_timer(bool checked);
    bool is_timer_paused();
    void automatic_timer_pause(bool checked);
    void timer_type_changed(int value);
    void work_time_changed(int value);
    void rest_time_changed(int value);
    void postpone_time_changed(int value);
    void automatically_close_rest_screen_changed(bool value);
    void rest_screen_type_changed(int value);
    void use_sounds_changed(bool value);
    void start_eye_exercises();
    void start_neck_exercises();
    void start_back_exercises();
    void new_version_available(const QString& version);
    // The timer buttons of the tray and the taskbar.
    void toggle_timer();
    void reset_timer();
    void pause_resume_timer();
    // The keyboard and mouse services call this on every key and mouse move while inactivity
    // watching is on: the count of idle update ticks starts over.
    void reset_idle_time();

public:
    // The break timer; null while there is none.
    RestTimer* rest_timer() const;
    // A timer pauser (an application in front) holds the break timer.
    bool is_timer_paused_by_pauser() const { return m_timer_paused_by_pauser; }

private:
    void connect_rest_timer();
    void send_timer_texts();
    void follow_session();
    void session_locked();
    void session_unlocked();
    // One update tick of inactivity watching (from update_idle_time).
    void inactivity_tick();
    void store_timer_state();
    // " / 12 min 5 sec until rest" for the tray tooltip; empty while the timer shows nothing.
    QString timer_tooltip_text() const;
    QJsonObject timer_status_json() const;

    std::unique_ptr<RestTimerHost> m_rest_timer_host;
    QPointer<RestTimer> m_rest_timer;
    InactivityWatch m_inactivity;
    bool m_timer_paused_by_pauser = false;
    QStringList m_timer_texts_sent; // what the page was sent last
    QPointer<NewVersionNotification> m_new_version_notification;
    // ---- end of rest timer ----

    // ---- Modes and types (AppModes.cpp) ----
public slots:
    void kavo_mode_changed(int mode);
    void kavo_mode_changed_force(int mode, bool force);
    void change_mode();
    void kavo_type_changed(int type);
    void kavo_type_changed_force(int type, bool force);
    void set_kavo_to_advanced_settings();

private:
    void apply_type_preset(int type);
    void glide_to_schedule();

    // ---- Tray icon and taskbar entry (AppTray.cpp) ----
public slots:
    void show_tray_icon_message(const QString& title, const QString& body);
    void refresh_taskbar_button();
    void update_taskbar_button();

public:
    ITrayIcon* tray_icon() { return m_tray_icon.get(); }
    TaskbarButton* taskbar_button() { return m_taskbar_button; }
    // Chooses the tray icon's image for the current state.
    void refresh_tray_icon();

private:
    void create_tray_icon();
    TaskbarButton::TimerView taskbar_timer_view() const;
    std::unique_ptr<ITrayIcon> m_tray_icon;
    TaskbarButton* m_taskbar_button = nullptr;

    // ---- Hidden features console and settings file (AppConsole.cpp) ----
public slots:
    void activate_hidden_feature(const QString& hidden_feature);
    // The console's spells, one line per command, for the hidden-features page.
    QVariantList get_hidden_features();
    void export_settings();
    void import_settings();

public:
    void export_settings_string();
    SettingsExchange::Result import_settings_text(const QString& text);
    // Replaces the settings file with the defaults in one step; the colours glide to them.
    void reset_settings_from_console();
    // Starts the update timer again with the period KavoUpdateInterval gives.
    void restart_update_timer();
    // After the settings map was loaded again: the colours glide to it, the update period,
    // the tray menu and the page's mode and type follow it.
    void follow_restored_settings();

private:
    void create_console();
    void export_settings_as(SettingsFile::Form form);
    void report_import(const SettingsExchange::Result& result);
    void apply_restored_settings();
    std::unique_ptr<HiddenFeatures> m_hidden_features;

    // ---- PWM control and hourly configuration files (AppPwm.cpp) ----
public slots:
    void use_pwm_control_changed(bool value);
    void pwm_frequency_changed(int value);
    void pwm_max_frequency_changed(int value);
    void pwm_control_update_continuously_changed(bool value);
    // Shows the companion's frequency (or the stored one) when the backlight has PWM control.
    void restore_pwm_control_status();
    // Sets the stored frequency when PWM control is on.
    void update_pwm_control_status();

private:
    void create_pwm_control();
    // Reads brightnessConfig.txt and temperatureConfig.txt from the working directory, else
    // from the settings folder.
    void load_configuration_files();
    // The night values the configuration files give for the current hour.
    void apply_configuration_files();
    // After each colour update, while UpdateContinuously is on.
    void update_pwm_after_colour_update();

    std::unique_ptr<PWMControl> m_pwm_control;
    std::unique_ptr<BrightnessConfigManager> m_brightness_config;
    std::unique_ptr<TemperatureConfigManager> m_temperature_config;

    // ---- Debug console and debug information (AppDebug.cpp) ----
public slots:
    // Opens the debug console, or closes it when it is open.
    void start_debug_console();
    // Sends a fresh debug information text to the page.
    void update_debug_info();

public:
    // The debug information text (what the debug page shows and the "debug info" spell
    // prints): application, system, processor, board, desktop and every setting.
    QString debug_info_text();
    DebugConsole& debug_console();

private:
    std::unique_ptr<DebugConsole> m_debug_console;

    // ---- Overlays: the overlay screen and the lightness screen (AppOverlays.cpp) ----
public slots:
    void use_overlay_screen_changed(bool value);
    void create_overlay_screen();
    void delete_overlay_screen();
    void recreate_overlay_screen();
    void refresh_overlay_screens(bool force);
    void refresh_overlay_screens();
    void day_opacity_changed(int value);
    void night_opacity_changed(int value);
    void day_dim_changed(int value);
    void night_dim_changed(int value);
    void overlay_color_changed(int value);
    void select_overlay_screen_area();
    void reset_selected_overlay_screen_area();
    void use_lightness_screen_changed(bool value);
    void create_lightness_screen();
    void delete_lightness_screen();
    void recreate_lightness_screen();
    void refresh_lightness_screens(bool force);
    void refresh_lightness_screens();
    void lightness_screen_opacity_changed(int value);
    void lightness_screen_radius_changed(int value);
    void lightness_screen_x_position_changed(int value);
    void lightness_screen_y_position_changed(int value);
    // Whether the screen-effects page's effect `effect` shows live (through the gamma ramps or
    // the magnifier) rather than on a picture of the screen while the user is idle.
    bool is_color_effect_live(int effect);

public:
    ScreenOverlays* screen_overlays() const { return m_screen_overlays; }

private:
    void create_screen_overlays();
    ScreenOverlays* m_screen_overlays = nullptr;

    // ---- Foreground process monitor: pausers and colour triggers (AppProcessMonitor.cpp) ----
public slots:
    void set_current_active_process(const QString& process_name);
    void set_current_color_trigger(const QString& process_name);
    void use_color_pausers_changed(bool checked);
    void use_timer_pausers_changed(bool checked);
    void use_mouse_pausers_changed(bool checked);
    void use_color_triggers_changed(bool checked);
    void color_pausers_pause_on_fullscreen_apps_changed(bool value);
    void timer_pausers_pause_on_fullscreen_apps_changed(bool value);
    void mouse_pausers_pause_on_fullscreen_apps_changed(bool value);
    bool use_color_pausers();
    bool use_timer_pausers();
    bool use_mouse_pausers();
    bool use_color_triggers();
    bool color_pausers_pause_on_fullscreen_apps();
    bool timer_pausers_pause_on_fullscreen_apps();
    bool mouse_pausers_pause_on_fullscreen_apps();
    QStringList get_color_pausers();
    QStringList get_timer_pausers();
    QStringList get_mouse_pausers();
    QStringList get_color_triggers();
    QStringList get_applications_for_blocking();
    void block_applications(const QString& applications_list);
    void unblock_applications();
    void refresh_color_triggers();
    void automatic_mouse_pause(bool checked);
    // The last three programs in front, newest last (for the tray menu).
    QStringList get_recent_processes();

signals:
    // The pauser switches, lists or recent programs changed: the tray menu is outdated.
    void tray_menu_changed();
    // Lines of the colour trigger list that are not used, one per line; empty when all are.
    void set_color_triggers_message(QString text);

public:
    ITaskManager* task_manager() const { return m_task_manager; }
    QString current_active_process() const { return m_current_active_process; }
    bool is_mouse_paused_by_pauser() const { return m_mouse_pauser_pause; }

private:
    void create_task_manager();
    void close_conflicting_application(const QString& process_name);
    bool store_pauser_switch(const char* key, bool value, const char* log_label);
    void send_active_process();
    // After a pauser setting changed: look at the programs again when any pauser is on.
    void refresh_pausers();
    // After the page handed back a pauser or trigger list.
    void pauser_list_saved();
    // Whether a colour trigger governs the colours (the update loop then leaves them alone).
    bool apply_color_trigger();
    QStringList setting_lines(const char* key) const;
    void forget_applied_trigger();

    ColorTriggers* m_color_triggers = nullptr;
    ITaskManager* m_task_manager = nullptr;
    QString m_current_active_process;
    bool m_mouse_pauser_pause = false;

    // ---- Keyboard, mouse and global shortcuts (AppInput.cpp) ----
public slots:
    void key_pressed(DWORD key, DWORD flags);
    void mouse_move_event(MSLLHOOKSTRUCT* mouseInfo);
    void connect_mouse_hook();
    void disconnect_mouse_hook();
    void reconnect_mouse_hook();
    void reconnect_keyboard_hook();
    void shortcut_changed(int feature_index, const QString& new_shortcut);
    void use_keyboard_shortcuts_changed(bool value);
    void use_keyboard_inactivity_changed(bool value);
    void use_mouse_inactivity_changed(bool value);
    void use_keyboard_blocking_changed(bool value);
    void start_mouse_clicking();
    void stop_mouse_clicking();
    void mouse_click_interval_changed(int value);
    void use_software_cursor_changed(bool value);
    void restore_use_software_cursor();
    void set_mouse_trails(bool use_software_cursor);
    // The shortcuts page records a key combination: Kavo's shortcuts let go of their keys.
    void shortcut_recording_started();
    void shortcut_recording_finished();
    bool is_auto_clicker_running();

signals:
    // Shortcuts that could not be registered, one per line; empty when all are.
    void set_shortcuts_message(QString text);
    // Why the software cursor setting was refused; empty when it was not.
    void set_software_cursor_message(QString text);
    // Kavo's backend and how colours reach each monitor, for the System page.
    void set_color_routes_message(QString text);
    // The auto clicker started or stopped.
    void auto_clicker_changed(bool running);

public:
    HotkeyProcessor* hotkey_processor() const { return m_hotkey_processor; }
    // Repaints and refreshes the colours after a shortcut changed them.
    void refresh_after_shortcut();

private:
    void create_input_services();
    void connect_input_services();
    void publish_shortcut_problems();
    bool apply_cursor_mode(bool use_software_cursor);
    SystemKeyboard* keyboard() const;
    SystemMouse* mouse() const;

    std::unique_ptr<SystemKeyboard> m_own_keyboard; // when no service created one
    std::unique_ptr<SystemMouse> m_own_mouse;       // likewise
    HotkeyProcessor* m_hotkey_processor = nullptr;
    bool m_mouse_hook_connected = false;
    // ---- end of keyboard, mouse and global shortcuts ----
    // ---- Location, updates and usage reporting (AppNetwork.cpp) ----
public slots:
    // Once per process: the system's proxy, the location lookup, the update check.
    void sync_kavo_to_the_internet();
    // Publishes the typed-in location, or looks the location up.
    void get_geolocation_data();
    // An answer of the controller's network manager: the geolocation server's.
    void update_location(QNetworkReply* reply);
    // A looked-up location: kept and stored unless the user typed one in.
    void save_location_data(double lat, double lon);
    void check_for_updates_changed(bool value);
    void updates_interval_changed(int value);
    void send_usage_statistics_changed(bool value);
    // The automatic-updates page's "Check now": asks the update server whatever the settings.
    void check_for_updates_now();
    void register_analytics_event(const QString& category, const QString& action,
                                  const QString& label, const QString& value);
    void register_analytics_page_view(const QString& page_name, const QString& page_title);

signals:
    void set_update_status(QString text);
    void set_send_usage_statistics(bool value);

private:
    void start_update_checks();
    void start_usage_reporting();
    LocationLookup& location_lookup();
    QNetworkAccessManager& network();
    // "Loading...", the coordinates, or "Location unknown: set it by hand".
    QString geolocation_text();
    void publish_geolocation();
    // After a full save: a check when that save switched CheckForUpdates on.
    void check_for_updates_if_switched_on(bool was_on);
    void refresh_download_progress();

    std::unique_ptr<LocationLookup> m_location_lookup;
    bool m_synced_to_the_internet = false;

    // ---- Languages (AppLanguage.cpp) ----
public slots:
    QString get_language_code();
    void language_changed(const QString& country_code);
    void language_changed_force(const QString& country_code, bool force);
    // On the first start only: the language of the country the geolocation named.
    void localize_kavo(const QString& country_name, const QString& country_code);

public:
    // The installed translation; the other windows' GET_STRING use it too.
    Translator& translator();

private:
    std::unique_ptr<Translator> m_translator;
};
