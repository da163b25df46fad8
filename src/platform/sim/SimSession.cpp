#include "platform/sim/SimSession.h"

void SimSession::configure(const QJsonObject& config)
{
    setLocked(
        config.value(QLatin1String("session")).toObject().value(QLatin1String("locked")).toBool());
}

void SimSession::addState(QJsonObject& state) const
{
    state.insert(QStringLiteral("session"), QJsonObject{{QStringLiteral("locked"), isLocked()}});
}
