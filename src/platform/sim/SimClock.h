#pragma once

#include "platform/IClock.h"
#include "platform/sim/SimService.h"

// Real time, or the config's "clock": {"now": ISO 8601 or ms since the epoch, "running": bool}.
// A running clock advances in real time from "now"; a stopped one stands still. The clock is
// set again only when its part of the config changes.
class SimClock : public IClock, public SimService
{
public:
    qint64 nowMs() const override;

    void configure(const QJsonObject& config) override;
    void addState(QJsonObject& state) const override;

    // Parses "now": an ISO 8601 date-time or a number of ms; -1 when it is neither.
    static qint64 parseInstant(const QJsonValue& value);

private:
    QJsonObject m_config;
    bool m_fixed = false;
    bool m_running = true;
    qint64 m_fixedMs = 0;
    qint64 m_offsetMs = 0;
};
