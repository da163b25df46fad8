#pragma once

#include "ColorGlide.h"

#include <QObject>
#include <QTimer>

// What the colour transitions need from the controller.
class TransitionHost
{
public:
    virtual ~TransitionHost() = default;

    // The colours on screen now (what the status shows).
    virtual ColorPoint current_colors() const = 0;
    virtual void set_current_colors(int temperature, int brightness) = 0;
    // What the schedule asks for on all monitors now.
    virtual ColorPoint scheduled_colors() = 0;
    // Puts `temperature` and `brightness_factor` on every monitor.
    virtual void apply_transition_colors(int temperature, float brightness_factor) = 0;
    virtual bool uses_per_monitor_settings() = 0;
    virtual bool is_gamma_paused() = 0;
    virtual void restore_gamma() = 0;
    virtual void update_gamma() = 0;
    virtual void update_kavo() = 0;
    // The full refresh that ends a transition: colours, interface, idle time, sensors.
    virtual void refresh_after_transition() = 0;
    virtual void set_gamma_inverted(bool inverted) = 0;
    // The inversion a switch applies at its dark point (also read by the colour matrix).
    virtual bool desired_inversion() = 0;
    virtual void set_desired_inversion(bool inverted) = 0;
    virtual void refresh_color_effects() = 0;
    virtual void refresh_color_inversion() = 0;
    // PauseTransitionDuration and SmoothColorsUpdateInterval, in ms.
    virtual int pause_transition_duration() = 0;
    virtual int smooth_colors_update_interval() = 0;
};

// The stepped colour transitions of pausing and resuming: restore (to neutral), return (to the
// schedule or a given target), and the switch through a dark point, where the colour
// inversion changes, followed by its return. Each runs on its own timer.
class ColorTransitions : public QObject
{
    Q_OBJECT

public:
    static constexpr int kSwitchSteps = 20;
    static const ColorPoint kNeutral;
    static const ColorPoint kDarkPoint;

    explicit ColorTransitions(TransitionHost& host, QObject* parent = nullptr);

    bool any_running() const;
    bool restore_running() const { return m_restore.running(); }
    bool return_running() const { return m_return.running(); }
    bool switch_running() const { return m_switch.running(); }
    bool switch_return_running() const { return m_switch_return.running(); }

    // Steps of the restore, return and move glides for the current settings.
    int step_count();

    void restore_colors();
    void return_colors();
    void move_to(int temperature, int brightness);
    void switch_state();
    void restore_colors_with_switch_state();
    void return_colors_with_switch_state();
    void switch_state_return();

    void restore_colors_timeout();
    void return_colors_timeout();
    // The running return glide takes its next step now instead of at its timer's next
    // timeout (the first colours at start-up); it ends on its timer as usual.
    void step_return_now();
    void switch_state_timeout();
    void switch_state_return_timeout();

private:
    void start_timer(QTimer& timer);
    void start_return(ColorPoint origin, ColorPoint target);
    void start_switch(ColorPoint from);
    // Applies the glide's position; false once the glide has arrived.
    bool step_and_apply(ColorGlide& glide);

    TransitionHost& m_host;
    ColorGlide m_restore;
    ColorGlide m_return;
    ColorGlide m_switch;
    ColorGlide m_switch_return;
    QTimer m_restore_timer;
    QTimer m_return_timer;
    QTimer m_switch_timer;
    QTimer m_switch_return_timer;
    bool m_ends_at_neutral = false;
};
