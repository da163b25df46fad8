#pragma once

#include "platform/wayland/RecordedNightLight.h"

#include <QDBusConnection>

class IGSettingsPart;

// GNOME's night light, which carries Kavo's temperature on Mutter (Mutter writes the CRTC
// ramps itself from its night light and colour profiles, so a ramp set from outside would be
// overwritten). The settings daemon's colour plugin reads the GSettings schema
// org.gnome.settings-daemon.plugins.color: night-light-enabled (b), night-light-schedule-
// automatic (b), night-light-schedule-from and -to (d, hours from midnight; from equal to to
// covers the whole day, with no fade at the ends) and night-light-temperature (u, K). Kavo
// writes the four together, through Kavo's GSettings part (GIO), and the daemon follows.
// 6500 K and above: night light off. The user's own values (or that a key was never set) are
// recorded and put back. On a GNOME session whose GSettings part cannot be loaded the route
// says so and refuses every temperature.
class GnomeNightLight : public RecordedNightLight
{
public:
    // Whether this session is GNOME's (its settings daemon's colour plugin on `bus`, or
    // XDG_CURRENT_DESKTOP naming GNOME) and the schema is installed, or cannot be looked for
    // because the GSettings part cannot be loaded (the route then tells why). Loads the part
    // on a GNOME session only.
    static bool isOffered(const QDBusConnection& bus);

    GnomeNightLight(const QString& recordPath, std::unique_ptr<IBacklight> backlight);
    ~GnomeNightLight() override;
    GnomeNightLight(const GnomeNightLight&) = delete;
    GnomeNightLight& operator=(const GnomeNightLight&) = delete;

    QString route() const override { return QStringLiteral("gnome-night-light"); }
    QString unavailableReason() const override { return m_unavailable; }

protected:
    std::optional<QJsonObject> readOwnSettings() override;
    bool writeOwnSettings(const QJsonObject& settings) override;
    bool showTemperature(int kelvin) override;

private:
    IGSettingsPart* m_part = nullptr; // null when unavailable
    QString m_unavailable;
};
