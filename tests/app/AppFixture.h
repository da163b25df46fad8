#pragma once

#include "App.h"
#include "platform/sim/SimDesktop.h"
#include "settings/SaveManager.h"

#include <QTemporaryDir>

#include <functional>
#include <memory>

// A controller on a simulated desktop of its own, with its own settings folder. One lives at a
// time: a new fixture made while the last one lives (m_fixture = std::make_unique<...>) ends the
// last one's Kavo and desktop first, so the new desktop is the one every Kavo part sees.
class AppFixture
{
public:
    // Wraps the simulated desktop into the platform the test installs (one that counts calls,
    // say); the platform must keep the desktop alive.
    using PlatformWrapper = std::function<std::unique_ptr<Platform>(std::unique_ptr<SimDesktop>)>;

    // Prepares the desktop described by `desktop` (the simulated desktop's config JSON).
    explicit AppFixture(const QByteArray& desktop = kTwoMonitors, PlatformWrapper wrap = {});
    ~AppFixture();

    static const QByteArray kTwoMonitors;

    // Writes `settings` (with the current layout) unless there are none, and builds the store
    // and the controller.
    void start(const QVariantMap& settings = {});
    void stop();

    // Replaces the simulated desktop's config and has the desktop read it at once.
    void set_desktop(const QByteArray& desktop);

    App& app() { return *m_app; }
    SaveManager& save_manager() { return *m_save_manager; }
    SimDesktop& desktop() { return *m_sim; }
    // Replaces the desktop's config and reads it at once (a monitor plugged in, say).
    void reconfigure(const QByteArray& desktop);
    QString settings_file() const;
    QString desktop_config() const { return m_dir.filePath(QStringLiteral("desktop.json")); }
    QVariant stored(const QString& key) const;
    // The 256-entry ramp monitor `monitor` (from 1) holds, channel "red", "green" or "blue".
    QVector<int> ramp(int monitor, const char* channel) const;

private:
    // Ends this fixture's Kavo and takes its desktop away.
    void release();

    QTemporaryDir m_dir;
    SimDesktop* m_sim = nullptr;
    std::unique_ptr<SaveManager> m_save_manager;
    std::unique_ptr<App> m_app;
};
