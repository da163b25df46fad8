#include "platform/sim/SimSession.h"

void SimSession::configure(const QJsonObject& config)
{
    const QJsonObject session = config.value(QLatin1String("session")).toObject();
    setLocked(session.value(QLatin1String("locked")).toBool());
    setSleeping(session.value(QLatin1String("sleeping")).toBool());
}

void SimSession::addState(QJsonObject& state) const
{
    state.insert(QStringLiteral("session"), QJsonObject{{QStringLiteral("locked"), m_locked},
                                                        {QStringLiteral("sleeping"), m_sleeping}});
}

void SimSession::setLocked(bool locked)
{
    if (locked == m_locked)
        return;
    m_locked = locked;
    if (locked)
        emit this->locked();
    else
        emit unlocked();
}

void SimSession::setSleeping(bool sleeping)
{
    if (sleeping == m_sleeping)
        return;
    m_sleeping = sleeping;
    if (!sleeping)
        emit resumed();
}
