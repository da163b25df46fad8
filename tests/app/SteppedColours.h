#pragma once

#include "color/ColorRamp.h"

#include <QVariantMap>
#include <QVector>

// Settings under which no update tick comes by itself and glides move only when the test
// steps them (40 steps), with ramps built on the plain identity so that they can be compared
// with the colour arithmetic; `extra` adds to them.
inline QVariantMap steppedSettings(const QVariantMap& extra = {})
{
    QVariantMap settings{{"SmoothColorsUpdateInterval", 1000000},
                         {"PauseTransitionDuration", 40000000},
                         {"KavoUpdateInterval", 1000000},
                         {"PreserveGamma", false},
                         {"UseLowLevelColorApi", true}};
    for (auto it = extra.begin(); it != extra.end(); ++it)
        settings.insert(it.key(), it.value());
    return settings;
}

// The red channel a monitor shows at `temperature` and `brightness` under steppedSettings().
inline QVector<int> expectedRed(int temperature, float brightness)
{
    GammaRamp ramp = ColorRamp::computingIdentity();
    RampSettings settings;
    settings.temperature = temperature;
    settings.brightness = brightness;
    ColorRamp().apply(ramp, settings);
    return QVector<int>(ramp.red.begin(), ramp.red.end());
}
