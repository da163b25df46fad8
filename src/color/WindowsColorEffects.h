#pragma once

#include "color/IColorEffects.h"
#include "platform/IDisplays.h"

#include <functional>

class MagnificationApi;

// Colour effects through the magnification service. Without a full-screen colour effect the
// only effect left is the inverted gamma ramp, which the controller's inversion carries.
class WindowsColorEffects : public IColorEffects
{
public:
    struct Inversion
    {
        std::function<void()> invert_colors;
        std::function<void()> revert_colors;
    };

    // `magnification` may be null: the desktop then has no magnification service.
    WindowsColorEffects(MagnificationApi* magnification, IDisplays& displays, Inversion inversion);

    int set_effect(int effect) override;
    int reset() override;
    void apply_matrix(const ColorMatrix& matrix, QList<int> ignored, int monitor_number) override;

private:
    bool has_fullscreen_color_effect() const;
    void apply_per_monitor(const ColorMatrix& matrix, const QList<int>& ignored,
                           int monitor_number);

    MagnificationApi* m_magnification;
    IDisplays& m_displays;
    Inversion m_inversion;
    bool m_inverted_as_effect = false;
};
