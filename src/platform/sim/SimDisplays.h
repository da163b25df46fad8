#pragma once

#include "platform/IDisplays.h"
#include "platform/sim/SimService.h"

// Monitors from the config's "monitors" array; one 1920 x 1080 monitor when it has none.
class SimDisplays : public IDisplays, public SimService
{
public:
    SimDisplays();

    int monitorCount() const override;
    QVector<QRect> monitorGeometries() const override;

    void configure(const QJsonObject& config) override;
    void addState(QJsonObject& state) const override;

private:
    QVector<QRect> m_monitors;
};
