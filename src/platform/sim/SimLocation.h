#pragma once

#include "platform/ILocation.h"
#include "platform/sim/SimService.h"

// The location the config's "location" object names: {"latitude": 48.85, "longitude": 2.35}.
// Without it (or with coordinates out of range) the desktop has no location service. The state
// counts the lookups as "location_requests".
class SimLocation : public ILocation, public SimService
{
public:
    void locate(QObject* context, Callback done) override;

    void configure(const QJsonObject& config) override;
    void addState(QJsonObject& state) const override;

private:
    LocationFix m_fix;
    int m_requests = 0;
};
