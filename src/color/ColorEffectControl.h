#pragma once

#include <QString>

class ColorOutput;

// The controller's colour effect, saturation and inversion operations, applied through the
// colour output.
class ColorEffectControl
{
public:
    explicit ColorEffectControl(ColorOutput& output);

    // With gamma ramps carrying the colours: puts the effect and saturation on the screen.
    void refresh_color_effects();

    void color_effect_changed(int value);
    void use_color_effects_changed(bool value);
    void saturation_changed(int value);
    void use_saturation_changed(bool value);

    // Hands UseInvertedColors to the gamma device.
    void refresh_color_inversion();
    void invert_colors();
    void revert_colors();
    void toggle_inverted_gamma();
    void use_inverted_colors_changed(bool value);
    bool use_inverted_colors() const;

private:
    void switch_inversion(bool inverted);
    void reapply();
    bool flag(const QString& key) const;
    int number(const QString& key) const;

    ColorOutput& m_output;
};
