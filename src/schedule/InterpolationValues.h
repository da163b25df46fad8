#pragma once

#include <cstdint>

// Byte 0: use the sleep period; byte 1: force the night value; bytes 2-3 unused.
struct InterpolationFlags
{
    uint8_t use_sleep = 0;
    uint8_t force_night = 0;
    uint8_t unused[2] = {0, 0};
};

// Input of the clock schedule: fixed night and sleep times and the three target values.
struct ClockInterpolationValues
{
    int32_t night_start_hours = 0;
    int32_t night_start_minutes = 0;
    int32_t night_end_hours = 0;
    int32_t night_end_minutes = 0;
    int32_t bedtime_hours = 0;
    int32_t bedtime_minutes = 0;
    int32_t wake_hours = 0;
    int32_t wake_minutes = 0;
    float day_value = 0.0f;
    float night_value = 0.0f;
    float sleep_value = 0.0f;
    InterpolationFlags flags;
    int32_t day_transition = 0;
    int32_t night_transition = 0;
    int32_t sleep_transition = 0;
};

// Input of the solar schedule: the place, the sleep times, the moon offsets and the values.
struct SolarInterpolationValues
{
    float latitude = 0.0f;
    float longitude = 0.0f;
    int32_t bedtime_hours = 0;
    int32_t bedtime_minutes = 0;
    int32_t wake_hours = 0;
    int32_t wake_minutes = 0;
    float day_value = 0.0f;
    float night_value = 0.0f;
    float sleep_value = 0.0f;
    InterpolationFlags flags;
    int32_t day_transition = 0;
    int32_t night_transition = 0;
    int32_t sleep_transition = 0;
    int32_t time_zone_offset = 0;
    int32_t new_moon_offset = 0;
    int32_t full_moon_offset = 0;
};

static_assert(sizeof(InterpolationFlags) == 4);
static_assert(sizeof(ClockInterpolationValues) == 15 * 4);
static_assert(sizeof(SolarInterpolationValues) == 16 * 4);
