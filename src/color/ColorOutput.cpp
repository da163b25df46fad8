#include "color/ColorOutput.h"

#include "color/CalibrationKeeper.h"
#include "KavoLog.h"
#include "color/ColorEffectControl.h"
#include "color/ColorMatrixRecipe.h"
#include "color/ColorSettingKeys.h"
#include "color/Cyclops.h"
#include "color/GammaFactory.h"
#include "color/GuardianProcess.h"
#include "color/MagnificationApi.h"
#include "color/SoftwareColorEffects.h"
#include "color/WindowsColorEffects.h"
#include "platform/GammaRangeRegistry.h"
#include "platform/Platform.h"

#include <QRandomGenerator>
#include <QScopedValueRollback>

using namespace ColorSettingKeys;

namespace {
// How long a start waits for a Kavo, guardian or kavoctl that is letting go of the marker.
constexpr int kMarkerWaitMs = 2000;
constexpr float kLowestBrightness = 0.05f;

void log_setting(const char* label, int value)
{
    log_line(QLatin1String(label) + QString::number(value));
}
} // namespace

bool ColorOutput::AppliedColors::operator==(const AppliedColors& other) const
{
    return temperature == other.temperature && brightness == other.brightness &&
           effect == other.effect && saturation == other.saturation;
}

ColorOutput::ColorOutput(QVariantMap& settings, const QList<int>& ignored_monitors,
                         ColorOutputHooks hooks, QObject* parent)
    : QObject(parent), m_settings(settings), m_ignored_monitors(ignored_monitors),
      m_hooks(std::move(hooks)), m_effect_control(std::make_unique<ColorEffectControl>(*this))
{
}

ColorOutput::~ColorOutput() = default;

bool ColorOutput::flag(const QString& key) const
{
    return m_settings.value(key).toBool();
}

int ColorOutput::number(const QString& key) const
{
    return m_settings.value(key).toInt();
}

int ColorOutput::update_gamma()
{
    return m_hooks.update_gamma ? m_hooks.update_gamma() : 0;
}

void ColorOutput::start()
{
    restore_night_light();
    keep_calibration();
    create_gamma();
    create_effects();
    refresh_color_scheme();
    refresh_leading_color();
    refresh_preserve_gamma();
}

void ColorOutput::keep_calibration()
{
    Platform& platform = Platform::current();
    if (!platform.has(Capability::LastingGammaRamps))
        return;
    m_calibration =
        std::make_unique<CalibrationKeeper>(platform.displays(), CalibrationRecord::default_path(),
                                            CalibrationRecord::default_marker_path());
    if (m_calibration->begin(kMarkerWaitMs) == CalibrationKeeper::Start::Unavailable) {
        m_calibration.reset();
        return;
    }
    m_calibration->start_guardian(GuardianProcess::default_program());
}

void ColorOutput::restore_night_light()
{
    if (INightLight* light = Platform::current().nightLight())
        light->restore();
}

void ColorOutput::shut_down()
{
    restore_gamma();
    restore_night_light();
    if (!m_calibration)
        return;
    m_calibration->restore();
    if (m_calibration->owns_record())
        Platform::current().displays().keepShownRamps();
    m_calibration->finish();
}

void ColorOutput::create_gamma()
{
    GammaFactory::CalibrationReader reader;
    if (m_calibration)
        reader = [keeper = m_calibration.get()](int index, GammaRamp& ramp) {
            return keeper->calibration(index, ramp);
        };
    m_gamma = GammaFactory::create(reader);
    m_gamma->init();
    m_gamma->save_current_ramps();
    m_gamma->set_channel_curves(ChannelCurves::compose(m_overlay_curves, m_effect_curves));
    connect(m_gamma.get(), &IGamma::update_gamma, this, [this] { update_gamma(); });
}

void ColorOutput::create_effects()
{
    // Without the magnification service Kavo draws the effects itself.
    if (!MagnificationApi::instance() || !Platform::current().has(Capability::Magnifier)) {
        m_effects = std::make_unique<SoftwareColorEffects>(
            [this](const ChannelCurves& curves) { set_effect_curves(curves); });
        return;
    }
    m_effects = std::make_unique<WindowsColorEffects>(
        MagnificationApi::instance(), Platform::current().displays(),
        WindowsColorEffects::Inversion{[this] { m_effect_control->invert_colors(); },
                                       [this] { m_effect_control->revert_colors(); }});
}

IGamma* ColorOutput::gamma()
{
    if (!m_gamma)
        create_gamma();
    return m_gamma.get();
}

void ColorOutput::check_gamma_range()
{
    Cyclops cyclops(Platform::current().registry(), m_hooks.show_message_box);
    m_gamma_range_unlocked = cyclops.is_gamma_range_usable();
    if (m_gamma_range_unlocked && !cyclops.is_url_protocol_registered())
        cyclops.import_gamma_registry();
}

bool ColorOutput::uses_gamma_ramps() const
{
    return flag(kUseLowLevelColorApi) && !(m_gamma_failed && !m_gamma_range_unlocked);
}

ColorOutput::AppliedColors ColorOutput::current_colors(const RampSettings& settings) const
{
    return {settings.temperature, settings.brightness, number(kColorEffect), number(kSaturation)};
}

bool ColorOutput::is_showable(const RampSettings& settings, int monitor_number)
{
    // A brightness below 5 % is black; neither it nor a temperature below 0 is sent to a
    // device, where a refusal would read as the desktop refusing strong ramps.
    if (settings.temperature >= 0 && settings.brightness >= kLowestBrightness) {
        m_unshowable.remove(monitor_number);
        return true;
    }
    if (!m_unshowable.contains(monitor_number)) {
        m_unshowable.insert(monitor_number);
        log_line(QStringLiteral("Colours %1 K / %2 % not applied to monitor %3")
                     .arg(settings.temperature)
                     .arg(static_cast<double>(settings.brightness) * 100.0)
                     .arg(monitor_number));
    }
    return false;
}

int ColorOutput::apply_colors(RampSettings settings, int monitor_number)
{
    settings.gamma_red = settings.gamma_green = settings.gamma_blue = 1.0f;
    if (m_applying)
        return 0;
    QScopedValueRollback<bool> busy(m_applying, true);
    if (!is_showable(settings, monitor_number))
        return -1;
    DisplayUpdate update(Platform::current().displays());
    if (uses_gamma_ramps()) {
        const int rc = apply_ramps(settings, monitor_number);
        if (rc >= 0) {
            m_applied[monitor_number] = current_colors(settings);
            return rc;
        }
        // Nothing of these colours is on the screen now: whatever carries them next (the
        // ramps again, or the colour matrix) must not take them for applied.
        invalidate_cache();
        // A night light that refused has said why; there is no gamma range to repair.
        if (Platform::current().nightLight())
            return -1;
        if (m_gamma_range_unlocked)
            return 0; // the next update tries again
        repair_gamma_range();
    }
    if (!(m_applied.value(monitor_number) == current_colors(settings)))
        apply_matrix(settings, monitor_number);
    m_applied[monitor_number] = current_colors(settings);
    return 0;
}

int ColorOutput::apply_ramps(const RampSettings& settings, int monitor_number)
{
    return gamma()->set_temperature(settings, m_ignored_monitors, monitor_number);
}

void ColorOutput::repair_gamma_range()
{
    m_gamma_failed = true;
    gamma()->restore();
    const auto bring_to_front = [this] {
        if (m_hooks.bring_to_front)
            m_hooks.bring_to_front();
    };
    Cyclops cyclops(Platform::current().registry(), m_hooks.show_message_box);
    if (cyclops.expand_gamma_range()) {
        bring_to_front();
        cyclops.show_restart_message();
        cyclops.set_restart_needed();
    } else if (cyclops.is_restart_needed()) {
        bring_to_front();
        cyclops.show_limited_message();
    }
}

void ColorOutput::apply_matrix(const RampSettings& settings, int monitor_number)
{
    ColorRamp ramp;
    ramp.select_scheme(number(kColorScheme));
    ramp.set_leading_color(number(kLeadingColor));
    ColorMatrixRecipe recipe;
    recipe.settings = settings;
    if (flag(kUseColorEffects) && m_effects)
        recipe.effect = number(kColorEffect);
    const bool switching = m_hooks.is_switch_state_running && m_hooks.is_switch_state_running();
    recipe.inverted = gamma()->is_inverted() && !(switching && m_inversion_target);
    if (flag(kUseSaturation))
        recipe.saturation = number(kSaturation);
    if (m_effects)
        m_effects->apply_matrix(recipe.build(ramp), m_ignored_monitors, monitor_number);
    gamma()->restore();
}

int ColorOutput::refresh_color_fixer()
{
    int offset = 0;
    if (m_fix_gamma_requested) {
        offset = static_cast<int>(QRandomGenerator::global()->bounded(3));
        m_fix_gamma_requested = false;
    }
    if (!uses_gamma_ramps() || !flag(kUseGammaFixer))
        offset = 0;
    gamma()->set_fixer_offset(offset);
    return offset;
}

int ColorOutput::read_gamma_registry()
{
    return GammaRangeRegistry::gammaRange(Platform::current().registry());
}

int ColorOutput::reset_gamma()
{
    if (gamma()->reset() != -1)
        return 0;
    // A device that cannot reset is rebuilt once: it saves the ramps the monitors show now.
    // The new device keeps the old one's choices, so that no colour setting is lost.
    const bool inverted = m_gamma->is_inverted();
    const bool preserve = m_gamma->is_preserve_gamma();
    create_gamma();
    m_gamma->set_inverted(inverted);
    m_gamma->set_preserve_gamma(preserve);
    m_gamma->set_color_scheme(number(kColorScheme));
    m_gamma->set_leading_color(number(kLeadingColor));
    return m_gamma->reset();
}

int ColorOutput::reset_colors()
{
    if (!flag(kUseLowLevelColorApi) && m_effects)
        m_effects->reset();
    return reset_gamma();
}

void ColorOutput::restore_gamma()
{
    if (flag(kUseLowLevelColorApi))
        gamma()->restore();
    else if (m_effects)
        m_effects->reset();
}

void ColorOutput::refresh_preserve_gamma()
{
    const bool preserve = flag(kPreserveGamma);
    if (!preserve)
        reset_colors();
    gamma()->set_preserve_gamma(preserve);
    invalidate_cache();
    update_gamma();
}

void ColorOutput::refresh_color_scheme()
{
    gamma()->set_color_scheme(number(kColorScheme));
    invalidate_cache();
    update_gamma();
}

void ColorOutput::refresh_leading_color()
{
    gamma()->set_leading_color(number(kLeadingColor));
    invalidate_cache();
    update_gamma();
}

void ColorOutput::use_gamma_fixer_changed(bool value)
{
    if (flag(kUseGammaFixer) == value)
        return;
    log_setting("USE_GAMMA_FIXER: ", value);
    m_settings[kUseGammaFixer] = value;
}

void ColorOutput::preserve_gamma_changed(bool value)
{
    if (flag(kPreserveGamma) == value)
        return;
    log_setting("preserve_gamma: ", value);
    m_settings[kPreserveGamma] = value;
    refresh_preserve_gamma();
}

void ColorOutput::use_low_level_color_api_changed(bool value)
{
    if (flag(kUseLowLevelColorApi) == value)
        return;
    log_setting("use_low_level_color_api: ", value);
    m_settings[kUseLowLevelColorApi] = value;
    invalidate_cache();
    update_gamma();
}

void ColorOutput::color_scheme_changed(int value)
{
    m_settings[kColorScheme] = value;
    refresh_color_scheme();
}

void ColorOutput::leading_color_changed(int value)
{
    m_settings[kLeadingColor] = value;
    refresh_leading_color();
}

void ColorOutput::set_effect_curves(const ChannelCurves& curves)
{
    m_effect_curves = curves;
    gamma()->set_channel_curves(ChannelCurves::compose(m_overlay_curves, m_effect_curves));
}

void ColorOutput::set_overlay_curves(const ChannelCurves& curves)
{
    if (curves == m_overlay_curves)
        return;
    m_overlay_curves = curves;
    gamma()->set_channel_curves(ChannelCurves::compose(m_overlay_curves, m_effect_curves));
    invalidate_cache();
    update_gamma();
}

void ColorOutput::invalidate_cache()
{
    m_applied.clear();
}

void ColorOutput::invalidate_cached_effect()
{
    for (AppliedColors& applied : m_applied)
        applied.effect = -1;
}
