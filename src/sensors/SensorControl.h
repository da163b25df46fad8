#pragma once

#include "settings/SettingsTable.h"

#include <QJsonObject>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class BlinkScreen;
class Camera;
class ICameras;
class IScreenCapture;
class QTimer;
class QWidget;
class SmartBrightness;
class SmartInversion;

// What the sensors ask of the controller.
struct SensorHooks
{
    std::function<bool()> is_page_loaded;
    std::function<int()> update_gamma;
    std::function<void()> refresh_color_inversion;
    // Sets the day, night and sleep brightness of every monitor, as the page's sliders do.
    std::function<void(int)> set_brightness;
    // Stores the run state (CameraActive among it) at once.
    std::function<void()> write_state;
};

// The controller's side of the sensors: the camera switches and its brightness, the blink
// window, the screen-content sensors and their place in the update loop. It works on the
// controller's settings map; the camera is the service singleton (absent: no camera).
class SensorControl : public QObject
{
    Q_OBJECT

public:
    // `window` parents the blink window.
    SensorControl(SettingsMap& settings, IScreenCapture& screen, ICameras& cameras, Camera* camera,
                  QWidget* window, SensorHooks hooks, QObject* parent = nullptr);
    // Ends the capture and waits for the camera thread.
    ~SensorControl() override;

    // Start-up: the camera as CameraActive says, the blink window as UseBlinkScreen says.
    void start();
    // Ends the capture and waits for the camera thread.
    void stop_camera();

    void use_camera_changed(bool value);
    bool is_camera_active() const;
    bool use_automatic_brightness() const;
    void use_automatic_brightness_changed(bool value);
    bool use_blink_detection() const;
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
    void foreground_title_changed(const QString& title);

    // Takes the camera's blink count and tells the page.
    void refresh_blink_count();
    int blink_count() const { return m_blink_count; }
    // The smart-brightness modifier (percent) the schedule adds while SmartBrightness is on.
    int smart_brightness_modifier() const;
    BlinkScreen* blink_screen() const;
    SmartBrightness& smart_brightness() { return *m_smart_brightness; }
    SmartInversion& smart_inversion() { return *m_smart_inversion; }

    // "camera" and "smart_brightness" for "kavoctl status".
    QJsonObject status() const;

signals:
    void blink_count_changed(int count);
    void blink_screen_shown(bool shown);
    void inverted_colors_changed(bool inverted);

private:
    bool flag(const char* key) const;
    bool store(const char* key, bool value, const char* log_label);
    void apply_camera();
    void refresh_color_inversion();

    SettingsMap& m_settings;
    ICameras& m_cameras;
    Camera* m_camera;
    QWidget* m_window;
    SensorHooks m_hooks;
    std::unique_ptr<SmartBrightness> m_smart_brightness;
    std::unique_ptr<SmartInversion> m_smart_inversion;
    QPointer<BlinkScreen> m_blink_screen;
    QTimer* m_minute_timer;
    int m_blink_count = 0;
};
