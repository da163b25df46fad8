#pragma once

#include "color/HourlyConfigManager.h"

// "brightnessConfig.txt": the night brightness by hour, in percent, held within 5..100.
class BrightnessConfigManager : public HourlyConfigManager
{
public:
    BrightnessConfigManager();

protected:
    int setting_value(int rule_value) const override;
};
