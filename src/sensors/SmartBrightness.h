#pragma once

#include "sensors/ScreenContentSensor.h"
#include "settings/SettingsTable.h"

// Dims bright screen content: from the screen's mean luminance it derives a brightness
// modifier between 0 (dark content) and about −10 percent (white content), which the
// controller adds to the scheduled brightness while SmartBrightness is on.
class SmartBrightness : public ScreenContentSensor
{
    Q_OBJECT

public:
    SmartBrightness(const SettingsMap& settings, IScreenCapture& capture,
                    QObject* parent = nullptr);

    // The target a screen of mean luminance `mean` gives; with inverted gamma ramps bright
    // content shows dark, so it is taken as it is.
    static float target_for(double mean, bool inverted_ramps);

public slots:
    // The modifier in percent: the followed value, truncated toward zero.
    int get_smart_brightness_modifier() const { return static_cast<int>(current()); }

protected:
    void measured(double mean_luminance) override;

private:
    const SettingsMap& m_settings;
};
