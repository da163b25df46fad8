#pragma once

#include "schedule/LocalTime.h"
#include "schedule/TransitionTimeline.h"

#include <QDate>

#include <optional>

// Keeps the timeline built for the inputs `Key` around one day, so that every evaluation of a
// tick (and of the ticks after it, until the day or the inputs change) reuses it: building one
// takes a dozen local-time or sun computations, looking it up none.
template <typename Key> class TimelineCache
{
public:
    // The timeline for the local date of `t` (seconds since the epoch), from `build(date)`.
    template <typename Build>
    const TransitionTimeline& forLocalDate(double t, const Key& key, Build build)
    {
        if (holds(t, key))
            return m_timeline;
        const QDate date = LocalTime::dateOf(t * 1000.0);
        m_from = LocalTime::instantAt(date, 0) / 1000.0;
        m_to = LocalTime::instantAt(date.addDays(1), 0) / 1000.0;
        return store(key, build(date));
    }

private:
    bool holds(double t, const Key& key) const
    {
        return m_key && *m_key == key && m_from <= t && t < m_to;
    }

    const TransitionTimeline& store(const Key& key, TransitionTimeline timeline)
    {
        m_key = key;
        m_timeline = std::move(timeline);
        return m_timeline;
    }

    std::optional<Key> m_key;
    double m_from = 0.0;
    double m_to = 0.0;
    TransitionTimeline m_timeline;
};
