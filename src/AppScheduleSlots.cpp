// App's schedule: the interpolated colours of each monitor, the 24-hour preview and the
// transition-times text, each forwarded to TransitionSchedule, TransitionPreview or
// TransitionTimesInfo.
#include "App.h"

#include "color/ColorOutput.h"
#include "color/RampSettings.h"
#include "platform/Platform.h"
#include "schedule/ClockPosition.h"
#include "schedule/SolarPosition.h"
#include "schedule/TransitionPreview.h"
#include "schedule/TransitionSchedule.h"
#include "schedule/TransitionTimesInfo.h"


namespace {
double now_ms()
{
    return static_cast<double>(Platform::current().clock().nowMs());
}
} // namespace

TransitionSchedule& App::schedule()
{
    if (!m_schedule) {
        m_schedule = std::make_shared<TransitionSchedule>(
            m_settings, m_location, ClockPosition::instance(), SolarPosition::instance());
    }
    return *m_schedule;
}

TransitionPreview& App::transition_preview()
{
    if (!m_transition_preview) {
        // The update loop's slots are reached by name: they belong to the controller's loop.
        PreviewHooks hooks;
        hooks.applyColors = [this](int temperature, float brightness, int monitor) {
            if (color_output()) {
                RampSettings settings;
                settings.temperature = temperature;
                settings.brightness = brightness;
                color_output()->apply_colors(settings, monitor);
            }
        };
        hooks.updateGamma = [this] { update_gamma(); };
        hooks.updateKavoStatus = [this] { update_kavo_status(); };
        m_transition_preview = std::make_shared<TransitionPreview>(
            schedule(), m_settings,
            ControllerColors{m_automation_paused, m_current_temperature, m_current_brightness},
            hooks);
    }
    return *m_transition_preview;
}

bool App::is_preview_running() const
{
    return m_transition_preview && m_transition_preview->isRunning();
}

double App::preview_time() const
{
    return m_transition_preview ? m_transition_preview->previewTime() : 0.0;
}

float App::get_interpolated_color_temperature(int monitor_number)
{
    return schedule().temperatureAt(now_ms(), monitor_number);
}

float App::get_interpolated_brightness(int monitor_number)
{
    return schedule().brightnessAt(now_ms(), monitor_number);
}

float App::get_preview_temperature(double time, int monitor_number)
{
    return schedule().temperatureAt(time, monitor_number);
}

float App::get_preview_brightness(double time, int monitor_number)
{
    return schedule().brightnessAt(time, monitor_number);
}

int App::get_transition_type()
{
    return static_cast<int>(schedule().transitionType());
}

bool App::is_day()
{
    return TransitionSchedule::isDay(now_ms());
}

void App::preview_transitions()
{
    transition_preview().preview_transitions();
}

void App::preview_transitions_timeout()
{
    transition_preview().preview_transitions_timeout();
}

void App::preview_transition_at(double time)
{
    transition_preview().preview_transition_at(time);
}

void App::stop_preview_transitions()
{
    transition_preview().stop_preview_transitions();
}

void App::preview_temperature(int temperature, int monitor_number)
{
    transition_preview().preview_temperature(temperature, monitor_number);
}

void App::preview_brightness(int brightness, int monitor_number)
{
    transition_preview().preview_brightness(brightness, monitor_number);
}

QString App::get_transition_times_info_string()
{
    return TransitionTimesInfo::text(m_settings, m_location, now_ms());
}

void App::update_transition_times_info()
{
    emit set_transition_times_info(get_transition_times_info_string());
}

void App::update_moon_phases_info()
{
    emit set_moon_phases_info(get_transition_times_info_string());
}
