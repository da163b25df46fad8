#include "color/WindowsColorEffects.h"

#include "color/MagnificationApi.h"

WindowsColorEffects::WindowsColorEffects(MagnificationApi* magnification, IDisplays& displays,
                                         Inversion inversion)
    : m_magnification(magnification), m_displays(displays), m_inversion(std::move(inversion))
{
}

bool WindowsColorEffects::has_fullscreen_color_effect() const
{
    return m_magnification && m_magnification->has_fullscreen_color_effect();
}

int WindowsColorEffects::set_effect(int effect)
{
    if (has_fullscreen_color_effect()) {
        ColorMatrix matrix;
        effect_matrix(matrix, effect);
        m_magnification->set_fullscreen_color_effect(matrix);
    } else if (m_inversion.invert_colors) {
        m_inversion.invert_colors();
        m_inverted_as_effect = true;
    }
    return 0;
}

int WindowsColorEffects::reset()
{
    if (m_magnification)
        m_magnification->destroy_all_windows();
    if (has_fullscreen_color_effect()) {
        m_magnification->set_fullscreen_color_effect(ColorMatrix::identity());
    } else if (m_inverted_as_effect) {
        // Only an inversion this object turned on is taken back: the user's own inverted
        // colours stay as they are.
        m_inverted_as_effect = false;
        if (m_inversion.revert_colors)
            m_inversion.revert_colors();
    }
    return 0;
}

void WindowsColorEffects::apply_matrix(const ColorMatrix& matrix, QList<int> ignored,
                                       int monitor_number)
{
    if (!m_magnification)
        return;
    if (!ignored.isEmpty() || monitor_number != 0) {
        apply_per_monitor(matrix, ignored, monitor_number);
        return;
    }
    m_magnification->destroy_all_windows();
    m_magnification->set_fullscreen_color_effect(matrix);
}

void WindowsColorEffects::apply_per_monitor(const ColorMatrix& matrix, const QList<int>& ignored,
                                            int monitor_number)
{
    m_magnification->set_fullscreen_color_effect(ColorMatrix::identity());
    const int count = m_displays.monitorCount();
    for (int i = 0; i < count; ++i) {
        const int number = i + 1;
        if (monitor_number != 0 && monitor_number != number)
            continue;
        if (ignored.contains(number))
            m_magnification->destroy_monitor_window(i);
        else
            m_magnification->set_monitor_color_effect(i, matrix);
    }
}
