#include "schedule/ClockPosition.h"

#include "platform/Platform.h"

float ClockPosition::interpolate_now(ClockInterpolationValues values)
{
    return interpolate_at(static_cast<double>(Platform::current().clock().nowMs()), values);
}
