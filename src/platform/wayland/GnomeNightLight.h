#pragma once

#include "platform/wayland/RecordedNightLight.h"

#include <QDBusConnection>

typedef struct _GSettings GSettings;

// GNOME's night light, which carries Kavo's temperature on Mutter (Mutter writes the CRTC
// ramps itself from its night light and colour profiles, so a ramp set from outside would be
// overwritten). The settings daemon's colour plugin reads the GSettings schema
// org.gnome.settings-daemon.plugins.color: night-light-enabled (b), night-light-schedule-
// automatic (b), night-light-schedule-from and -to (d, hours from midnight; from equal to to
// covers the whole day, with no fade at the ends) and night-light-temperature (u, K). Kavo
// writes the four together, through GIO, and the daemon follows. 6500 K and above: night
// light off. The user's own values (or that a key was never set) are recorded and put back.
class GnomeNightLight : public RecordedNightLight
{
public:
    // Whether this session is GNOME's (its settings daemon's colour plugin on `bus`, or
    // XDG_CURRENT_DESKTOP naming GNOME) and the schema is installed.
    static bool isOffered(const QDBusConnection& bus);

    GnomeNightLight(const QString& recordPath, std::unique_ptr<IBacklight> backlight);
    ~GnomeNightLight() override;
    GnomeNightLight(const GnomeNightLight&) = delete;
    GnomeNightLight& operator=(const GnomeNightLight&) = delete;

    QString route() const override { return QStringLiteral("gnome-night-light"); }

protected:
    std::optional<QJsonObject> readOwnSettings() override;
    bool writeOwnSettings(const QJsonObject& settings) override;
    bool showTemperature(int kelvin) override;

private:
    GSettings* m_settings = nullptr;
};
