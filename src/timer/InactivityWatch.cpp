#include "timer/InactivityWatch.h"

InactivityWatch::Action InactivityWatch::tick(bool watching, bool timer_paused, bool timer_exists,
                                              bool rest_running)
{
    if (timer_paused)
        return Action::None;
    if (watching) {
        ++m_idle_ticks;
        if (is_idle()) {
            if (timer_exists && !rest_running && !m_stopped_timer) {
                m_stopped_timer = true;
                return Action::StopTimer;
            }
            return Action::None;
        }
    }
    if (!m_stopped_timer)
        return Action::None;
    m_stopped_timer = false;
    return Action::StartTimer;
}
