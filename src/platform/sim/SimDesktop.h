#pragma once

#include "platform/Platform.h"
#include "platform/sim/SimCameras.h"
#include "platform/sim/SimClock.h"
#include "platform/sim/SimDesktopInfo.h"
#include "platform/sim/SimDisplays.h"
#include "platform/sim/SimKeyboardGrab.h"
#include "platform/sim/SimHotkeys.h"
#include "platform/sim/SimInput.h"
#include "platform/sim/SimLocation.h"
#include "platform/sim/SimFileChooser.h"
#include "platform/sim/SimMagnifier.h"
#include "platform/sim/SimNightLight.h"
#include "platform/sim/SimOverlays.h"
#include "platform/sim/SimPower.h"
#include "platform/sim/SimRegistry.h"
#include "platform/sim/SimScreenCapture.h"
#include "platform/sim/SimSession.h"
#include "platform/sim/SimSounds.h"
#include "platform/sim/SimSystemParameters.h"
#include "platform/sim/SimTaskbar.h"
#include "platform/sim/SimTray.h"
#include "platform/sim/SimWindows.h"

#include <QFileSystemWatcher>
#include <QHash>
#include <QJsonObject>
#include <QObject>
#include <QStringList>

#include <optional>
#include <vector>

// The simulated desktop: what tests and a headless run use instead of a real one.
// It reads its description from a JSON config file (re-read whenever the file changes) and
// writes what the program did to a JSON state file, atomically, after every change.
class SimDesktop : public QObject, public Platform
{
    Q_OBJECT

public:
    // Either path may be empty: no config means the defaults, no state path means no state file.
    SimDesktop(const QString& configPath, const QString& statePath);

    // Paths from KAVO_SIM_CONFIG and KAVO_SIM_STATE.
    static std::unique_ptr<SimDesktop> fromEnvironment();

    QString name() const override { return QStringLiteral("sim"); }
    bool has(Capability capability) const override;
    IDisplays& displays() override { return m_displays; }
    IRegistry& registry() override { return m_registry; }
    IClock& clock() override { return m_clock; }
    IMagnifier& magnifier() override { return m_magnifier; }
    ISystemParameters& systemParameters() override { return m_systemParameters; }
    IWindows& windows() override { return m_windows; }
    IPower& power() override { return m_power; }
    IDesktopInfo& desktopInfo() override { return m_desktopInfo; }
    IScreenCapture& screenCapture() override { return m_screenCapture; }
    ICameras& cameras() override { return m_cameras; }
    ISession& session() override { return m_session; }
    IKeyboardGrab& keyboardGrab() override { return m_keyboardGrab; }
    ISounds& sounds() override { return m_sounds; }
    IInput& input() override { return m_input; }
    IHotkeys& hotkeys() override { return m_hotkeys; }
    ILocation& location() override { return m_location; }
    ITray& tray() override { return m_tray; }
    ITaskbar& taskbar() override { return m_taskbar; }
    IFileChooser& fileChooser() override { return m_fileChooser; }
    IOverlays& overlays() override { return m_overlays; }
    INightLight* nightLight() override
    {
        return m_nightLight.isOffered() ? &m_nightLight : nullptr;
    }

    // Test control: re-reads the config file now (the watcher does the same on its own).
    void reloadConfig();

    // The state as last written (also when there is no state file).
    QJsonObject state() const;

    // Writes the state file; called by the services after every change.
    void writeState();

signals:
    void configReloaded();

private:
    // `name` is the service's name in "first_changes".
    void addService(SimService& service, const char* name);
    void watchConfig();
    void apply(const QJsonObject& config);

    QString m_configPath;
    QString m_statePath;
    QFileSystemWatcher m_watcher;
    // The config file's content at the last look; nothing when it could not be read.
    std::optional<QByteArray> m_configBytes;
    bool m_configSeen = false;
    bool m_configApplied = false;
    QHash<int, bool> m_capabilities;
    // Each service's name once, in the order the program first changed something through it
    // (state "first_changes"): what came first at start, the ramps or the tray.
    QStringList m_firstChanges;

    SimDisplays m_displays;
    SimRegistry m_registry;
    SimClock m_clock;
    SimMagnifier m_magnifier;
    SimSystemParameters m_systemParameters;
    SimWindows m_windows;
    SimPower m_power;
    SimDesktopInfo m_desktopInfo;
    SimScreenCapture m_screenCapture;
    SimCameras m_cameras;
    SimSession m_session;
    SimKeyboardGrab m_keyboardGrab;
    SimSounds m_sounds;
    SimHotkeys m_hotkeys;
    SimInput m_input{m_hotkeys};
    SimLocation m_location;
    SimTray m_tray;
    SimTaskbar m_taskbar;
    SimFileChooser m_fileChooser;
    SimOverlays m_overlays;
    SimNightLight m_nightLight;
    std::vector<SimService*> m_services;
};
