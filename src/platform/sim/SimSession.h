#pragma once

#include "platform/ISession.h"
#include "platform/sim/SimService.h"

// The session as the config's "session" object describes it: {"locked": true} locks it,
// false unlocks it; {"sleeping": true} suspends the machine and false wakes it, which is
// reported as a resume. A change is reported when the config changes, as a desktop would.
// The state shows the same object.
class SimSession : public ISession, public SimService
{
    Q_OBJECT

public:
    void configure(const QJsonObject& config) override;
    void addState(QJsonObject& state) const override;

    // Test control: what the desktop would report.
    void setLocked(bool locked);
    void setSleeping(bool sleeping);

private:
    bool m_sleeping = false;
};
