#pragma once

#include "color/IGamma.h"
#include "platform/IDisplays.h"

#include <QVector>

// The gamma device over the platform's displays. It remembers each monitor's own ramp (a
// calibration, for example) so that it can be kept under the colours and put back.
class WindowsGamma : public IGamma
{
    Q_OBJECT

public:
    explicit WindowsGamma(IDisplays& displays, QObject* parent = nullptr);

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
    GammaRamp base_ramp(int index) const;
    void apply_fixer(GammaRamp& ramp) const;
    int write_base_ramp(int index);

    IDisplays& m_displays;
    int m_monitor_total = 0;
    QVector<GammaRamp> m_saved_ramps;
};
