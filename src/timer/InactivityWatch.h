#pragma once

// Counts the controller's update ticks without keyboard or mouse input while inactivity
// watching is on. Past the limit the break timer stops, and it starts again at the first
// tick after input came back.
class InactivityWatch
{
public:
    // Update ticks without input after which the timer stops.
    static constexpr int kIdleTicksLimit = 120;

    enum class Action
    {
        None,
        StopTimer,
        StartTimer
    };

    // Input was seen: the count starts over.
    void reset() { m_idle_ticks = 0; }

    // One update tick. `watching`: mouse or keyboard inactivity is on; `timer_paused`: the user
    // paused the timer (nothing is counted); `timer_exists` and `rest_running` describe the
    // break timer. Returns what to do with the timer.
    Action tick(bool watching, bool timer_paused, bool timer_exists, bool rest_running);

    bool is_idle() const { return m_idle_ticks > kIdleTicksLimit; }
    bool stopped_timer() const { return m_stopped_timer; }

private:
    int m_idle_ticks = 0;
    bool m_stopped_timer = false;
};
