#include "platform/sim/SimSession.h"

void SimSession::configure(const QJsonObject& config)
{
    const QJsonObject session = config.value(QLatin1String("session")).toObject();
    setLocked(session.value(QLatin1String("locked")).toBool());
    setSleeping(session.value(QLatin1String("sleeping")).toBool());
}

void SimSession::addState(QJsonObject& state) const
{
    state.insert(QStringLiteral("session"), QJsonObject{{QStringLiteral("locked"), isLocked()},
                                                        {QStringLiteral("sleeping"), m_sleeping}});
}

void SimSession::setLocked(bool locked)
{
    reportLocked(locked);
}

void SimSession::setSleeping(bool sleeping)
{
    if (sleeping == m_sleeping)
        return;
    m_sleeping = sleeping;
    if (!sleeping)
        emit resumed();
}
