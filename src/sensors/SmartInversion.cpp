#include "sensors/SmartInversion.h"

#include "KavoLog.h"

SmartInversion::SmartInversion(SettingsMap& settings, IScreenCapture& capture,
                               std::function<void()> refresh_color_inversion, QObject* parent)
    : ScreenContentSensor(capture, parent), m_settings(settings),
      m_refresh_color_inversion(std::move(refresh_color_inversion))
{
}

int SmartInversion::value_for(double mean)
{
    return static_cast<int>(mean) / 10 * 10;
}

void SmartInversion::measured(double mean_luminance)
{
    const int value = value_for(mean_luminance);
    set_target(static_cast<float>(value));
    log_line(QStringLiteral("m_smart_inversion_modifier: ") + QString::number(value));
    m_settings.insert(QStringLiteral("UseInvertedColors"), value > 128);
    if (m_refresh_color_inversion)
        m_refresh_color_inversion();
}
