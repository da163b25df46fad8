#pragma once

#include "color/IGamma.h"
#include "platform/IDisplays.h"

#include <QVector>

#include <functional>

// The gamma device over the platform's displays. It remembers each monitor's own ramp (a
// calibration, for example) so that it can be kept under the colours and put back.
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

    // Loads monitor `monitor_number`'s base ramp; 0 or -1.
    int restore_monitor(int monitor_number);

    // The ramp remembered for monitor index `index` (the identity when there is none).
    GammaRamp saved_ramp(int index) const;

private:
    void refresh_monitors();
    bool save_ramp(int index);
    GammaRamp base_ramp(int index) const;
    void apply_fixer(GammaRamp& ramp) const;
    int write_base_ramp(int index);

    IDisplays& m_displays;
    CalibrationReader m_read_calibration;
    int m_monitor_total = 0;
    int m_saved_count = 0; // monitors whose own ramp is in m_saved_ramps, once saved
    bool m_ramps_saved = false;
    QVector<GammaRamp> m_saved_ramps;
};
