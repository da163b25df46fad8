#include "ColorTransitions.h"

const ColorPoint ColorTransitions::kNeutral{6500.0f, 100.0f};
const ColorPoint ColorTransitions::kDarkPoint{100.0f, 10.0f};

ColorTransitions::ColorTransitions(TransitionHost& host, QObject* parent)
    : QObject(parent), m_host(host)
{
    connect(&m_restore_timer, &QTimer::timeout, this, &ColorTransitions::restore_colors_timeout);
    connect(&m_return_timer, &QTimer::timeout, this, &ColorTransitions::return_colors_timeout);
    connect(&m_switch_timer, &QTimer::timeout, this, &ColorTransitions::switch_state_timeout);
    connect(&m_switch_return_timer, &QTimer::timeout, this,
            &ColorTransitions::switch_state_return_timeout);
}

bool ColorTransitions::any_running() const
{
    return m_restore.running() || m_return.running() || m_switch.running() ||
           m_switch_return.running();
}

int ColorTransitions::step_count()
{
    const int interval = m_host.smooth_colors_update_interval();
    if (interval <= 0)
        return 1;
    return std::max(1, m_host.pause_transition_duration() / interval);
}

void ColorTransitions::start_timer(QTimer& timer)
{
    timer.start(std::max(0, m_host.smooth_colors_update_interval()));
}

bool ColorTransitions::step_and_apply(ColorGlide& glide)
{
    if (!glide.step())
        return false;
    const ColorPoint at = glide.current();
    const int temperature = static_cast<int>(at.temperature);
    m_host.set_current_colors(temperature, static_cast<int>(at.brightness / 100.0f * 100.0f));
    m_host.apply_transition_colors(temperature, at.brightness / 100.0f);
    return true;
}

void ColorTransitions::restore_colors()
{
    if (m_host.uses_per_monitor_settings()) {
        m_host.restore_gamma();
        return;
    }
    m_return_timer.stop();
    const ColorPoint from = m_return.running() ? m_return.current() : m_host.current_colors();
    m_return.stop();
    m_restore.start(from, kNeutral, step_count());
    start_timer(m_restore_timer);
}

void ColorTransitions::restore_colors_timeout()
{
    if (step_and_apply(m_restore))
        return;
    m_restore_timer.stop();
    m_restore.stop();
    m_host.set_current_colors(6500, 100);
    m_host.restore_gamma();
    m_host.refresh_after_transition();
}

void ColorTransitions::start_return(ColorPoint origin, ColorPoint target)
{
    m_restore_timer.stop();
    const ColorPoint from = m_restore.running() ? m_restore.current() : origin;
    m_restore.stop();
    m_return.start_from(from, origin, target, step_count());
    start_timer(m_return_timer);
}

void ColorTransitions::return_colors()
{
    if (m_host.uses_per_monitor_settings()) {
        m_host.update_gamma();
        return;
    }
    // The increments are those from neutral, also when the glide starts from a restore
    // position, so a paused-then-resumed screen arrives at the usual pace.
    start_return(kNeutral, m_host.scheduled_colors());
}

void ColorTransitions::move_to(int temperature, int brightness)
{
    if (m_switch.running() || m_switch_return.running() || m_host.is_gamma_paused())
        return;
    if (m_host.uses_per_monitor_settings()) {
        m_host.update_kavo();
        return;
    }
    const ColorPoint target{static_cast<float>(temperature), static_cast<float>(brightness)};
    start_return(m_host.current_colors(), target);
}

void ColorTransitions::return_colors_timeout()
{
    if (step_and_apply(m_return))
        return;
    m_return_timer.stop();
    m_return.stop();
    m_host.refresh_after_transition();
}

void ColorTransitions::step_return_now()
{
    if (m_return.running())
        step_and_apply(m_return);
}

void ColorTransitions::start_switch(ColorPoint from)
{
    m_restore_timer.stop();
    m_return_timer.stop();
    m_switch_return_timer.stop();
    m_restore.stop();
    m_return.stop();
    const ColorPoint start = m_switch_return.running() ? m_switch_return.current() : from;
    m_switch_return.stop();
    m_switch.start(start, kDarkPoint, kSwitchSteps);
    start_timer(m_switch_timer);
}

void ColorTransitions::switch_state()
{
    if (m_switch.running())
        return;
    if (m_host.is_gamma_paused()) {
        m_host.refresh_color_inversion();
        return;
    }
    start_switch(m_host.current_colors());
}

void ColorTransitions::restore_colors_with_switch_state()
{
    if (m_switch.running())
        return;
    m_ends_at_neutral = true;
    m_host.set_desired_inversion(false);
    m_host.set_gamma_inverted(true);
    start_switch(m_host.current_colors());
}

void ColorTransitions::return_colors_with_switch_state()
{
    if (m_switch.running())
        return;
    if (m_host.is_gamma_paused()) {
        m_host.refresh_color_inversion();
        return;
    }
    m_host.set_desired_inversion(true);
    m_host.set_gamma_inverted(false);
    start_switch(kNeutral);
}

void ColorTransitions::switch_state_timeout()
{
    if (step_and_apply(m_switch))
        return;
    m_switch_timer.stop();
    m_switch.stop();
    // The inversion flips at the dark point, where the change cannot be seen.
    m_host.set_gamma_inverted(m_host.desired_inversion());
    m_host.refresh_color_effects();
    switch_state_return();
}

void ColorTransitions::switch_state_return()
{
    m_switch_timer.stop();
    const ColorPoint from = m_switch.running() ? m_switch.current() : kDarkPoint;
    m_switch.stop();
    const ColorPoint target = m_ends_at_neutral ? kNeutral : m_host.scheduled_colors();
    m_switch_return.start_from(from, kDarkPoint, target, kSwitchSteps);
    start_timer(m_switch_return_timer);
}

void ColorTransitions::switch_state_return_timeout()
{
    if (step_and_apply(m_switch_return))
        return;
    m_switch_return_timer.stop();
    m_switch_return.stop();
    m_ends_at_neutral = false;
    m_host.refresh_after_transition();
    m_host.refresh_color_inversion();
}
