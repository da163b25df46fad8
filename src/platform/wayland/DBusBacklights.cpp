#include "platform/wayland/DBusBacklights.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {
// A desktop service that does not answer within this long is taken as absent.
constexpr int kCallTimeoutMs = 3000;
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");

struct Endpoint
{
    QString service;
    QString path;
    QString interface;
};

QDBusMessage call(const QDBusConnection& bus, const Endpoint& at, const QString& method,
                  const QVariantList& arguments = {})
{
    QDBusMessage message =
        QDBusMessage::createMethodCall(at.service, at.path, at.interface, method);
    message.setArguments(arguments);
    return bus.call(message, QDBus::Block, kCallTimeoutMs);
}

bool succeeded(const QDBusMessage& reply)
{
    return reply.type() == QDBusMessage::ReplyMessage;
}

// The property `name` of `at`; an invalid QVariant when it cannot be read.
QVariant property(const QDBusConnection& bus, const Endpoint& at, const QString& name)
{
    const QDBusMessage reply =
        call(bus, {at.service, at.path, kProperties}, QStringLiteral("Get"), {at.interface, name});
    if (!succeeded(reply) || reply.arguments().isEmpty())
        return {};
    return reply.arguments().constFirst().value<QDBusVariant>().variant();
}

bool isOnBus(const QDBusConnection& bus, const QString& service)
{
    return bus.isConnected() && bus.interface() &&
           bus.interface()->isServiceRegistered(service).value();
}

int levelFor(int percent, int maximum)
{
    const int clamped = std::clamp(percent, 1, 100);
    return std::max(1, static_cast<int>(std::lround(clamped * maximum / 100.0)));
}

// Plasma 6.2 and later. Service org.kde.ScreenBrightness, object /org/kde/ScreenBrightness,
// interface org.kde.ScreenBrightness with the property DisplaysDBusNames (as). Each display is
// the object /org/kde/ScreenBrightness/<name>, interface org.kde.ScreenBrightness.Display, with
// the properties Brightness (i, 0 = lowest visible .. MaxBrightness) and MaxBrightness (i), and
// the method SetBrightness(i brightness, u flags); flag 0x1 (SuppressIndicator) shows no
// on-screen indicator.
class PlasmaScreenBrightness : public IBacklight
{
public:
    explicit PlasmaScreenBrightness(const QDBusConnection& bus) : m_bus(bus) {}

    static const QString kService;

    QStringList displays() const
    {
        return property(m_bus, {kService, kRoot, kService}, QStringLiteral("DisplaysDBusNames"))
            .toStringList();
    }

    QString name() const override { return kService; }

    bool setPercent(int percent) override
    {
        bool ok = true;
        for (const QString& display : displays()) {
            const int maximum =
                property(m_bus, at(display), QStringLiteral("MaxBrightness")).toInt();
            ok = maximum > 0 && setLevel(display, levelFor(percent, maximum)) && ok;
        }
        return ok;
    }

    QJsonObject levels() override
    {
        QJsonObject levels;
        for (const QString& display : displays()) {
            const QVariant level = property(m_bus, at(display), QStringLiteral("Brightness"));
            if (!level.isValid())
                return {};
            levels.insert(display, level.toInt());
        }
        return levels;
    }

    bool restoreLevels(const QJsonObject& levels) override
    {
        bool ok = true;
        const QStringList present = displays();
        for (auto it = levels.begin(); it != levels.end(); ++it) {
            if (present.contains(it.key()))
                ok = setLevel(it.key(), it.value().toInt()) && ok;
        }
        return ok;
    }

private:
    static const QString kRoot;
    static constexpr uint kSuppressIndicator = 0x1;

    Endpoint at(const QString& display) const
    {
        return {kService, kRoot + QLatin1Char('/') + display,
                QStringLiteral("org.kde.ScreenBrightness.Display")};
    }

    bool setLevel(const QString& display, int level)
    {
        return succeeded(
            call(m_bus, at(display), QStringLiteral("SetBrightness"), {level, kSuppressIndicator}));
    }

    QDBusConnection m_bus;
};
const QString PlasmaScreenBrightness::kService = QStringLiteral("org.kde.ScreenBrightness");
const QString PlasmaScreenBrightness::kRoot = QStringLiteral("/org/kde/ScreenBrightness");

// Plasma 5.27 (PowerDevil). Service org.kde.Solid.PowerManagement, object
// /org/kde/Solid/PowerManagement/Actions/BrightnessControl, interface
// org.kde.Solid.PowerManagement.Actions.BrightnessControl: brightness() -> i, brightnessMax()
// -> i, setBrightnessSilent(i) (setBrightness(i) shows the on-screen indicator).
class PlasmaBrightnessControl : public IBacklight
{
public:
    explicit PlasmaBrightnessControl(const QDBusConnection& bus) : m_bus(bus) {}

    static const Endpoint kAt;

    int maximum() const
    {
        const QDBusMessage reply = call(m_bus, kAt, QStringLiteral("brightnessMax"));
        return succeeded(reply) ? reply.arguments().value(0).toInt() : 0;
    }

    QString name() const override { return kAt.interface; }

    bool setPercent(int percent) override
    {
        const int top = maximum();
        return top > 0 && setLevel(levelFor(percent, top));
    }

    QJsonObject levels() override
    {
        const QDBusMessage reply = call(m_bus, kAt, QStringLiteral("brightness"));
        if (!succeeded(reply) || reply.arguments().isEmpty())
            return {};
        return {{QStringLiteral("level"), reply.arguments().constFirst().toInt()}};
    }

    bool restoreLevels(const QJsonObject& levels) override
    {
        return !levels.contains(QLatin1String("level")) ||
               setLevel(levels.value(QLatin1String("level")).toInt());
    }

private:
    bool setLevel(int level)
    {
        return succeeded(call(m_bus, kAt, QStringLiteral("setBrightnessSilent"), {level}));
    }

    QDBusConnection m_bus;
};
const Endpoint PlasmaBrightnessControl::kAt{
    QStringLiteral("org.kde.Solid.PowerManagement"),
    QStringLiteral("/org/kde/Solid/PowerManagement/Actions/BrightnessControl"),
    QStringLiteral("org.kde.Solid.PowerManagement.Actions.BrightnessControl")};

// GNOME 47 and later (Mutter). Service org.gnome.Mutter.DisplayConfig, object
// /org/gnome/Mutter/DisplayConfig, interface org.gnome.Mutter.DisplayConfig: the property
// Backlight ((uaa{sv}): a serial, then one dictionary per monitor with "connector" (s),
// "active" (b), "min" (i), "max" (i) and "value" (i)), and the method
// SetBacklight(u serial, s connector, i value), which takes the serial last read.
class MutterBacklight : public IBacklight
{
public:
    explicit MutterBacklight(const QDBusConnection& bus) : m_bus(bus) {}

    static const Endpoint kAt;

    struct Monitor
    {
        QString connector;
        int minimum = 0;
        int maximum = 0;
        int value = 0;
    };

    // The active backlights and the serial to change them with; false when unreadable.
    bool read(uint& serial, QList<Monitor>& monitors) const
    {
        const QVariant value = property(m_bus, kAt, QStringLiteral("Backlight"));
        if (!value.canConvert<QDBusArgument>())
            return false;
        const QDBusArgument argument = value.value<QDBusArgument>();
        argument.beginStructure();
        argument >> serial;
        argument.beginArray();
        while (!argument.atEnd()) {
            QVariantMap entry;
            argument >> entry;
            if (!entry.value(QStringLiteral("active"), true).toBool())
                continue;
            monitors.append({entry.value(QStringLiteral("connector")).toString(),
                             entry.value(QStringLiteral("min")).toInt(),
                             entry.value(QStringLiteral("max")).toInt(),
                             entry.value(QStringLiteral("value")).toInt()});
        }
        argument.endArray();
        argument.endStructure();
        return true;
    }

    QString name() const override { return kAt.interface + QStringLiteral(".Backlight"); }

    bool setPercent(int percent) override
    {
        uint serial = 0;
        QList<Monitor> monitors;
        if (!read(serial, monitors))
            return false;
        bool ok = true;
        for (const Monitor& monitor : monitors) {
            const int range = monitor.maximum - monitor.minimum;
            const int level = monitor.minimum + levelFor(percent, std::max(range, 1));
            ok = setLevel(serial, monitor.connector, std::min(level, monitor.maximum)) && ok;
        }
        return ok;
    }

    QJsonObject levels() override
    {
        uint serial = 0;
        QList<Monitor> monitors;
        if (!read(serial, monitors))
            return {};
        QJsonObject levels;
        for (const Monitor& monitor : monitors)
            levels.insert(monitor.connector, monitor.value);
        return levels;
    }

    bool restoreLevels(const QJsonObject& levels) override
    {
        uint serial = 0;
        QList<Monitor> monitors;
        if (!read(serial, monitors))
            return false;
        bool ok = true;
        for (const Monitor& monitor : monitors) {
            if (levels.contains(monitor.connector))
                ok = setLevel(serial, monitor.connector, levels.value(monitor.connector).toInt()) &&
                     ok;
        }
        return ok;
    }

private:
    bool setLevel(uint serial, const QString& connector, int level)
    {
        return succeeded(
            call(m_bus, kAt, QStringLiteral("SetBacklight"), {serial, connector, level}));
    }

    QDBusConnection m_bus;
};
const Endpoint MutterBacklight::kAt{QStringLiteral("org.gnome.Mutter.DisplayConfig"),
                                    QStringLiteral("/org/gnome/Mutter/DisplayConfig"),
                                    QStringLiteral("org.gnome.Mutter.DisplayConfig")};

// GNOME up to 48 (the settings daemon's power plugin). Service org.gnome.SettingsDaemon.Power,
// object /org/gnome/SettingsDaemon/Power, interface org.gnome.SettingsDaemon.Power.Screen: the
// read-write property Brightness (i, in percent; -1 when there is no backlight), written
// through org.freedesktop.DBus.Properties.Set.
class GnomePowerScreen : public IBacklight
{
public:
    explicit GnomePowerScreen(const QDBusConnection& bus) : m_bus(bus) {}

    static const Endpoint kAt;

    int brightness() const
    {
        const QVariant value = property(m_bus, kAt, QStringLiteral("Brightness"));
        return value.isValid() ? value.toInt() : -1;
    }

    QString name() const override { return kAt.interface; }

    bool setPercent(int percent) override { return setLevel(std::clamp(percent, 1, 100)); }

    QJsonObject levels() override
    {
        const int level = brightness();
        if (level < 0)
            return {};
        return {{QStringLiteral("level"), level}};
    }

    bool restoreLevels(const QJsonObject& levels) override
    {
        return !levels.contains(QLatin1String("level")) ||
               setLevel(levels.value(QLatin1String("level")).toInt());
    }

private:
    bool setLevel(int level)
    {
        return succeeded(call(m_bus, {kAt.service, kAt.path, kProperties}, QStringLiteral("Set"),
                              {kAt.interface, QStringLiteral("Brightness"),
                               QVariant::fromValue(QDBusVariant(level))}));
    }

    QDBusConnection m_bus;
};
const Endpoint GnomePowerScreen::kAt{QStringLiteral("org.gnome.SettingsDaemon.Power"),
                                     QStringLiteral("/org/gnome/SettingsDaemon/Power"),
                                     QStringLiteral("org.gnome.SettingsDaemon.Power.Screen")};
} // namespace

namespace DBusBacklights {

std::unique_ptr<IBacklight> plasma(const QDBusConnection& bus)
{
    if (isOnBus(bus, PlasmaScreenBrightness::kService)) {
        auto backlight = std::make_unique<PlasmaScreenBrightness>(bus);
        if (!backlight->displays().isEmpty())
            return backlight;
    }
    if (isOnBus(bus, PlasmaBrightnessControl::kAt.service)) {
        auto backlight = std::make_unique<PlasmaBrightnessControl>(bus);
        if (backlight->maximum() > 0)
            return backlight;
    }
    return nullptr;
}

std::unique_ptr<IBacklight> gnome(const QDBusConnection& bus)
{
    if (isOnBus(bus, MutterBacklight::kAt.service)) {
        auto backlight = std::make_unique<MutterBacklight>(bus);
        uint serial = 0;
        QList<MutterBacklight::Monitor> monitors;
        if (backlight->read(serial, monitors) && !monitors.isEmpty())
            return backlight;
    }
    if (isOnBus(bus, GnomePowerScreen::kAt.service)) {
        auto backlight = std::make_unique<GnomePowerScreen>(bus);
        if (backlight->brightness() >= 0)
            return backlight;
    }
    return nullptr;
}

} // namespace DBusBacklights
