#include "color/BrightnessConfigManager.h"

#include <QtGlobal>

#include <limits>

BrightnessConfigManager::BrightnessConfigManager()
    : HourlyConfigManager("brightnessConfig.txt", "NightBrightness",
                          std::numeric_limits<int>::min(), std::numeric_limits<int>::max(),
                          "brightness values")
{
}

int BrightnessConfigManager::setting_value(int rule_value) const
{
    return qBound(5, rule_value, 100);
}
