#pragma once

#include "sensors/ScreenContentSensor.h"
#include "settings/SettingsTable.h"

#include <functional>

// Inverts bright screen content: from the screen's mean luminance (in steps of ten) it turns
// UseInvertedColors on above 128 and off at 128 and below, and has the inversion refreshed.
class SmartInversion : public ScreenContentSensor
{
    Q_OBJECT

public:
    // `refresh_color_inversion` puts UseInvertedColors on the screen.
    SmartInversion(SettingsMap& settings, IScreenCapture& capture,
                   std::function<void()> refresh_color_inversion, QObject* parent = nullptr);

    // The measurement a screen of mean luminance `mean` gives: whole tens.
    static int value_for(double mean);

public slots:
    int get_smart_inversion_modifier() const { return static_cast<int>(current()); }

protected:
    void measured(double mean_luminance) override;

private:
    SettingsMap& m_settings;
    std::function<void()> m_refresh_color_inversion;
};
