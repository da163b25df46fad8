#pragma once

#include "color/ColorRamp.h"
#include "platform/Platform.h"
#include "platform/sim/SimDesktop.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <QTemporaryDir>

// A simulated desktop for one test: its config is written to a fresh folder and it is
// installed as the current platform.
class ColorTestDesktop
{
public:
    explicit ColorTestDesktop(const QJsonObject& config)
    {
        qputenv("XDG_DATA_HOME", m_dir.filePath(QStringLiteral("data")).toUtf8());
        QSaveFile file(configPath());
        file.open(QIODevice::WriteOnly);
        file.write(QJsonDocument(config).toJson());
        file.commit();
        auto desktop = std::make_unique<SimDesktop>(configPath(), m_dir.filePath("state.json"));
        m_sim = desktop.get();
        Platform::install(std::move(desktop));
    }
    ~ColorTestDesktop() { Platform::uninstall(); }

    SimDesktop& sim() { return *m_sim; }

    // Replaces the desktop's config, as a test that plugs a monitor in does.
    void reconfigure(const QJsonObject& config)
    {
        QSaveFile file(configPath());
        file.open(QIODevice::WriteOnly);
        file.write(QJsonDocument(config).toJson());
        file.commit();
        m_sim->reloadConfig();
    }
    QString configPath() const { return m_dir.filePath(QStringLiteral("config.json")); }

    GammaRamp ramp(int index) const
    {
        GammaRamp ramp;
        m_sim->displays().readRamp(index, ramp);
        return ramp;
    }

    // `count` monitors side by side, each optionally with its own ramp.
    static QJsonArray monitors(int count, const QVector<GammaRamp>& ramps = {})
    {
        QJsonArray monitors;
        for (int i = 0; i < count; ++i) {
            QJsonObject monitor{{"x", 1920 * i}, {"y", 0}, {"width", 1920}, {"height", 1080}};
            if (i < ramps.size())
                monitor.insert("ramp", SimDisplays::rampToJson(ramps[i]));
            monitors.append(monitor);
        }
        return monitors;
    }

    // A monitor next to the others that has no gamma ramp.
    static QJsonObject monitorWithoutGamma(int position)
    {
        return {
            {"x", 1920 * position}, {"y", 0}, {"width", 1920}, {"height", 1080}, {"gamma", false}};
    }

    // A calibration-like ramp, different for every `seed`.
    static GammaRamp calibration(int seed)
    {
        GammaRamp ramp;
        for (int i = 0; i < GammaRamp::kSize; ++i) {
            ramp.red[i] = quint16(i * 250 + seed);
            ramp.green[i] = quint16(i * 240 + seed);
            ramp.blue[i] = quint16(i * 230 + seed);
        }
        return ramp;
    }

private:
    QTemporaryDir m_dir;
    SimDesktop* m_sim = nullptr;
};
