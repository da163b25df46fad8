#pragma once

#include "platform/sim/SimDesktop.h"
#include "timer/RestTimer.h"
#include "timer/RestTimerHost.h"

#include <QJsonArray>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QVariantMap>
#include <QWidget>

#include <memory>

// A break timer on a simulated desktop of its own, with the settings the timer reads.
class TimerDesktop : public RestTimerHost
{
public:
    static constexpr const char* kTwoMonitors =
        R"({"monitors": [{"x": 0, "y": 0, "width": 1920, "height": 1080},
                         {"x": 1920, "y": 0, "width": 1920, "height": 1080}]})";

    explicit TimerDesktop(const QByteArray& config = kTwoMonitors)
    {
        write_config(config);
        auto sim =
            std::make_unique<SimDesktop>(m_dir.filePath(QStringLiteral("desktop.json")), QString());
        m_sim = sim.get();
        Platform::install(std::move(sim));
    }

    ~TimerDesktop() override
    {
        m_timer.reset();
        Platform::uninstall();
    }

    // A timer of `type` with the given intervals and rest windows, started as the App starts it.
    RestTimer& start(int type, qint64 work_ms, qint64 rest_ms, int rest_screen_type = 1,
                     bool auto_close = true)
    {
        m_timer = std::make_unique<RestTimer>(*this);
        m_timer->set_intervals(work_ms, rest_ms, 180000);
        m_timer->set_automatically_close_rest_screen(auto_close);
        m_timer->set_timer_type(type);
        m_timer->set_rest_screen_type(rest_screen_type);
        return *m_timer;
    }

    RestTimer& timer() { return *m_timer; }
    SimDesktop& sim() { return *m_sim; }

    void write_config(const QByteArray& config)
    {
        QSaveFile file(m_dir.filePath(QStringLiteral("desktop.json")));
        file.open(QIODevice::WriteOnly);
        file.write(config);
        file.commit();
    }

    // The visible windows of class `className` in the desktop's state.
    QJsonArray windows(const QString& className) const
    {
        QJsonArray found;
        for (const QJsonValue& window : m_sim->state().value(QStringLiteral("windows")).toArray()) {
            if (window.toObject().value(QStringLiteral("class")).toString() == className)
                found.append(window);
        }
        return found;
    }

    bool keyboard_grabbed() const
    {
        return m_sim->state().value(QStringLiteral("keyboard_grabbed")).toBool();
    }

    QStringList sounds() const
    {
        QStringList names;
        for (const QJsonValue& name : m_sim->state().value(QStringLiteral("sounds")).toArray())
            names.append(name.toString());
        return names;
    }

    // RestTimerHost
    bool is_timer_held() const override { return held; }
    bool setting_flag(const char* key) const override { return settings.value(key).toBool(); }
    QWidget* notice_parent() override { return &m_parent; }

    bool held = false;
    QVariantMap settings{{"UsePostponeNotification", true},
                         {"UseBigRestIncomingNotification", true}};

private:
    QTemporaryDir m_dir;
    SimDesktop* m_sim = nullptr;
    QWidget m_parent;
    std::unique_ptr<RestTimer> m_timer;
};
