#pragma once

#include <QDBusConnection>
#include <QJsonObject>
#include <QString>

#include <memory>

// A screen backlight that the desktop offers over D-Bus.
class IBacklight
{
public:
    virtual ~IBacklight() = default;

    // The D-Bus interface it goes through, for the log.
    virtual QString name() const = 0;
    // Sets every backlight it drives to `percent` (1..100) of its range.
    virtual bool setPercent(int percent) = 0;
    // The levels now, in the backlight's own units, for restoreLevels(); empty when they
    // cannot be read.
    virtual QJsonObject levels() = 0;
    // Puts back levels that levels() gave.
    virtual bool restoreLevels(const QJsonObject& levels) = 0;
};

// The backlights of KDE Plasma and GNOME, newest interface first.
namespace DBusBacklights {

// Plasma 6.2+: org.kde.ScreenBrightness; Plasma 5.27: org.kde.Solid.PowerManagement's
// BrightnessControl. Null when neither offers a backlight.
std::unique_ptr<IBacklight> plasma(const QDBusConnection& bus);

// GNOME 47+: Mutter's Backlight; GNOME up to 48: the settings daemon's Power.Screen
// Brightness. Null when neither offers a backlight.
std::unique_ptr<IBacklight> gnome(const QDBusConnection& bus);

} // namespace DBusBacklights
