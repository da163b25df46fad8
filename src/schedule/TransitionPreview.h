#pragma once

#include "schedule/TransitionSchedule.h"

#include <QObject>
#include <QTimer>

#include <functional>

// The controller's colour state that a preview reads and changes.
struct ControllerColors
{
    bool& automationPaused; // while set, the update loop leaves the colours alone
    int& currentTemperature;
    int& currentBrightness; // percent
};

// What a preview asks of the controller.
struct PreviewHooks
{
    std::function<void(int temperature, float brightness, int monitor)> applyColors;
    std::function<void()> updateGamma;
    std::function<void()> updateKavoStatus;
};

// Plays the schedule's next 24 hours on the screen, five simulated minutes per tick, and shows
// single temperatures or brightnesses while a page slider is held.
class TransitionPreview : public QObject
{
    Q_OBJECT

public:
    TransitionPreview(TransitionSchedule& schedule, const SettingsMap& settings,
                      ControllerColors colors, PreviewHooks hooks, QObject* parent = nullptr);

    void preview_transitions();
    void preview_transitions_timeout();
    void preview_transition_at(double time);
    void stop_preview_transitions();
    void preview_temperature(int temperature, int monitor_number = 0);
    void preview_brightness(int brightness, int monitor_number = 0);

    bool isRunning() const { return m_timer.isActive(); }
    // The simulated instant (ms since the epoch) the preview shows next.
    double previewTime() const { return m_previewTime; }

    static constexpr double kDayMs = 86400000.0;
    static constexpr double kStepMs = 300000.0;

private:
    void apply(int temperature, int brightness, int monitor);

    TransitionSchedule& m_schedule;
    const SettingsMap& m_settings;
    ControllerColors m_colors;
    PreviewHooks m_hooks;
    QTimer m_timer;
    double m_previewTime = 0.0;
    double m_previewEnd = 0.0;
};
