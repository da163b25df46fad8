#include "color/WindowsGamma.h"

#include "KavoLog.h"

namespace {
constexpr int kInitialSavedSlots = 10;
constexpr int kFixerEntry = 254;
} // namespace

WindowsGamma::WindowsGamma(IDisplays& displays, CalibrationReader read_calibration, QObject* parent)
    : IGamma(parent), m_displays(displays), m_read_calibration(std::move(read_calibration)),
      m_saved_ramps(kInitialSavedSlots, GammaRamp::identity())
{
    if (!m_read_calibration)
        m_read_calibration = [this](int index, GammaRamp& ramp) {
            return m_displays.readRamp(index, ramp);
        };
}

int WindowsGamma::refresh_monitors()
{
    m_monitor_total = m_displays.monitorCount();
    // Every monitor keeps its own saved slot, however many there are.
    while (m_saved_ramps.size() < m_monitor_total)
        m_saved_ramps.append(GammaRamp::identity());
    if (m_slot_monitors.size() < m_monitor_total)
        m_slot_monitors.resize(m_monitor_total);
    int result = 0;
    for (int i = 0; i < m_monitor_total; ++i) {
        if (remember_ramp(i) < 0)
            result = -1;
    }
    return result;
}

QString WindowsGamma::monitor_key(int index) const
{
    const MonitorIdentity identity = m_displays.monitorIdentity(index);
    if (identity.isEmpty())
        return QStringLiteral("#%1").arg(index);
    return identity.output + QLatin1Char('/') + QString::fromLatin1(identity.edid.toHex());
}

// A monitor keeps its own ramp wherever it comes in the enumeration: one unplugged before it
// does not hand it another's, and one seen before is not read again (it may show Kavo's
// colours by now).
int WindowsGamma::remember_ramp(int index)
{
    const QString key = monitor_key(index);
    if (m_slot_monitors[index] == key)
        return 0;
    m_slot_monitors[index] = key;
    const auto known = m_known_ramps.constFind(key);
    if (known != m_known_ramps.cend()) {
        m_saved_ramps[index] = *known;
        return 0;
    }
    const int result = save_ramp(index);
    if (result == 0)
        m_known_ramps.insert(key, m_saved_ramps[index]);
    return result;
}

int WindowsGamma::monitor_count()
{
    return m_displays.monitorCount();
}

GammaRamp WindowsGamma::saved_ramp(int index) const
{
    return m_saved_ramps.value(index, GammaRamp::identity());
}

bool WindowsGamma::has_gamma(int index)
{
    if (m_displays.hasGamma(index)) {
        m_without_gamma.remove(index);
        return true;
    }
    if (!m_without_gamma.contains(index)) {
        m_without_gamma.insert(index);
        log_line(QStringLiteral("Monitor %1 has no gamma ramp; Kavo leaves it as it is.")
                     .arg(index + 1));
    }
    return false;
}

int WindowsGamma::save_ramp(int index)
{
    GammaRamp& slot = m_saved_ramps[index];
    slot = GammaRamp::identity();
    if (!has_gamma(index))
        return 0;
    if (!m_read_calibration(index, slot)) {
        slot = GammaRamp::identity();
        log_line(QStringLiteral("Unable to save current gamma ramp."));
        return -1;
    }
    // Some drivers (and Xvfb) report an all-zero ramp: that is no calibration, and keeping
    // it would turn the screen black.
    if (slot.isAllZero())
        slot = GammaRamp::identity();
    return 0;
}

int WindowsGamma::save_current_ramps()
{
    m_slot_monitors.clear();
    m_known_ramps.clear();
    return refresh_monitors();
}

int WindowsGamma::reset()
{
    refresh_monitors();
    int result = 0;
    for (int i = 0; i < m_monitor_total; ++i) {
        m_saved_ramps[i] = GammaRamp::identity();
        m_known_ramps.insert(m_slot_monitors[i], m_saved_ramps[i]);
        if (has_gamma(i) && !m_displays.writeRamp(i, m_saved_ramps[i])) {
            log_line(QStringLiteral("Unable to reset gamma ramps."));
            result = -1;
        }
    }
    return result;
}

GammaRamp WindowsGamma::base_ramp(int index) const
{
    return m_preserve_gamma ? saved_ramp(index) : ColorRamp::computingIdentity();
}

int WindowsGamma::write_base_ramp(int index)
{
    if (!has_gamma(index))
        return 0;
    return m_displays.writeRamp(index, base_ramp(index)) ? 0 : -1;
}

int WindowsGamma::restore()
{
    refresh_monitors();
    int result = 0;
    for (int i = 0; i < m_monitor_total; ++i) {
        if (write_base_ramp(i) < 0)
            result = -1;
    }
    return result;
}

int WindowsGamma::restore_monitor(int monitor_number)
{
    refresh_monitors();
    const int index = monitor_number - 1;
    if (index < 0 || index >= m_monitor_total)
        return -1;
    return write_base_ramp(index);
}

void WindowsGamma::set_color_scheme(int scheme)
{
    IGamma::set_color_scheme(scheme);
    ++m_ramp_version;
}

void WindowsGamma::set_leading_color(int offset)
{
    IGamma::set_leading_color(offset);
    ++m_ramp_version;
}

const GammaRamp& WindowsGamma::colored_ramp(int index, const GammaRamp& base,
                                            const RampSettings& settings)
{
    const auto matches = [&](const ColoredRamp& known) {
        const RampSettings& k = known.settings;
        return k.temperature == settings.temperature && k.brightness == settings.brightness &&
               k.gamma_red == settings.gamma_red && k.gamma_green == settings.gamma_green &&
               k.gamma_blue == settings.gamma_blue && known.ramp_version == m_ramp_version &&
               known.base == base;
    };
    if (m_colored.size() <= index)
        m_colored.resize(index + 1);
    ColoredRamp& slot = m_colored[index];
    if (matches(slot))
        return slot.colored;
    if (index > 0 && matches(m_colored[index - 1])) {
        slot = m_colored[index - 1];
        return slot.colored;
    }
    slot.base = base;
    slot.settings = settings;
    slot.ramp_version = m_ramp_version;
    slot.colored = base;
    m_ramp.apply(slot.colored, settings);
    return slot.colored;
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
    if (settings.temperature < 0 || !(settings.brightness >= 0.05f))
        return -1;
    refresh_monitors();
    int result = 0;
    for (int i = 0; i < m_monitor_total; ++i) {
        const int number = i + 1;
        if (monitor_number != 0 && monitor_number != number)
            continue;
        if (ignored.contains(number)) {
            write_base_ramp(i);
            continue;
        }
        if (!has_gamma(i))
            continue;
        GammaRamp base = m_inverted ? ColorRamp::invertedIdentity() : base_ramp(i);
        if (!m_curves.is_identity())
            base = m_curves.applied_before(base);
        GammaRamp ramp = colored_ramp(i, base, settings);
        apply_fixer(ramp);
        if (!m_displays.writeRamp(i, ramp)) {
            log_line(QStringLiteral("Unable to set_temperature gamma ramps"));
            result = -1;
        }
    }
    return result;
}
