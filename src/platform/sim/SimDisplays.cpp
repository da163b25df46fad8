#include "platform/sim/SimDisplays.h"

#include "KavoLog.h"
#include "platform/GammaRampJson.h"

#include <QJsonArray>

#include <cstdlib>

namespace {
const QRect kDefaultMonitor(0, 0, 1920, 1080);

MonitorIdentity configuredIdentity(const QJsonObject& monitor, int index)
{
    const QString fallback = QStringLiteral("SIM-%1").arg(index + 1);
    return {monitor.value(QLatin1String("output")).toString(fallback),
            QByteArray::fromHex(monitor.value(QLatin1String("edid")).toString().toLatin1())};
}
} // namespace

SimDisplays::SimDisplays()
    : m_monitors{kDefaultMonitor}, m_identities{configuredIdentity({}, 0)},
      m_withGamma{true}, m_ramps{GammaRamp::identity()}
{
}

int SimDisplays::monitorCount() const
{
    return m_monitors.size();
}

QVector<QRect> SimDisplays::monitorGeometries() const
{
    return m_monitors;
}

bool SimDisplays::hasGamma(int index) const
{
    return m_withGamma.value(index, false);
}

bool SimDisplays::readRamp(int index, GammaRamp& ramp) const
{
    if (!hasGamma(index))
        return false;
    ramp = m_ramps[index];
    return true;
}

ColorRoute SimDisplays::route(int index) const
{
    if (!hasGamma(index))
        return ColorRoute::none(QStringLiteral("the monitor has no gamma ramp"));
    return {QStringLiteral("sim"), {}};
}

MonitorIdentity SimDisplays::monitorIdentity(int index) const
{
    return m_identities.value(index);
}

bool SimDisplays::writeRamp(int index, const GammaRamp& ramp)
{
    if (!hasGamma(index))
        return false;
    if (m_refusalsLeft > 0) {
        --m_refusalsLeft;
        return false;
    }
    if (m_rangeLimited && !(m_rangeUnlocked && m_rangeUnlocked()) && isStrong(ramp))
        return false;
    m_ramps[index] = ramp;
    rampsChanged();
    return true;
}

void SimDisplays::rampsChanged()
{
    if (m_updateDepth > 0)
        m_changedInUpdate = true;
    else
        changed();
}

void SimDisplays::beginUpdate()
{
    ++m_updateDepth;
}

void SimDisplays::endUpdate()
{
    if (m_updateDepth == 0 || --m_updateDepth > 0 || !m_changedInUpdate)
        return;
    m_changedInUpdate = false;
    changed();
}

bool SimDisplays::isStrong(const GammaRamp& ramp)
{
    const GammaRamp identity = GammaRamp::identity();
    for (int c = 0; c < 3; ++c) {
        for (int i = 0; i < GammaRamp::kSize; ++i) {
            if (std::abs(ramp.channel(c)[i] - identity.channel(c)[i]) > 32768)
                return true;
        }
    }
    return false;
}

void SimDisplays::configure(const QJsonObject& config)
{
    m_rangeLimited = config.value(QLatin1String("gamma_range_limited")).toBool();
    const int refusals = config.value(QLatin1String("refuse_ramp_writes")).toInt();
    if (refusals != m_configuredRefusals)
        m_refusalsLeft = m_configuredRefusals = refusals;
    const QVector<QRect> monitorsBefore = m_monitors;
    const QVector<bool> gammaBefore = m_withGamma;
    m_monitors.clear();
    m_identities.clear();
    m_withGamma.clear();
    QJsonArray accepted;
    if (!config.contains(QLatin1String("monitors"))) {
        m_monitors = {kDefaultMonitor};
        m_identities = {configuredIdentity({}, 0)};
        m_withGamma = {true};
    }
    for (const QJsonValue& entry : config.value(QLatin1String("monitors")).toArray()) {
        const QJsonObject monitor = entry.toObject();
        const QRect geometry(monitor.value(QLatin1String("x")).toInt(),
                             monitor.value(QLatin1String("y")).toInt(),
                             monitor.value(QLatin1String("width")).toInt(1920),
                             monitor.value(QLatin1String("height")).toInt(1080));
        if (geometry.isValid()) {
            m_identities.append(configuredIdentity(monitor, m_monitors.size()));
            m_monitors.append(geometry);
            m_withGamma.append(monitor.value(QLatin1String("gamma")).toBool(true));
            accepted.append(monitor);
        }
    }
    configureRamps(accepted);
    // The first config is the desktop as it is when Kavo starts, no change.
    if (m_configured && (m_monitors != monitorsBefore || m_withGamma != gammaBefore))
        announceMonitorsChanged();
    m_configured = true;
}

void SimDisplays::configureRamps(const QJsonArray& monitors)
{
    // A monitor keeps the ramp the program wrote until its configured ramp itself changes.
    const int known = m_ramps.size();
    m_ramps.resize(m_monitors.size());
    m_configuredRamps.resize(m_monitors.size());
    for (int i = 0; i < m_monitors.size(); ++i) {
        const QJsonValue configured = monitors.at(i).toObject().value(QLatin1String("ramp"));
        if (i < known && configured == m_configuredRamps[i])
            continue;
        m_configuredRamps[i] = configured;
        m_ramps[i] = GammaRamp::identity();
        if (!configured.isUndefined() && !rampFromJson(configured, m_ramps[i])) {
            log_line(QStringLiteral("Simulated monitor %1: \"ramp\" needs red, green and blue "
                                    "arrays of 256 levels 0..65535")
                         .arg(i + 1));
            m_ramps[i] = GammaRamp::identity();
        }
    }
}

QJsonObject SimDisplays::rampToJson(const GammaRamp& ramp)
{
    return GammaRampJson::toJson(ramp);
}

bool SimDisplays::rampFromJson(const QJsonValue& json, GammaRamp& ramp)
{
    return GammaRampJson::fromJson(json, ramp);
}

QJsonObject SimDisplays::rampState(int index) const
{
    m_rampStates.resize(m_ramps.size());
    auto& [ramp, json] = m_rampStates[index];
    if (json.isEmpty() || ramp != m_ramps[index]) {
        ramp = m_ramps[index];
        // Monitors on the same base show the same ramp: built once, shared.
        const bool likePrevious = index > 0 && m_ramps[index - 1] == ramp;
        json = likePrevious ? m_rampStates[index - 1].second : rampToJson(ramp);
    }
    return json;
}

void SimDisplays::addState(QJsonObject& state) const
{
    QJsonArray monitors;
    for (int i = 0; i < m_monitors.size(); ++i) {
        const QRect& geometry = m_monitors[i];
        QJsonObject monitor{{QStringLiteral("x"), geometry.x()},
                            {QStringLiteral("y"), geometry.y()},
                            {QStringLiteral("width"), geometry.width()},
                            {QStringLiteral("height"), geometry.height()}};
        if (m_withGamma[i])
            monitor.insert(QStringLiteral("ramp"), rampState(i));
        monitors.append(monitor);
    }
    state.insert(QStringLiteral("monitors"), monitors);
}
