#pragma once

#include "platform/IDisplays.h"
#include "platform/sim/SimService.h"

#include <QJsonValue>

#include <functional>

// Monitors from the config's "monitors" array; one 1920 x 1080 monitor when it has none.
// Each monitor keeps the ramp last written (the identity at first, or the monitor's "ramp"
// from the config); one with "gamma": false has no ramp at all. With "gamma_range_limited" on,
// a ramp straying more than half the scale from the identity is refused while the gamma range
// is not unlocked, as Windows does. "refuse_ramp_writes": n refuses the next n writes (counted
// from each change of n). A change of the monitors in the config is announced, as a plugged
// monitor is; the writes of one colour update make one change of the state.
class SimDisplays : public IDisplays, public SimService
{
public:
    SimDisplays();

    int monitorCount() const override;
    QVector<QRect> monitorGeometries() const override;
    bool hasGamma(int index) const override;
    bool readRamp(int index, GammaRamp& ramp) const override;
    bool writeRamp(int index, const GammaRamp& ramp) override;
    // A monitor's "output" (default "SIM-n") and "edid" (hex, default none) from the config.
    MonitorIdentity monitorIdentity(int index) const override;
    // "sim": the ramps go to the state file, not to a screen.
    ColorRoute route(int index) const override;
    void beginUpdate() override;
    void endUpdate() override;

    void configure(const QJsonObject& config) override;
    void addState(QJsonObject& state) const override;

    // Asked on each write while the range is limited: whether the range is unlocked.
    void setRangeUnlockedQuery(std::function<bool()> query) { m_rangeUnlocked = std::move(query); }

    // Whether the limited range refuses `ramp`.
    static bool isStrong(const GammaRamp& ramp);

    static QJsonObject rampToJson(const GammaRamp& ramp);
    // False when `json` is not three arrays of 256 levels 0..65535.
    static bool rampFromJson(const QJsonValue& json, GammaRamp& ramp);

private:
    void configureRamps(const QJsonArray& monitors);

    void rampsChanged();
    QJsonObject rampState(int index) const;

    QVector<QRect> m_monitors;
    QVector<MonitorIdentity> m_identities;
    QVector<bool> m_withGamma;
    QVector<GammaRamp> m_ramps;
    // The state's form of each monitor's ramp, built again only when the ramp changed.
    mutable QVector<QPair<GammaRamp, QJsonObject>> m_rampStates;
    QVector<QJsonValue> m_configuredRamps;
    bool m_rangeLimited = false;
    int m_configuredRefusals = 0;
    int m_refusalsLeft = 0;
    std::function<bool()> m_rangeUnlocked;
    bool m_configured = false;
    int m_updateDepth = 0;
    bool m_changedInUpdate = false;
};
