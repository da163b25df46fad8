#include "color/TemperatureConfigManager.h"

TemperatureConfigManager::TemperatureConfigManager()
    : HourlyConfigManager("temperatureConfig.txt", "NightTemperature", 0, 10000,
                          "temperatures outside 0..10000 K")
{
}
