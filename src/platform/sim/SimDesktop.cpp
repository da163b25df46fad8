#include "platform/sim/SimDesktop.h"

#include "KavoLog.h"
#include "platform/GammaRangeRegistry.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

#include <cstdio>

namespace {
struct CapabilityName
{
    Capability capability;
    const char* key;
    bool fallback; // what the X11 desktop answers
};

const CapabilityName kCapabilities[] = {
    {Capability::Magnifier, "magnifier", false},
    {Capability::TaskbarButtons, "taskbar_buttons", false},
    {Capability::MessageBoxes, "message_boxes", true},
    {Capability::GammaRampsPreferred, "gamma_ramps_preferred", true},
};
} // namespace

SimDesktop::SimDesktop(const QString& configPath, const QString& statePath)
    : m_configPath(configPath), m_statePath(statePath)
{
    addService(m_displays);
    addService(m_registry);
    addService(m_clock);
    addService(m_magnifier);
    addService(m_systemParameters);
    addService(m_windows);
    addService(m_power);
    m_displays.setRangeUnlockedQuery([this] { return GammaRangeRegistry::isUnlocked(m_registry); });
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, [this] { reloadConfig(); });
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] { reloadConfig(); });
    reloadConfig();
}

std::unique_ptr<SimDesktop> SimDesktop::fromEnvironment()
{
    return std::make_unique<SimDesktop>(qEnvironmentVariable("KAVO_SIM_CONFIG"),
                                        qEnvironmentVariable("KAVO_SIM_STATE"));
}

void SimDesktop::addService(SimService& service)
{
    service.setChangeListener([this] { writeState(); });
    m_services.push_back(&service);
}

bool SimDesktop::has(Capability capability) const
{
    return m_capabilities.value(static_cast<int>(capability));
}

void SimDesktop::reloadConfig()
{
    QJsonObject config;
    if (!m_configPath.isEmpty()) {
        QFile file(m_configPath);
        if (!file.open(QIODevice::ReadOnly)) {
            log_line(QStringLiteral("Simulated desktop config not readable: ") + m_configPath);
        } else {
            // The folder also changes when the state file is written beside the config.
            const QByteArray bytes = file.readAll();
            if (m_configRead && bytes == m_configBytes) {
                watchConfig();
                return;
            }
            m_configBytes = bytes;
            QJsonParseError error{};
            const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
            if (!document.isObject()) {
                // A half-written or broken file: keep the desktop as it was.
                log_line(QStringLiteral("Simulated desktop config is not a JSON object: ") +
                         error.errorString());
                watchConfig();
                return;
            }
            config = document.object();
        }
    }
    m_config = config;
    m_configRead = true;
    const QJsonObject capabilities = config.value(QLatin1String("capabilities")).toObject();
    for (const CapabilityName& entry : kCapabilities) {
        m_capabilities.insert(static_cast<int>(entry.capability),
                              capabilities.value(QLatin1String(entry.key)).toBool(entry.fallback));
    }
    for (SimService* service : m_services)
        service->configure(config);
    watchConfig();
    writeState();
    emit configReloaded();
}

void SimDesktop::watchConfig()
{
    if (m_configPath.isEmpty())
        return;
    // Editors and tests replace the file by renaming, which drops the watch: watch the folder
    // too and add the file again whenever it exists.
    const QString folder = QFileInfo(m_configPath).absolutePath();
    if (!m_watcher.directories().contains(folder))
        m_watcher.addPath(folder);
    if (QFileInfo::exists(m_configPath) && !m_watcher.files().contains(m_configPath))
        m_watcher.addPath(m_configPath);
}

QJsonObject SimDesktop::state() const
{
    QJsonObject state;
    for (const SimService* service : m_services)
        service->addState(state);
    return state;
}

void SimDesktop::writeState()
{
    if (m_statePath.isEmpty())
        return;
    // Written beside and renamed over the old file, so a reader never sees half a state. No
    // flush to disk: the file reports a simulation and is rewritten on every change.
    const QString partial = m_statePath + QStringLiteral(".partial");
    QFile file(partial);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(QJsonDocument(state()).toJson(QJsonDocument::Compact)) < 0) {
        log_line(QStringLiteral("Simulated desktop state not writable: ") + m_statePath);
        return;
    }
    file.close();
    if (std::rename(QFile::encodeName(partial).constData(),
                    QFile::encodeName(m_statePath).constData()) != 0)
        log_line(QStringLiteral("Simulated desktop state not writable: ") + m_statePath);
}
