#include "platform/sim/SimDesktopInfo.h"

#include <QJsonArray>

void SimDesktopInfo::configure(const QJsonObject& config)
{
    m_description = DesktopDescription();
    m_description.kind = QStringLiteral("simulated desktop");
    m_description.window_manager = config.value(QLatin1String("window_manager")).toString();
    m_description.compositor = config.value(QLatin1String("compositor")).toString();
    const QJsonArray monitors = config.contains(QLatin1String("monitors"))
                                    ? config.value(QLatin1String("monitors")).toArray()
                                    : QJsonArray{QJsonObject()};
    for (const QJsonValue& entry : monitors) {
        const QJsonObject monitor = entry.toObject();
        // The same monitors as the displays take: those with a size.
        if (monitor.value(QLatin1String("width")).toInt(1920) <= 0 ||
            monitor.value(QLatin1String("height")).toInt(1080) <= 0)
            continue;
        m_description.monitors.append({monitor.value(QLatin1String("name")).toString(),
                                       monitor.value(QLatin1String("gamma_size")).toInt(256),
                                       QString()});
    }
}
