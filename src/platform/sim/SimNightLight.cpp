#include "platform/sim/SimNightLight.h"

#include "KavoLog.h"

#include <QJsonValue>

#include <algorithm>

namespace {
const QStringList kRoutes = {QStringLiteral("kwin-night-colour"),
                             QStringLiteral("gnome-night-light")};
}

bool SimNightLight::setTemperature(int kelvin)
{
    if (!isOffered() || m_refuses)
        return false;
    m_temperature = std::clamp(kelvin, 1000, 6500);
    m_holds = true;
    ++m_changes;
    changed();
    return true;
}

bool SimNightLight::setBrightness(int percent)
{
    if (!isOffered() || !m_hasBrightness || m_refuses)
        return false;
    m_brightness = std::clamp(percent, 1, 100);
    m_holds = true;
    ++m_changes;
    changed();
    return true;
}

void SimNightLight::restore()
{
    if (!m_holds)
        return;
    m_temperature = m_ownTemperature;
    m_brightness = m_ownBrightness;
    m_holds = false;
    ++m_restores;
    changed();
}

void SimNightLight::configure(const QJsonObject& config)
{
    const QJsonObject light = config.value(QLatin1String("night_light")).toObject();
    const QString route = light.value(QLatin1String("route")).toString();
    if (!route.isEmpty() && !kRoutes.contains(route))
        log_line(QStringLiteral("Simulated night light ignored: unknown route \"%1\"").arg(route));
    m_route = kRoutes.contains(route) ? route : QString();
    m_hasBrightness = light.value(QLatin1String("brightness")).toBool();
    m_unavailable = light.value(QLatin1String("unavailable")).toString();
    m_refuses = light.value(QLatin1String("refuses")).toBool() || !m_unavailable.isEmpty();
    m_ownTemperature =
        std::clamp(light.value(QLatin1String("temperature")).toInt(6500), 1000, 6500);
    m_ownBrightness = std::clamp(light.value(QLatin1String("backlight")).toInt(100), 1, 100);
    if (!m_holds) {
        m_temperature = m_ownTemperature;
        m_brightness = m_ownBrightness;
    }
}

void SimNightLight::addState(QJsonObject& state) const
{
    if (!isOffered())
        return;
    state.insert(QStringLiteral("night_light"),
                 QJsonObject{{QStringLiteral("route"), m_route},
                             {QStringLiteral("temperature"), m_temperature},
                             {QStringLiteral("brightness"),
                              m_hasBrightness ? QJsonValue(m_brightness) : QJsonValue()},
                             {QStringLiteral("holds"), m_holds},
                             {QStringLiteral("changes"), m_changes},
                             {QStringLiteral("restores"), m_restores}});
}
