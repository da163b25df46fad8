#pragma once

#include "platform/IPower.h"
#include "platform/sim/SimService.h"

#include <QJsonArray>

// Restart requests, relaunches and raised-rights programs are recorded, not carried out. The
// config's "power" object can make them fail: {"restart_refused": true, "elevation_error": 1223}.
// The state lists them as "restart_requests" (messages), "relaunches" (programs) and
// "elevated_commands" ({"program", "arguments"} objects).
class SimPower : public IPower, public SimService
{
public:
    bool requestRestart(const QString& message) override;
    int runElevated(const QString& program, const QString& arguments) override;
    bool relaunchAfterExit(const QString& program) override;

    void configure(const QJsonObject& config) override;
    void addState(QJsonObject& state) const override;

private:
    bool m_restartRefused = false;
    int m_elevationError = 0;
    QJsonArray m_restartRequests;
    QJsonArray m_elevatedCommands;
    QJsonArray m_relaunches;
};
