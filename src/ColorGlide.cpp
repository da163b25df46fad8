#include "ColorGlide.h"

#include <algorithm>

void ColorGlide::start(ColorPoint from, ColorPoint to, int steps)
{
    start_from(from, from, to, steps);
}

void ColorGlide::start_from(ColorPoint from, ColorPoint origin, ColorPoint to, int steps)
{
    const float count = static_cast<float>(std::max(steps, 1));
    m_running = true;
    m_current = from;
    m_target = to;
    m_increment = {(to.temperature - origin.temperature) / count,
                   (to.brightness - origin.brightness) / count};
}

void ColorGlide::stop()
{
    m_running = false;
    m_increment = {0.0f, 0.0f};
}

float ColorGlide::advance(float& value, float& increment, float target)
{
    value += increment;
    if ((increment > 0.0f && value > target) || (increment < 0.0f && value < target))
        increment = 0.0f;
    return increment;
}

bool ColorGlide::step()
{
    const float temperature =
        advance(m_current.temperature, m_increment.temperature, m_target.temperature);
    const float brightness =
        advance(m_current.brightness, m_increment.brightness, m_target.brightness);
    return temperature != 0.0f || brightness != 0.0f;
}
