#pragma once

#include "schedule/TransitionTimeline.h"
#include "schedule/TransitionType.h"

#include <QDate>

#include <cstdint>

// The three target values of a day and how to use them.
struct TransitionValues
{
    float day = 0.0f;
    float night = 0.0f;
    float sleep = 0.0f;
    bool useSleep = false;
};

// A clock time and the transition that ends at it, as the settings give them.
struct ClockTransition
{
    int32_t hours = 0;
    int32_t minutes = 0;
    int32_t seconds = 0; // length of the transition

    bool operator==(const ClockTransition& other) const
    {
        return hours == other.hours && minutes == other.minutes && seconds == other.seconds;
    }
};

int64_t secondsOfDay(int32_t hours, int32_t minutes);

// A transition length the timeline can use: none below 0, at most a day.
double transitionSeconds(int32_t seconds);

// The rising transitions ending at `rise` and the falling ones ending at `fall`, one of each
// per local date from two days before `date` to two days after. Clock times outside a day count
// into the neighbouring dates.
TransitionTimeline clockTimeline(const QDate& date, const ClockTransition& rise,
                                 const ClockTransition& fall);

// Where an instant stands: how far into the night and into the sleep period (each 0..1).
struct TransitionFactors
{
    double night = 0.0;
    bool nightSide = false; // the transition in force leads into the night
    double sleep = 0.0;
};

// The day, night and sleep values mixed by `factors`; `type` is set to what was found.
float mixTransitionValues(const TransitionValues& values, const TransitionFactors& factors,
                          TransitionType& type);
