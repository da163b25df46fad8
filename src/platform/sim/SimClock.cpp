#include "platform/sim/SimClock.h"

#include <QJsonValue>

qint64 SimClock::nowMs() const
{
    if (m_fixed && !m_running)
        return m_fixedMs;
    return QDateTime::currentMSecsSinceEpoch() + m_offsetMs;
}

qint64 SimClock::parseInstant(const QJsonValue& value)
{
    if (value.isDouble())
        return static_cast<qint64>(value.toDouble());
    const QDateTime parsed = QDateTime::fromString(value.toString(), Qt::ISODateWithMs);
    return parsed.isValid() ? parsed.toMSecsSinceEpoch() : -1;
}

void SimClock::configure(const QJsonObject& config)
{
    const QJsonObject clock = config.value(QLatin1String("clock")).toObject();
    if (clock == m_config)
        return;
    m_config = clock;
    const qint64 now = parseInstant(clock.value(QLatin1String("now")));
    m_fixed = now >= 0;
    m_running = clock.value(QLatin1String("running")).toBool(true);
    m_fixedMs = now;
    m_offsetMs = m_fixed ? now - QDateTime::currentMSecsSinceEpoch() : 0;
}

void SimClock::addState(QJsonObject& state) const
{
    state.insert(QStringLiteral("clock_ms"), nowMs());
}
