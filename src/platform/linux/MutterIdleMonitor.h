#pragma once

#include "platform/linux/IdleSource.h"

#include <QDBusConnection>

#include <memory>

// Idleness from GNOME's compositor over the session bus (org.gnome.Mutter.IdleMonitor): an
// idle watch says when the user went quiet, and a user-active watch, which Mutter fires once,
// when the user came back. Nothing waits for Mutter's answers.
class MutterIdleMonitor : public IdleSource
{
    Q_OBJECT

public:
    // Null when nothing on `bus` offers the monitor.
    static std::unique_ptr<MutterIdleMonitor> find(const QDBusConnection& bus);
    ~MutterIdleMonitor() override;

    QString name() const override { return QStringLiteral("mutter-idle-monitor"); }
    bool start(int quietMs) override;
    void stop() override;

private slots:
    void watchFired(uint id);

private:
    // One of Mutter's watches: its number once Mutter answered, and which request is current.
    struct Watch
    {
        uint id = 0;
        quint64 request = 0;
    };

    explicit MutterIdleMonitor(const QDBusConnection& bus);

    // Asks for a watch through `method`; an answer to a request that is no longer current
    // (stopped meanwhile) removes the watch it made.
    void addWatch(Watch& watch, const QString& method, const QVariantList& arguments);
    void removeWatch(Watch& watch);
    void removeWatch(uint id);

    QDBusConnection m_bus;
    Watch m_idle;
    Watch m_active;
    quint64 m_requests = 0;
};
