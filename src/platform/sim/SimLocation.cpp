#include "platform/sim/SimLocation.h"

#include <QTimer>

void SimLocation::locate(QObject* context, Callback done)
{
    ++m_requests;
    changed();
    QTimer::singleShot(0, context, [done = std::move(done), fix = m_fix] { done(fix); });
}

void SimLocation::configure(const QJsonObject& config)
{
    const QJsonValue location = config.value(QLatin1String("location"));
    m_fix = LocationFix();
    if (!location.isObject()) {
        m_fix.problem = QStringLiteral("The simulated desktop has no location service");
        return;
    }
    const QJsonObject object = location.toObject();
    GeoPosition position;
    position.latitude = object.value(QLatin1String("latitude")).toDouble(qQNaN());
    position.longitude = object.value(QLatin1String("longitude")).toDouble(qQNaN());
    if (position.isValid())
        m_fix.position = position;
    else
        m_fix.problem = QStringLiteral("The simulated location is not a valid position");
}

void SimLocation::addState(QJsonObject& state) const
{
    state.insert(QStringLiteral("location_requests"), m_requests);
}
