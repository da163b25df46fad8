#pragma once

#include "platform/ISession.h"
#include "platform/sim/SimService.h"

// The session lock from the config's "session": {"locked": true}; each change of the value
// (the config is re-read when it changes) is reported as locked() or unlocked(). The state
// shows it as "session": {"locked": bool}.
class SimSession : public ISession, public SimService
{
    Q_OBJECT

public:
    void configure(const QJsonObject& config) override;
    void addState(QJsonObject& state) const override;
};
