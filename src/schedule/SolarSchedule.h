#pragma once

#include "schedule/InterpolationValues.h"
#include "schedule/SleepTimeline.h"
#include "schedule/SunCalculator.h"
#include "schedule/TransitionType.h"

#include <QDate>
#include <QtGlobal>

#include <vector>

// The day/night/sleep schedule from the sun at the user's place, with transitions centred on
// sunrise and sunset and moved earlier by the moon-phase offset. Keeps the type its last
// evaluation found.
class SolarSchedule
{
public:
    virtual ~SolarSchedule() = default;

    // The value of `values` at `instantMs` (ms since the epoch).
    float interpolate_at(double instantMs, SolarInterpolationValues values);

    // Sunrise and sunset on the local date of `instantMs` at the place of `values`.
    SunEvents sunEventsAt(double instantMs, const SolarInterpolationValues& values);

    // The moon offset (seconds) at `instantMs` with the offsets of `values`.
    static float moonOffsetAt(double instantMs, const SolarInterpolationValues& values);

    TransitionType get() const { return m_type; }

    // How many values it has been asked for: what the update loop's cost grows with.
    int evaluations() const { return m_evaluations; }

    SunCalculator& calculator() { return m_calculator; }

private:
    struct Place
    {
        float latitude = 0.0f;
        float longitude = 0.0f;
        bool operator==(const Place& other) const
        {
            return latitude == other.latitude && longitude == other.longitude;
        }
    };
    struct NightKey
    {
        Place place;
        int32_t dayTransition = 0;
        int32_t nightTransition = 0;
        bool operator==(const NightKey& other) const
        {
            return place == other.place && dayTransition == other.dayTransition &&
                   nightTransition == other.nightTransition;
        }
    };
    struct SunDay
    {
        QDate date; // local
        Place place;
        SunEvents events;
    };

    TransitionTimeline dayNightTimeline(const QDate& date, const NightKey& key);
    // The sun's events of the local date `date` at `place`, computed once per date and place.
    SunEvents sunOn(const QDate& date, const Place& place);

    SunCalculator m_calculator;
    TransitionType m_type = TransitionType::Day;
    int m_evaluations = 0;
    TimelineCache<NightKey> m_night;
    SleepTimeline m_sleep;
    std::vector<SunDay> m_sunDays;
};
