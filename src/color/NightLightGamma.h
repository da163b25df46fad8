#pragma once

#include "color/IGamma.h"

class IDisplays;
class INightLight;

// The gamma device of a desktop whose compositor takes no gamma ramps but has a night light
// of its own (KWin's night colour, GNOME's night light): the temperature goes to the night
// light, the brightness to the desktop's backlight where it has one. The night light covers
// every monitor alike, so it shows the colours of the first monitor Kavo does not ignore.
// Colour schemes, the leading colour, inversion and colour effects need ramps: this route
// cannot show them. Putting the monitors' "own ramps" back means giving the user's own night
// light and backlight settings back.
class NightLightGamma : public IGamma
{
    Q_OBJECT

public:
    NightLightGamma(INightLight& light, IDisplays& displays, QObject* parent = nullptr);

    int save_current_ramps() override { return 0; }
    int reset() override;
    int restore() override;
    int monitor_count() override;
    int set_temperature(RampSettings settings, QList<int> ignored, int monitor_number) override;
    bool shows_brightness() const override;
    bool shows_ramps() const override { return false; }

private:
    // The monitor whose colours the night light shows; 0 when every monitor is ignored.
    int leading_monitor(const QList<int>& ignored);

    INightLight& m_light;
    IDisplays& m_displays;
};
