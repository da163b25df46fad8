#pragma once

#include "color/ColorRamp.h"

#include <QByteArray>
#include <QTime>

// Settings under which Kavo shows exactly `temperature` K and `percent` % at any time of day:
// the clock schedule with the night hours away from now, no sleep period, no gamma fixer, and
// a quick glide.
inline QByteArray steadyColourSettings(int temperature, int percent, bool preserve_gamma = true)
{
    const int hour = QTime::currentTime().hour();
    return QStringLiteral("PreserveGamma=%1\nUseGammaFixer=false\nUseSleepLight=false\n"
                          "UseManualNightDuration=true\nNightStartTimeHours=%2\n"
                          "NightEndTimeHours=%3\nDayTemperature=%4\nDayBrightness=%5\n"
                          "SmoothColorsUpdateInterval=5\nPauseTransitionDuration=50\n")
        .arg(preserve_gamma ? QStringLiteral("true") : QStringLiteral("false"))
        .arg((hour + 6) % 24)
        .arg((hour + 12) % 24)
        .arg(temperature)
        .arg(percent)
        .toUtf8();
}

// What a monitor calibrated with `calibration` shows at `temperature` K and `percent` %.
inline GammaRamp tinted(GammaRamp calibration, int temperature, int percent)
{
    ColorRamp().apply(calibration, RampSettings{temperature, 1.0f, 1.0f, 1.0f, percent / 100.0f});
    return calibration;
}

// For QCOMPARE: a few telling entries of each channel.
inline char* toString(const GammaRamp& ramp)
{
    QByteArray text;
    for (int c = 0; c < 3; ++c) {
        text += c == 0 ? "red" : c == 1 ? " green" : " blue";
        for (int i : {1, 64, 128, 192, 255})
            text += ' ' + QByteArray::number(ramp.channel(c)[i]);
    }
    return qstrdup(text.constData());
}
