#include "platform/sim/SimDisplays.h"

#include <QJsonArray>

namespace {
const QRect kDefaultMonitor(0, 0, 1920, 1080);
}

SimDisplays::SimDisplays() : m_monitors{kDefaultMonitor} {}

int SimDisplays::monitorCount() const
{
    return m_monitors.size();
}

QVector<QRect> SimDisplays::monitorGeometries() const
{
    return m_monitors;
}

void SimDisplays::configure(const QJsonObject& config)
{
    if (!config.contains(QLatin1String("monitors"))) {
        m_monitors = {kDefaultMonitor};
        return;
    }
    m_monitors.clear();
    for (const QJsonValue& entry : config.value(QLatin1String("monitors")).toArray()) {
        const QJsonObject monitor = entry.toObject();
        const QRect geometry(monitor.value(QLatin1String("x")).toInt(),
                             monitor.value(QLatin1String("y")).toInt(),
                             monitor.value(QLatin1String("width")).toInt(1920),
                             monitor.value(QLatin1String("height")).toInt(1080));
        if (geometry.isValid())
            m_monitors.append(geometry);
    }
}

void SimDisplays::addState(QJsonObject& state) const
{
    QJsonArray monitors;
    for (const QRect& geometry : m_monitors) {
        monitors.append(QJsonObject{{QStringLiteral("x"), geometry.x()},
                                    {QStringLiteral("y"), geometry.y()},
                                    {QStringLiteral("width"), geometry.width()},
                                    {QStringLiteral("height"), geometry.height()}});
    }
    state.insert(QStringLiteral("monitors"), monitors);
}
