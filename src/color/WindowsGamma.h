#pragma once

#include "color/IGamma.h"
#include "platform/IDisplays.h"

#include <QHash>
#include <QSet>
#include <QVector>

#include <functional>

// The gamma device over the platform's displays. It remembers each monitor's own ramp (a
// calibration, for example) so that it can be kept under the colours and put back: the ramps
// of the monitors there at the start, and of each monitor that appears later as it appears,
// kept by the monitor's identity rather than its place in the enumeration.
// Every monitor is written on its own: one that refuses a ramp does not keep the others from
// theirs, and one without a gamma ramp is left alone.
class WindowsGamma : public IGamma
{
    Q_OBJECT

public:
    // Reads monitor `index`'s own ramp into `ramp`; false when it cannot be read.
    using CalibrationReader = std::function<bool(int index, GammaRamp& ramp)>;

    // `read_calibration` says what each monitor's own ramp is (by default: what it shows).
    explicit WindowsGamma(IDisplays& displays, CalibrationReader read_calibration = {},
                          QObject* parent = nullptr);

    int save_current_ramps() override;
    int reset() override;
    int restore() override;
    int monitor_count() override;
    int set_temperature(RampSettings settings, QList<int> ignored, int monitor_number) override;

    void set_color_scheme(int scheme) override;
    void set_leading_color(int offset) override;

    // Loads monitor `monitor_number`'s base ramp; 0 or -1.
    int restore_monitor(int monitor_number);

    // The ramp remembered for monitor index `index` (the identity when there is none).
    GammaRamp saved_ramp(int index) const;

private:
    // Counts the monitors and remembers the ramps of those not seen before; -1 when one of
    // them could not be read.
    int refresh_monitors();
    // The identity of monitor `index` as a key (its place, when it has none).
    QString monitor_key(int index) const;
    // Puts monitor `index`'s own ramp in its slot: remembered, or read when it is new.
    int remember_ramp(int index);
    int save_ramp(int index);
    // Whether monitor `index` has a gamma ramp; says once when it has none.
    bool has_gamma(int index);
    GammaRamp base_ramp(int index) const;
    // `base` in `settings`' colours; computed again only when something it depends on changed.
    const GammaRamp& colored_ramp(int index, const GammaRamp& base, const RampSettings& settings);
    void apply_fixer(GammaRamp& ramp) const;
    int write_base_ramp(int index);

    IDisplays& m_displays;
    CalibrationReader m_read_calibration;
    int m_monitor_total = 0;
    QVector<GammaRamp> m_saved_ramps;
    QVector<QString> m_slot_monitors;        // whose ramp each slot holds (monitor_key)
    QHash<QString, GammaRamp> m_known_ramps; // every monitor's own ramp, by monitor_key
    QSet<int> m_without_gamma; // monitor indexes already reported to have no gamma ramp

    // The last coloured ramp of each monitor: most ticks show the colours of the tick before,
    // and monitors on the same base show the same ramp.
    struct ColoredRamp
    {
        GammaRamp base;
        RampSettings settings{-1, 0.0f, 0.0f, 0.0f, -1.0f};
        int ramp_version = -1;
        GammaRamp colored;
    };
    QVector<ColoredRamp> m_colored;
    int m_ramp_version = 0; // counts the changes of scheme and leading colour
};
