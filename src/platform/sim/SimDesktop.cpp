#include "platform/sim/SimDesktop.h"

#include "KavoLog.h"
#include "platform/GammaRangeRegistry.h"
#include "platform/PrivateFiles.h"
#include "platform/sim/CompactJson.h"
#include "platform/sim/SimConfigCheck.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include <cstdio>

namespace {
struct CapabilityName
{
    Capability capability;
    const char* key;
    bool fallback; // what the X11 desktop answers, except where said
};

const CapabilityName kCapabilities[] = {
    {Capability::Magnifier, "magnifier", false},
    {Capability::TaskbarButtons, "taskbar_buttons", false},
    {Capability::MessageBoxes, "message_boxes", true},
    {Capability::GammaRampsPreferred, "gamma_ramps_preferred", true},
    // Simulated monitors end with Kavo: nothing to guard unless a test asks for it.
    {Capability::LastingGammaRamps, "lasting_gamma_ramps", false},
};
} // namespace

SimDesktop::SimDesktop(const QString& configPath, const QString& statePath)
    : m_configPath(configPath), m_statePath(statePath)
{
    addService(m_displays, "displays");
    addService(m_registry, "registry");
    addService(m_clock, "clock");
    addService(m_magnifier, "magnifier");
    addService(m_systemParameters, "system_parameters");
    addService(m_windows, "windows");
    addService(m_power, "power");
    addService(m_desktopInfo, "desktop_info");
    addService(m_screenCapture, "screen_capture");
    addService(m_cameras, "cameras");
    const QString configFolder = QFileInfo(m_configPath).absolutePath();
    m_screenCapture.setConfigFolder(configFolder);
    m_cameras.setConfigFolder(configFolder);
    addService(m_session, "session");
    addService(m_keyboardGrab, "keyboard_grab");
    addService(m_sounds, "sounds");
    addService(m_hotkeys, "hotkeys");
    addService(m_input, "input");
    addService(m_location, "location");
    addService(m_tray, "tray");
    addService(m_taskbar, "taskbar");
    addService(m_fileChooser, "file_chooser");
    addService(m_overlays, "overlays");
    addService(m_nightLight, "night_light");
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

void SimDesktop::addService(SimService& service, const char* name)
{
    service.setChangeListener([this, name] {
        const QString service_name = QLatin1String(name);
        if (!m_firstChanges.contains(service_name))
            m_firstChanges.append(service_name);
        writeState();
    });
    m_services.push_back(&service);
}

bool SimDesktop::has(Capability capability) const
{
    return m_capabilities.value(static_cast<int>(capability));
}

void SimDesktop::reloadConfig()
{
    if (m_configPath.isEmpty()) {
        apply(QJsonObject());
        return;
    }
    watchConfig();
    QFile file(m_configPath);
    const std::optional<QByteArray> bytes =
        file.open(QIODevice::ReadOnly) ? std::optional<QByteArray>(file.readAll()) : std::nullopt;
    // The folder also changes whenever the state file is written beside the config: only a
    // new content (or a change between readable and not) counts.
    if (m_configSeen && bytes == m_configBytes)
        return;
    m_configSeen = true;
    m_configBytes = bytes;
    if (!bytes) {
        log_line(QStringLiteral("Simulated desktop config not readable: ") + m_configPath);
        apply(QJsonObject());
        return;
    }
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(*bytes, &error);
    const QString problem = document.isObject()
                                ? SimConfigCheck::problem(document.object())
                                : QStringLiteral("not a JSON object: ") + error.errorString();
    if (problem.isEmpty()) {
        apply(document.object());
        return;
    }
    // A half-written, broken or impossible file: keep the desktop as it was (at first, the
    // defaults).
    log_line(QStringLiteral("Simulated desktop config ignored: ") + problem);
    if (!m_configApplied)
        apply(QJsonObject());
}

void SimDesktop::apply(const QJsonObject& config)
{
    m_configApplied = true;
    const QJsonObject capabilities = config.value(QLatin1String("capabilities")).toObject();
    for (const CapabilityName& entry : kCapabilities) {
        m_capabilities.insert(static_cast<int>(entry.capability),
                              capabilities.value(QLatin1String(entry.key)).toBool(entry.fallback));
    }
    for (SimService* service : m_services)
        service->configure(config);
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
    state.insert(QStringLiteral("first_changes"), QJsonArray::fromStringList(m_firstChanges));
    return state;
}

void SimDesktop::writeState()
{
    if (m_statePath.isEmpty())
        return;
    // Written beside and renamed over the old file, so a reader never sees half a state and
    // a link there is replaced rather than written through. No flush to disk: the file reports
    // a simulation and is rewritten on every change.
    QString problem;
    if (!PrivateFiles::write(m_statePath, CompactJson::toBytes(state()), &problem,
                             PrivateFiles::Flush::No))
        log_line(QStringLiteral("Simulated desktop state not writable: ") + m_statePath +
                 QStringLiteral(" (") + problem + QStringLiteral(")"));
}
