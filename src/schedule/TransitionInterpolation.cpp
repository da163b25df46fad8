#include "schedule/TransitionInterpolation.h"

#include "schedule/LocalTime.h"

#include <algorithm>

namespace {
constexpr int kWindowDays = 2; // dates on each side of the one asked about
constexpr int32_t kSecondsPerDay = 86400;

Transition endingAt(const QDate& date, const ClockTransition& clock, bool rising)
{
    const int64_t seconds = secondsOfDay(clock.hours, clock.minutes);
    Transition transition;
    transition.end = LocalTime::instantAt(date, seconds * 1000) / 1000.0;
    transition.begin = transition.end - transitionSeconds(clock.seconds);
    transition.event = transition.end;
    transition.rising = rising;
    return transition;
}
} // namespace

int64_t secondsOfDay(int32_t hours, int32_t minutes)
{
    return static_cast<int64_t>(hours) * 3600 + static_cast<int64_t>(minutes) * 60;
}

double transitionSeconds(int32_t seconds)
{
    return static_cast<double>(std::clamp(seconds, 0, kSecondsPerDay));
}

TransitionTimeline clockTimeline(const QDate& date, const ClockTransition& rise,
                                 const ClockTransition& fall)
{
    std::vector<Transition> transitions;
    for (int day = -kWindowDays; day <= kWindowDays; ++day) {
        const QDate around = date.addDays(day);
        transitions.push_back(endingAt(around, rise, true));
        transitions.push_back(endingAt(around, fall, false));
    }
    // A rising and a falling transition that end at the same instant: the rising one first,
    // so the night (or sleep) is empty rather than a whole day long.
    std::stable_sort(transitions.begin(), transitions.end(),
                     [](const Transition& a, const Transition& b) {
                         return a.event < b.event || (a.event == b.event && a.rising && !b.rising);
                     });
    return TransitionTimeline(std::move(transitions), 0.0);
}

float mixTransitionValues(const TransitionValues& values, const TransitionFactors& factors,
                          TransitionType& type)
{
    // Every evaluation starts from Day, so the reported type goes back to Day or Night once
    // the sleep period (with its wake-up transition) is over: the page and the shortcuts show
    // the type, and a Sleep that outlived the night would mislead them.
    const double sleepPart = values.useSleep ? std::clamp(factors.sleep, 0.0, 1.0) : 0.0;
    const bool sleeping = sleepPart > 0.0;
    type = sleeping ? TransitionType::Sleep
                    : (factors.nightSide ? TransitionType::Night : TransitionType::Day);
    if (sleepPart == 1.0)
        return values.sleep;

    const float nightPart = static_cast<float>(std::clamp(factors.night, 0.0, 1.0));
    const float mixed = (1.0f - nightPart) * values.day + nightPart * values.night;
    if (sleeping) {
        const float s = static_cast<float>(sleepPart);
        return (1.0f - s) * mixed + s * values.sleep;
    }
    return mixed;
}
