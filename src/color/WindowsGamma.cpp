#include "color/WindowsGamma.h"

#include "KavoLog.h"

namespace {
constexpr int kInitialSavedSlots = 10;
constexpr int kFixerEntry = 254;
} // namespace

WindowsGamma::WindowsGamma(IDisplays& displays, QObject* parent)
    : IGamma(parent), m_displays(displays), m_saved_ramps(kInitialSavedSlots, GammaRamp::identity())
{
}

void WindowsGamma::refresh_monitors()
{
    m_monitor_total = m_displays.monitorCount();
    // Every monitor keeps its own saved slot, however many there are.
    while (m_saved_ramps.size() < m_monitor_total)
        m_saved_ramps.append(GammaRamp::identity());
}

int WindowsGamma::monitor_count()
{
    return m_displays.monitorCount();
}

GammaRamp WindowsGamma::saved_ramp(int index) const
{
    return m_saved_ramps.value(index, GammaRamp::identity());
}

int WindowsGamma::save_current_ramps()
{
    refresh_monitors();
    for (int i = 0; i < m_monitor_total; ++i) {
        GammaRamp& slot = m_saved_ramps[i];
        slot = GammaRamp::identity();
        if (!m_displays.readRamp(i, slot)) {
            log_line(QStringLiteral("Unable to save current gamma ramp."));
            return -1;
        }
        // Some drivers (and Xvfb) report an all-zero ramp: that is no calibration, and keeping
        // it would turn the screen black.
        if (slot.isAllZero())
            slot = GammaRamp::identity();
    }
    return 0;
}

int WindowsGamma::reset()
{
    refresh_monitors();
    for (int i = 0; i < m_monitor_total; ++i) {
        m_saved_ramps[i] = GammaRamp::identity();
        if (!m_displays.writeRamp(i, m_saved_ramps[i])) {
            log_line(QStringLiteral("Unable to reset gamma ramps."));
            return -1;
        }
    }
    return 0;
}

GammaRamp WindowsGamma::base_ramp(int index) const
{
    return m_preserve_gamma ? saved_ramp(index) : ColorRamp::computingIdentity();
}

int WindowsGamma::write_base_ramp(int index)
{
    return m_displays.writeRamp(index, base_ramp(index)) ? 0 : -1;
}

int WindowsGamma::restore()
{
    refresh_monitors();
    for (int i = 0; i < m_monitor_total; ++i) {
        if (write_base_ramp(i) < 0)
            return -1;
    }
    return 0;
}

int WindowsGamma::restore_monitor(int monitor_number)
{
    refresh_monitors();
    const int index = monitor_number - 1;
    if (index < 0 || index >= m_monitor_total)
        return -1;
    return write_base_ramp(index);
}

void WindowsGamma::apply_fixer(GammaRamp& ramp) const
{
    for (int c = 0; c < 3; ++c) {
        quint16& level = ramp.channel(c)[kFixerEntry];
        const int d = m_fixer_offset;
        level = static_cast<quint16>(level - d > 0 ? level - d : level + d);
    }
}

int WindowsGamma::set_temperature(RampSettings settings, QList<int> ignored, int monitor_number)
{
    if (settings.temperature < 0 || settings.brightness < 0.05f)
        return -1;
    refresh_monitors();
    const int total = m_monitor_total;
    for (int i = 0; i < total; ++i) {
        const int number = i + 1;
        if (monitor_number != 0 && monitor_number != number)
            continue;
        if (ignored.contains(number)) {
            restore_monitor(number);
            continue;
        }
        GammaRamp ramp = m_inverted ? ColorRamp::invertedIdentity() : base_ramp(i);
        if (!m_curves.is_identity())
            ramp = m_curves.applied_before(ramp);
        m_ramp.apply(ramp, settings);
        apply_fixer(ramp);
        if (!m_displays.writeRamp(i, ramp)) {
            log_line(QStringLiteral("Unable to set_temperature gamma ramps"));
            return -1;
        }
    }
    return 0;
}
