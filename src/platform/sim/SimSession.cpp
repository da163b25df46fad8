#include "platform/sim/SimSession.h"

void SimSession::configure(const QJsonObject& config)
{
    const bool locked =
        config.value(QLatin1String("session")).toObject().value(QLatin1String("locked")).toBool();
    if (locked == m_locked)
        return;
    m_locked = locked;
    if (m_locked)
        emit this->locked();
    else
        emit unlocked();
}

void SimSession::addState(QJsonObject& state) const
{
    state.insert(QStringLiteral("session"), QJsonObject{{QStringLiteral("locked"), m_locked}});
}
