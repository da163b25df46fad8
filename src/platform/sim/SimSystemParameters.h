#pragma once

#include "platform/ISystemParameters.h"
#include "platform/sim/SimService.h"

#include <QMap>
#include <QSet>

// Records every parameter set; the state lists them as "system_parameters": {"75": 1, ...},
// and counts the change broadcasts as "system_parameter_broadcasts". The config's
// "refused_system_parameters": [93] names parameters the desktop cannot set.
class SimSystemParameters : public ISystemParameters, public SimService
{
public:
    bool set(int parameter, int value) override;
    void broadcastChange() override;

    // The value last set, or `fallback` when the parameter was never set.
    int value(int parameter, int fallback = 0) const { return m_values.value(parameter, fallback); }

    void configure(const QJsonObject& config) override;
    void addState(QJsonObject& state) const override;

private:
    QMap<int, int> m_values;
    int m_broadcasts = 0;
    QSet<int> m_refused;
};
