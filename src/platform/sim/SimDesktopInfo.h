#pragma once

#include "platform/IDesktopInfo.h"
#include "platform/sim/SimService.h"

// The simulated desktop's description, from the config: "window_manager" and "compositor"
// (texts, absent for none), and per monitor an optional "name" and "gamma_size" (default 256).
class SimDesktopInfo : public IDesktopInfo, public SimService
{
public:
    DesktopDescription describe() const override { return m_description; }

    void configure(const QJsonObject& config) override;
    void addState(QJsonObject&) const override {}

private:
    DesktopDescription m_description;
};
