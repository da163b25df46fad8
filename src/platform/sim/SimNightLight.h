#pragma once

#include "platform/INightLight.h"
#include "platform/sim/SimService.h"

// A desktop's own night light on the simulated desktop, for runs on the routes of KDE Plasma
// and GNOME. The config's "night_light" object switches it on:
//   {"route": "kwin-night-colour" | "gnome-night-light", "brightness": true,
//    "temperature": 6500, "backlight": 100, "refuses": false, "unavailable": ""}
// ("brightness": whether a backlight is offered; "temperature" and "backlight": the user's own
// values, shown while Kavo holds none; "refuses": every change is refused; "unavailable": why
// the route cannot be used, as when a part of Kavo it needs is missing). The state's
// "night_light" object reports "route", the "temperature" and "brightness" shown now
// (brightness null without a backlight), whether Kavo "holds" them, and how many "changes"
// and "restores" Kavo made.
class SimNightLight : public INightLight, public SimService
{
public:
    // Whether the config offers a night light.
    bool isOffered() const { return !m_route.isEmpty(); }

    QString route() const override { return m_route; }
    QString unavailableReason() const override { return m_unavailable; }
    bool setTemperature(int kelvin) override;
    bool hasBrightness() const override { return m_hasBrightness; }
    bool setBrightness(int percent) override;
    void restore() override;

    void configure(const QJsonObject& config) override;
    void addState(QJsonObject& state) const override;

private:
    QString m_route;
    bool m_hasBrightness = false;
    bool m_refuses = false;
    QString m_unavailable;
    int m_ownTemperature = 6500;
    int m_ownBrightness = 100;
    int m_temperature = 6500;
    int m_brightness = 100;
    bool m_holds = false;
    int m_changes = 0;
    int m_restores = 0;
};
