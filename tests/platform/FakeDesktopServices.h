#pragma once

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMetaType>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <QThread>

#include <atomic>
#include <memory>
#include <vector>

// The desktop services a night light talks to, as a test plays them on a private bus. They
// answer from a thread of their own, so that the code under test may call them blocking.

// KWin's night colour service (Plasma 5.27: org.kde.KWin at /ColorCorrect).
class FakeColorCorrect : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.kwin.ColorCorrect")
    Q_PROPERTY(bool available READ available)

public:
    bool available() const { return true; }
};

// Plasma 5.27's BrightnessControl.
class FakeBrightnessControl : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.Solid.PowerManagement.Actions.BrightnessControl")

public:
    std::atomic<int> level{0};
    std::atomic<int> maximum{0};
    std::atomic<int> writes{0};

public slots:
    int brightness() { return level; }
    int brightnessMax() { return maximum; }
    void setBrightnessSilent(int value)
    {
        level = value;
        ++writes;
    }
};

// One display of Plasma 6's org.kde.ScreenBrightness.
class FakeBrightnessDisplay : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.ScreenBrightness.Display")
    Q_PROPERTY(int Brightness READ brightness)
    Q_PROPERTY(int MaxBrightness READ maxBrightness)

public:
    std::atomic<int> level{0};
    std::atomic<int> maximum{0};
    std::atomic<uint> lastFlags{0};

    int brightness() const { return level; }
    int maxBrightness() const { return maximum; }

public slots:
    void SetBrightness(int value, uint flags)
    {
        level = value;
        lastFlags = flags;
    }
};

class FakeScreenBrightness : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.ScreenBrightness")
    Q_PROPERTY(QStringList DisplaysDBusNames READ displays)

public:
    QStringList names;
    QStringList displays() const { return names; }
};

// The GNOME settings daemon's Power.Screen.
class FakeGnomePowerScreen : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.gnome.SettingsDaemon.Power.Screen")
    Q_PROPERTY(int Brightness READ brightness WRITE setBrightness)

public:
    std::atomic<int> level{-1};
    int brightness() const { return level; }
    void setBrightness(int value) { level = value; }
};

// Mutter's backlights (GNOME 47+): the Backlight property, (uaa{sv}), and SetBacklight, which
// takes the serial last read.
struct MutterBacklights
{
    uint serial = 0;
    QList<QVariantMap> monitors;
};
Q_DECLARE_METATYPE(MutterBacklights)

inline QDBusArgument& operator<<(QDBusArgument& argument, const MutterBacklights& backlights)
{
    argument.beginStructure();
    argument << backlights.serial;
    argument.beginArray(qMetaTypeId<QVariantMap>());
    for (const QVariantMap& monitor : backlights.monitors)
        argument << monitor;
    argument.endArray();
    argument.endStructure();
    return argument;
}

inline const QDBusArgument& operator>>(const QDBusArgument& argument, MutterBacklights& backlights)
{
    argument.beginStructure();
    argument >> backlights.serial;
    argument.beginArray();
    backlights.monitors.clear();
    while (!argument.atEnd()) {
        QVariantMap monitor;
        argument >> monitor;
        backlights.monitors.append(monitor);
    }
    argument.endArray();
    argument.endStructure();
    return argument;
}

class FakeMutterDisplayConfig : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.gnome.Mutter.DisplayConfig")
    Q_PROPERTY(MutterBacklights Backlight READ backlight)

public:
    FakeMutterDisplayConfig() { qDBusRegisterMetaType<MutterBacklights>(); }

    // One active monitor with a backlight from `minimum` to `maximum`, at `value`.
    void addMonitor(const QString& connector, int minimum, int maximum, int value)
    {
        m_state.monitors.append({{"connector", connector},
                                 {"active", true},
                                 {"min", minimum},
                                 {"max", maximum},
                                 {"value", value}});
    }
    int value(const QString& connector) const
    {
        for (const QVariantMap& monitor : m_state.monitors) {
            if (monitor.value("connector") == connector)
                return monitor.value("value").toInt();
        }
        return -1;
    }
    MutterBacklights backlight() const { return m_state; }

public slots:
    void SetBacklight(uint serial, const QString& connector, int value)
    {
        if (serial != m_state.serial) {
            sendErrorReply(QDBusError::AccessDenied, QStringLiteral("stale serial"));
            return;
        }
        for (QVariantMap& monitor : m_state.monitors) {
            if (monitor.value("connector") == connector)
                monitor.insert("value", value);
        }
        ++m_state.serial; // every change makes a new state
    }

private:
    MutterBacklights m_state{7, {}};
};

// Records KConfig's change notifications for kwinrc.
class KConfigNotifications : public QObject
{
    Q_OBJECT

public:
    QList<QHash<QString, QByteArrayList>> received;

    bool listenOn(QDBusConnection bus)
    {
        qDBusRegisterMetaType<QByteArrayList>();
        qDBusRegisterMetaType<QHash<QString, QByteArrayList>>();
        return bus.connect(QString(), QStringLiteral("/kwinrc"),
                           QStringLiteral("org.kde.kconfig.notify"),
                           QStringLiteral("ConfigChanged"), this,
                           SLOT(configChanged(QHash<QString, QByteArrayList>)));
    }

public slots:
    void configChanged(const QHash<QString, QByteArrayList>& changes) { received.append(changes); }
};

// The services' thread and their registration on one connection.
class FakeServiceHost
{
public:
    explicit FakeServiceHost(QDBusConnection bus) : m_bus(std::move(bus)) { m_thread.start(); }
    ~FakeServiceHost()
    {
        for (const QString& service : m_services)
            m_bus.unregisterService(service);
        m_thread.quit();
        m_thread.wait();
    }

    // Serves `object` at `path` under `service` from the services' thread.
    template <typename T> T* add(const QString& service, const QString& path)
    {
        auto object = std::make_unique<T>();
        T* raw = object.get();
        object->moveToThread(&m_thread);
        m_bus.registerObject(
            path, raw, QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties);
        if (!m_services.contains(service) && m_bus.registerService(service))
            m_services.append(service);
        m_objects.push_back(std::move(object));
        return raw;
    }

private:
    QDBusConnection m_bus;
    QThread m_thread;
    QStringList m_services;
    std::vector<std::unique_ptr<QObject>> m_objects;
};
