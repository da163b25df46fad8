#include "schedule/SleepTimeline.h"

double SleepTimeline::factorAt(double t, const ClockTransition& bedtime,
                               const ClockTransition& wake)
{
    const TransitionTimeline& timeline =
        m_cache.forLocalDate(t, Key{bedtime, wake},
                             [&](const QDate& date) { return clockTimeline(date, bedtime, wake); });
    return timeline.factorAt(t);
}
