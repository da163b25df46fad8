#include "color/ColorEffectControl.h"

#include "KavoLog.h"
#include "color/ColorOutput.h"
#include "color/ColorSettingKeys.h"
#include "color/EffectMatrices.h"

using namespace ColorSettingKeys;

ColorEffectControl::ColorEffectControl(ColorOutput& output) : m_output(output)
{
}

bool ColorEffectControl::flag(const QString& key) const
{
    return m_output.settings().value(key).toBool();
}

int ColorEffectControl::number(const QString& key) const
{
    return m_output.settings().value(key).toInt();
}

void ColorEffectControl::reapply()
{
    m_output.invalidate_cache();
    m_output.update_gamma();
}

void ColorEffectControl::refresh_color_effects()
{
    IColorEffects* effects = m_output.effects();
    if (!effects || !m_output.uses_gamma_ramps())
        return;
    const auto& paused = m_output.hooks().is_gamma_paused;
    const bool active = flag(kUseColorEffects) && !(paused && paused());
    ColorMatrix matrix = ColorMatrix::identity();
    if (active)
        matrix = ColorMatrix::multiply(matrix, EffectMatrices::matrix(number(kColorEffect)));
    else
        effects->reset();
    const bool saturated = flag(kUseSaturation);
    if (saturated && number(kSaturation) != 100)
        matrix = ColorMatrix::multiply(matrix, ColorMatrix::saturation(number(kSaturation)));
    if (active || saturated)
        effects->apply_matrix(matrix, m_output.ignored_monitors(), 0);
}

void ColorEffectControl::color_effect_changed(int value)
{
    if (number(kColorEffect) == value)
        return;
    log_line(QStringLiteral("COLOR_EFFECT: ") + QString::number(value));
    m_output.settings()[kColorEffect] = value;
    m_output.settings()[kAdvancedColorEffect] = value;
    m_output.update_gamma();
}

void ColorEffectControl::use_color_effects_changed(bool value)
{
    m_output.invalidate_cached_effect();
    log_line(QStringLiteral("use_color_effects: ") + QString::number(value));
    m_output.settings()[kUseColorEffects] = value;
    m_output.settings()[kAdvancedUseColorEffects] = value;
    m_output.update_gamma();
}

void ColorEffectControl::saturation_changed(int value)
{
    if (number(kSaturation) == value)
        return;
    m_output.settings()[kSaturation] = value;
    reapply();
}

void ColorEffectControl::use_saturation_changed(bool value)
{
    if (flag(kUseSaturation) == value)
        return;
    m_output.settings()[kUseSaturation] = value;
    reapply();
}

void ColorEffectControl::refresh_color_inversion()
{
    m_output.gamma()->set_inverted(flag(kUseInvertedColors));
}

bool ColorEffectControl::use_inverted_colors() const
{
    return flag(kUseInvertedColors);
}

void ColorEffectControl::invert_colors()
{
    switch_inversion(true);
}

void ColorEffectControl::revert_colors()
{
    switch_inversion(false);
}

void ColorEffectControl::switch_inversion(bool inverted)
{
    if (flag(kUsePerMonitorSettings)) {
        m_output.settings()[kUseInvertedColors] = inverted;
        refresh_color_inversion();
        return;
    }
    m_output.set_inversion_target(inverted);
    if (flag(kUseInvertedColors) == inverted)
        return;
    m_output.settings()[kUseInvertedColors] = inverted;
    const auto& fade = m_output.hooks().start_switch_state;
    if (fade) {
        fade();
        return;
    }
    refresh_color_inversion();
    reapply();
}

void ColorEffectControl::toggle_inverted_gamma()
{
    m_output.settings()[kUseInvertedColors] = !flag(kUseInvertedColors);
    refresh_color_inversion();
    reapply();
}

void ColorEffectControl::use_inverted_colors_changed(bool value)
{
    if (flag(kUseInvertedColors) == value)
        return;
    m_output.settings()[kAdvancedUseInvertedColors] = value;
    switch_inversion(value);
}
