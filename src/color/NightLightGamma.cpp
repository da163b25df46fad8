#include "color/NightLightGamma.h"

#include "platform/IDisplays.h"
#include "platform/INightLight.h"

#include <algorithm>
#include <cmath>

NightLightGamma::NightLightGamma(INightLight& light, IDisplays& displays, QObject* parent)
    : IGamma(parent), m_light(light), m_displays(displays)
{
}

int NightLightGamma::reset()
{
    m_light.restore();
    return 0;
}

int NightLightGamma::restore()
{
    m_light.restore();
    return 0;
}

int NightLightGamma::monitor_count()
{
    return std::max(1, m_displays.monitorCount());
}

bool NightLightGamma::shows_brightness() const
{
    return m_light.hasBrightness();
}

int NightLightGamma::leading_monitor(const QList<int>& ignored)
{
    const int monitors = monitor_count();
    for (int monitor = 1; monitor <= monitors; ++monitor) {
        if (!ignored.contains(monitor))
            return monitor;
    }
    return 0;
}

int NightLightGamma::set_temperature(RampSettings settings, QList<int> ignored, int monitor_number)
{
    const int leading = leading_monitor(ignored);
    if (leading == 0) {
        m_light.restore();
        return 0;
    }
    // The other monitors show what the leading one shows.
    if (monitor_number != 0 && monitor_number != leading)
        return 0;
    if (!m_light.setTemperature(settings.temperature))
        return -1;
    if (!m_light.hasBrightness())
        return 0;
    const int percent = static_cast<int>(std::lround(settings.brightness * 100.0f));
    return m_light.setBrightness(std::clamp(percent, 1, 100)) ? 0 : -1;
}
