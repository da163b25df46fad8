#pragma once

#include "platform/Platform.h"
#include "platform/sim/SimDesktop.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

// A simulated desktop installed as the current platform, whose config a test rewrites.
class SimDesktopFile
{
public:
    explicit SimDesktopFile(const QJsonObject& config = {})
    {
        write(config);
        auto sim = std::make_unique<SimDesktop>(m_dir.filePath("desktop.json"), QString());
        m_sim = sim.get();
        Platform::install(std::move(sim));
    }
    ~SimDesktopFile() { Platform::uninstall(); }

    // Replaces the config and has the desktop read it at once.
    void set(const QJsonObject& config)
    {
        write(config);
        m_sim->reloadConfig();
    }

    SimDesktop& sim() { return *m_sim; }
    QJsonObject state() const { return m_sim->state(); }

private:
    void write(const QJsonObject& config)
    {
        QFile file(m_dir.filePath("desktop.json"));
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(QJsonDocument(config).toJson());
    }

    QTemporaryDir m_dir;
    SimDesktop* m_sim = nullptr;
};

// One program of the simulated desktop with one window, shown at 800 x 600 unless changed.
inline QJsonObject simProcess(qint64 pid, const QString& name, QJsonObject extra = {})
{
    QJsonObject process{{"pid", pid}, {"name", name}, {"x", 100},
                        {"y", 100},   {"width", 800}, {"height", 600}};
    for (auto it = extra.begin(); it != extra.end(); ++it)
        process.insert(it.key(), it.value());
    return process;
}

inline QJsonObject simDesktop(const QJsonArray& processes, qint64 foreground = 0,
                              QJsonObject extra = {})
{
    QJsonObject config{{"monitors", QJsonArray{QJsonObject{
                                        {"x", 0}, {"y", 0}, {"width", 1920}, {"height", 1080}}}},
                       {"processes", processes},
                       {"foreground", foreground}};
    for (auto it = extra.begin(); it != extra.end(); ++it)
        config.insert(it.key(), it.value());
    return config;
}
