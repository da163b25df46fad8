#pragma once

#include <QDBusConnection>
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
        m_bus.registerObject(path, raw,
                             QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties);
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
