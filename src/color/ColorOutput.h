#pragma once

#include "color/ColorRamp.h"
#include "color/IColorEffects.h"
#include "color/IGamma.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QVariantMap>

#include <functional>
#include <memory>

class CalibrationKeeper;
class ColorEffectControl;

// What the colour output asks of the controller that owns it. Unset hooks do nothing.
struct ColorOutputHooks
{
    std::function<void(const QString& title, const QString& message)> show_message_box;
    std::function<void()> bring_to_front;
    std::function<int()> update_gamma;
    std::function<bool()> is_gamma_paused;
    // Starts the fade through the dark point that switches the inversion on the way.
    std::function<void()> start_switch_state;
    std::function<bool()> is_switch_state_running;
};

// Puts colours on the screen: through the monitors' gamma ramps when they can carry them,
// else through the magnification colour matrix. Owns the gamma device and the colour effects,
// remembers what it applied last, and repairs the gamma range when ramps are refused.
class ColorOutput : public QObject
{
    Q_OBJECT

public:
    ColorOutput(QVariantMap& settings, const QList<int>& ignored_monitors, ColorOutputHooks hooks,
                QObject* parent = nullptr);
    ~ColorOutput() override;

    // Start-up: the user's own night light settings back where a Kavo left its own, the
    // monitors' calibration put in safe keeping (where ramps outlast Kavo), the
    // gamma device and the colour effects, then the colour scheme, the leading colour and
    // gamma preservation from the settings, each applied at once.
    void start();
    // Quitting: every monitor gets its own colours back, whatever happens next.
    void shut_down();
    // The desktop's night light, where colours go through it, gets the user's own settings
    // back: at exit, and at start when a Kavo that did not end normally left its own there.
    void restore_night_light();
    // Start-up: whether strong ramps are accepted; registers the URL scheme when they are
    // and it is missing.
    void check_gamma_range();

    // Shows `settings` on `monitor_number` (0: all). Colours no screen can show (a
    // temperature below 0, a brightness below 5 %) are not applied: -1 and one log line.
    int apply_colors(RampSettings settings, int monitor_number);

    void fix_gamma() { m_fix_gamma_requested = true; }
    int refresh_color_fixer();
    int read_gamma_registry();
    int reset_gamma();
    void restore_gamma();
    int reset_colors();

    void refresh_preserve_gamma();
    void refresh_color_scheme();
    void refresh_leading_color();

    void use_gamma_fixer_changed(bool value);
    void preserve_gamma_changed(bool value);
    void use_low_level_color_api_changed(bool value);
    void color_scheme_changed(int value);
    void leading_color_changed(int value);

    // Forgets what was applied last, so that the next apply_colors rebuilds everything.
    void invalidate_cache();
    void invalidate_cached_effect();

    // Gamma ramps carry the colours: the low-level API is on and ramps have not been refused
    // (or the range is unlocked).
    bool uses_gamma_ramps() const;

    IGamma* gamma();
    IColorEffects* effects() { return m_effects.get(); }
    ColorEffectControl& effect_control() { return *m_effect_control; }
    bool is_gamma_failed() const { return m_gamma_failed; }
    bool is_gamma_range_unlocked() const { return m_gamma_range_unlocked; }
    const QList<int>& ignored_monitors() const { return m_ignored_monitors; }
    QVariantMap& settings() { return m_settings; }
    const ColorOutputHooks& hooks() const { return m_hooks; }
    int update_gamma();

    // What the gamma ramps show besides the colours: a colour effect that works on each channel
    // alone, and an overlay's layer where no window can be blended (the layer acts first). The
    // overlay's layer is put on the screen at once.
    void set_effect_curves(const ChannelCurves& curves);
    void set_overlay_curves(const ChannelCurves& curves);

    // Inversion wanted at the dark point of a running switch-state fade.
    void set_inversion_target(bool inverted) { m_inversion_target = inverted; }
    bool inversion_target() const { return m_inversion_target; }

private:
    struct AppliedColors
    {
        int temperature = -1;
        float brightness = -1.0f;
        int effect = -1;
        int saturation = -1;
        bool operator==(const AppliedColors& other) const;
    };

    void keep_calibration();
    bool is_showable(const RampSettings& settings, int monitor_number);
    void create_gamma();
    void create_effects();
    int apply_ramps(const RampSettings& settings, int monitor_number);
    void repair_gamma_range();
    void apply_matrix(const RampSettings& settings, int monitor_number);
    AppliedColors current_colors(const RampSettings& settings) const;
    bool flag(const QString& key) const;
    int number(const QString& key) const;

    QVariantMap& m_settings;
    const QList<int>& m_ignored_monitors;
    ColorOutputHooks m_hooks;
    std::unique_ptr<CalibrationKeeper> m_calibration; // where ramps outlast Kavo
    std::unique_ptr<IGamma> m_gamma;
    std::unique_ptr<IColorEffects> m_effects;
    std::unique_ptr<ColorEffectControl> m_effect_control;
    QHash<int, AppliedColors> m_applied; // by monitor number
    QSet<int> m_unshowable;              // monitors last given colours they cannot show
    bool m_gamma_failed = false;
    bool m_gamma_range_unlocked = false;
    bool m_fix_gamma_requested = false;
    bool m_inversion_target = false;
    bool m_applying = false;
    ChannelCurves m_effect_curves;
    ChannelCurves m_overlay_curves;
};
