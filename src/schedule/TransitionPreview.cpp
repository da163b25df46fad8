#include "schedule/TransitionPreview.h"

#include "platform/Platform.h"

namespace {
constexpr int kDefaultTickMs = 25;
}

TransitionPreview::TransitionPreview(TransitionSchedule& schedule, const SettingsMap& settings,
                                     ControllerColors colors, PreviewHooks hooks, QObject* parent)
    : QObject(parent), m_schedule(schedule), m_settings(settings), m_colors(colors),
      m_hooks(std::move(hooks))
{
    connect(&m_timer, &QTimer::timeout, this, &TransitionPreview::preview_transitions_timeout);
}

void TransitionPreview::preview_transitions()
{
    m_colors.automationPaused = true;
    m_previewTime = static_cast<double>(Platform::current().clock().nowMs());
    m_previewEnd = m_previewTime + kDayMs;
    // A negative interval would leave the timer stopped and automation paused for good.
    const int interval = m_settings.value(QStringLiteral("SmoothColorsUpdateInterval")).toInt();
    m_timer.start(interval >= 0 ? interval : kDefaultTickMs);
}

void TransitionPreview::preview_transitions_timeout()
{
    if (m_previewTime >= m_previewEnd) {
        m_timer.stop();
        m_colors.automationPaused = false;
        if (m_hooks.updateGamma)
            m_hooks.updateGamma();
        if (m_hooks.updateKavoStatus)
            m_hooks.updateKavoStatus();
        return;
    }
    if (m_colors.automationPaused) {
        preview_transition_at(m_previewTime);
        if (m_hooks.updateKavoStatus)
            m_hooks.updateKavoStatus();
    } else {
        m_previewTime = m_previewEnd; // resumed meanwhile: the next tick ends the preview
    }
    m_previewTime += kStepMs;
}

void TransitionPreview::preview_transition_at(double time)
{
    const bool perMonitor = m_settings.value(QStringLiteral("UsePerMonitorSettings")).toBool();
    const int first = perMonitor ? 1 : 0;
    const int last = perMonitor ? Platform::current().displays().monitorCount() : 0;
    for (int monitor = first; monitor <= last; ++monitor) {
        const int temperature = static_cast<int>(m_schedule.temperatureAt(time, monitor));
        const float brightness = m_schedule.brightnessAt(time, monitor) / 100.0f;
        m_colors.currentTemperature = temperature;
        m_colors.currentBrightness = static_cast<int>(brightness * 100.0f);
        if (m_hooks.applyColors)
            m_hooks.applyColors(temperature, brightness, monitor);
    }
}

void TransitionPreview::stop_preview_transitions()
{
    m_previewTime = m_previewEnd;
}

void TransitionPreview::apply(int temperature, int brightness, int monitor)
{
    m_colors.currentTemperature = temperature;
    m_colors.currentBrightness = brightness;
    if (m_hooks.applyColors)
        m_hooks.applyColors(temperature, static_cast<float>(brightness) / 100.0f, monitor);
}

void TransitionPreview::preview_temperature(int temperature, int monitor_number)
{
    if (m_colors.automationPaused)
        apply(temperature, m_colors.currentBrightness, monitor_number);
}

void TransitionPreview::preview_brightness(int brightness, int monitor_number)
{
    if (m_colors.automationPaused)
        apply(m_colors.currentTemperature, brightness, monitor_number);
}
