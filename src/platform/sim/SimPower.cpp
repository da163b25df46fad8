#include "platform/sim/SimPower.h"

bool SimPower::requestRestart(const QString& message)
{
    if (m_restartRefused)
        return false;
    m_restartRequests.append(message);
    changed();
    return true;
}

int SimPower::runElevated(const QString& program, const QString& arguments)
{
    if (m_elevationError != 0)
        return m_elevationError;
    m_elevatedCommands.append(QJsonObject{{QStringLiteral("program"), program},
                                          {QStringLiteral("arguments"), arguments}});
    changed();
    return 0;
}

bool SimPower::relaunchAfterExit(const QString& program)
{
    m_relaunches.append(program);
    changed();
    return true;
}

void SimPower::configure(const QJsonObject& config)
{
    const QJsonObject power = config.value(QLatin1String("power")).toObject();
    m_restartRefused = power.value(QLatin1String("restart_refused")).toBool();
    m_elevationError = power.value(QLatin1String("elevation_error")).toInt();
}

void SimPower::addState(QJsonObject& state) const
{
    state.insert(QStringLiteral("restart_requests"), m_restartRequests);
    state.insert(QStringLiteral("elevated_commands"), m_elevatedCommands);
    state.insert(QStringLiteral("relaunches"), m_relaunches);
}
