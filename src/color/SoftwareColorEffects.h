#pragma once

#include "color/ChannelCurves.h"
#include "color/IColorEffects.h"

#include <functional>
#include <memory>

class DummyScreenEffects;

// Colour effects where the desktop has no magnification service. An effect that works on each
// channel alone (the inversions, the washouts) goes live into the gamma ramps as curves; any
// other (grey scales, sepia, colour-vision filters, saturation) is shown by the software screen
// effects window, on a picture of the screen while the user is idle.
class SoftwareColorEffects : public IColorEffects
{
public:
    // `set_curves` hands the ramps' curves on (the identity when there is no live effect).
    explicit SoftwareColorEffects(std::function<void(const ChannelCurves&)> set_curves);
    ~SoftwareColorEffects() override;

    int set_effect(int effect) override;
    int reset() override;
    // The same matrix on every monitor: the ramps skip ignored monitors themselves.
    void apply_matrix(const ColorMatrix& matrix, QList<int> ignored, int monitor_number) override;

    // Whether `effect` shows live (through the ramps) rather than while the user is idle.
    static bool is_live(int effect);

    DummyScreenEffects* window() const { return m_window.get(); }

private:
    void show(const ColorMatrix& matrix);
    void reset_window();
    DummyScreenEffects& software_window();

    std::function<void(const ChannelCurves&)> m_set_curves;
    std::unique_ptr<DummyScreenEffects> m_window;
};
