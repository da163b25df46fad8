#pragma once

#include "App.h"
#include "ColorTransitions.h"
#include "color/ColorOutput.h"

// Hands the transitions what they need from the controller.
class AppTransitionHost final : public TransitionHost
{
public:
    explicit AppTransitionHost(App& app) : m_app(app) {}

    ColorPoint current_colors() const override
    {
        return {static_cast<float>(m_app.m_current_temperature),
                static_cast<float>(m_app.m_current_brightness)};
    }
    void set_current_colors(int temperature, int brightness) override
    {
        m_app.m_current_temperature = temperature;
        m_app.m_current_brightness = brightness;
    }
    ColorPoint scheduled_colors() override
    {
        return {m_app.get_interpolated_color_temperature(0),
                m_app.get_interpolated_brightness(0)};
    }
    void apply_transition_colors(int temperature, float brightness_factor) override
    {
        m_app.apply_colors_to(0, temperature, brightness_factor);
    }
    bool uses_per_monitor_settings() override { return m_app.setting_flag("UsePerMonitorSettings"); }
    bool is_gamma_paused() override { return m_app.is_gamma_paused(); }
    void restore_gamma() override { m_app.restore_gamma(); }
    void update_gamma() override { m_app.update_gamma(); }
    void update_kavo() override { m_app.update_kavo(); }
    void refresh_after_transition() override { m_app.refresh_after_transition(); }
    void set_gamma_inverted(bool inverted) override
    {
        if (m_app.m_color_output && m_app.m_color_output->gamma())
            m_app.m_color_output->gamma()->set_inverted(inverted);
    }
    bool desired_inversion() override
    {
        return m_app.m_color_output && m_app.m_color_output->inversion_target();
    }
    void set_desired_inversion(bool inverted) override
    {
        if (m_app.m_color_output)
            m_app.m_color_output->set_inversion_target(inverted);
    }
    void refresh_color_effects() override { m_app.refresh_color_effects(); }
    void refresh_color_inversion() override { m_app.refresh_color_inversion(); }
    int pause_transition_duration() override
    {
        return m_app.m_settings.value(QStringLiteral("PauseTransitionDuration")).toInt();
    }
    int smooth_colors_update_interval() override
    {
        return m_app.m_settings.value(QStringLiteral("SmoothColorsUpdateInterval")).toInt();
    }

private:
    App& m_app;
};
