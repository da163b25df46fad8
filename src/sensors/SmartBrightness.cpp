#include "sensors/SmartBrightness.h"

SmartBrightness::SmartBrightness(const SettingsMap& settings, IScreenCapture& capture,
                                 QObject* parent)
    : ScreenContentSensor(capture, parent), m_settings(settings)
{
}

float SmartBrightness::target_for(double mean, bool inverted_ramps)
{
    int value = static_cast<int>(mean);
    if (!inverted_ramps)
        value = 256 - value;
    return static_cast<float>(value - 256) / 25.6f;
}

void SmartBrightness::measured(double mean_luminance)
{
    const bool inverted_ramps = m_settings.value(QStringLiteral("UseInvertedColors")).toBool() &&
                                m_settings.value(QStringLiteral("UseLowLevelColorApi")).toBool();
    set_target(target_for(mean_luminance, inverted_ramps));
}
