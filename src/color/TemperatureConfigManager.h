#pragma once

#include "color/HourlyConfigManager.h"

// "temperatureConfig.txt": the night colour temperature by hour, in kelvin. Values outside the
// range the settings accept (0..10000 K) are skipped.
class TemperatureConfigManager : public HourlyConfigManager
{
public:
    TemperatureConfigManager();
};
