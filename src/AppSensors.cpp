// App's sensors: the camera switches and its room-light brightness, the blink window and the
// screen-content sensors, each forwarded to SensorControl.
#include "App.h"

#include "StatusServer.h"
#include "platform/Platform.h"
#include "schedule/TransitionSchedule.h"
#include "sensors/Camera.h"
#include "sensors/SensorControl.h"
#include "settings/SaveManager.h"

void App::create_sensors()
{
    Platform& platform = Platform::current();
    SensorHooks hooks;
    hooks.is_page_loaded = [this] { return is_page_loaded(); };
    hooks.update_gamma = [this] { return update_gamma(); };
    hooks.refresh_color_inversion = [this] { refresh_color_inversion(); };
    hooks.set_brightness = [this](int value) {
        day_brightness_changed(value, 0);
        night_brightness_changed(value, 0);
        sleep_brightness_changed(value, 0);
        emit set_day_brightness_slider_value(
            m_settings.value(QStringLiteral("DayBrightness")).toInt());
        emit set_night_brightness_slider_value(
            m_settings.value(QStringLiteral("NightBrightness")).toInt());
        emit set_sleep_brightness_slider_value(
            m_settings.value(QStringLiteral("SleepBrightness")).toInt());
    };
    hooks.write_state = [] {
        if (SaveManager::instance())
            SaveManager::instance()->write_state();
    };
    m_sensors = std::make_unique<SensorControl>(
        m_settings, platform.screenCapture(), platform.cameras(), Camera::instance(), this, hooks);
    connect(m_sensors.get(), &SensorControl::blink_count_changed, this, &App::send_blink_count);
    connect(m_sensors.get(), &SensorControl::blink_screen_shown, this, &App::set_use_blink_screen);
    connect(m_sensors.get(), &SensorControl::inverted_colors_changed, this,
            &App::set_use_inverted_colors);
    schedule().setSmartBrightnessModifier(
        [this] { return m_sensors->smart_brightness_modifier(); });
    m_status_server->add_provider([this] { return sensor_status(); });
    m_sensors->start();
}

void App::stop_camera()
{
    if (m_sensors)
        m_sensors->stop_camera();
}

// The update loop may run before the sensors exist (during start-up): it skips them then.
void App::refresh_blink_count()
{
    if (m_sensors)
        m_sensors->refresh_blink_count();
}

void App::send_blink_count(int count)
{
    if (!isVisible() || count == m_blink_count_sent)
        return;
    m_blink_count_sent = count;
    emit set_blink_count(count);
}

QJsonObject App::sensor_status() const
{
    return m_sensors->status();
}

void App::use_camera_changed(bool value)
{
    m_sensors->use_camera_changed(value);
}

bool App::is_camera_active()
{
    return m_sensors->is_camera_active();
}

bool App::use_automatic_brightness()
{
    return m_sensors->use_automatic_brightness();
}

void App::use_automatic_brightness_changed(bool value)
{
    m_sensors->use_automatic_brightness_changed(value);
}

bool App::use_blink_detection()
{
    return m_sensors->use_blink_detection();
}

void App::use_blink_detection_changed(bool value)
{
    m_sensors->use_blink_detection_changed(value);
}

void App::match_brightness_to_lighting_changed(bool value)
{
    m_sensors->match_brightness_to_lighting_changed(value);
}

void App::auto_brightness_changed(int value)
{
    m_sensors->auto_brightness_changed(value);
}

void App::reset_blinks()
{
    m_sensors->reset_blinks();
}

void App::show_blink_screen()
{
    m_sensors->show_blink_screen();
}

void App::hide_blink_screen()
{
    m_sensors->hide_blink_screen();
}

void App::update_smart_brightness()
{
    if (m_sensors)
        m_sensors->update_smart_brightness();
}

void App::update_smart_inversion()
{
    if (m_sensors)
        m_sensors->update_smart_inversion();
}

void App::use_smart_brightness_changed(bool value)
{
    m_sensors->use_smart_brightness_changed(value);
}

void App::use_smart_inversion_changed(bool value)
{
    m_sensors->use_smart_inversion_changed(value);
}

void App::foreground_title_changed(const QString& title)
{
    m_sensors->foreground_title_changed(title);
}
