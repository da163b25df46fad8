#include "color/SoftwareColorEffects.h"

#include "color/EffectMatrices.h"
#include "screens/DummyScreenEffects.h"

namespace {
constexpr int kGrayscale = 2;
constexpr int kNegativeGrayscale = 5;
} // namespace

SoftwareColorEffects::SoftwareColorEffects(std::function<void(const ChannelCurves&)> set_curves)
    : m_set_curves(std::move(set_curves))
{
}

SoftwareColorEffects::~SoftwareColorEffects() = default;

bool SoftwareColorEffects::is_live(int effect)
{
    ChannelCurves curves;
    return ChannelCurves::from_matrix(EffectMatrices::matrix(effect), curves);
}

DummyScreenEffects& SoftwareColorEffects::software_window()
{
    if (!m_window)
        m_window = std::make_unique<DummyScreenEffects>();
    return *m_window;
}

int SoftwareColorEffects::set_effect(int effect)
{
    show(EffectMatrices::matrix(effect));
    return 0;
}

int SoftwareColorEffects::reset()
{
    if (m_set_curves)
        m_set_curves(ChannelCurves());
    reset_window();
    return 0;
}

void SoftwareColorEffects::reset_window()
{
    if (!m_window)
        return;
    m_window->set_invert(false);
    m_window->set_grey(false);
    m_window->set_matrix(std::nullopt);
}

void SoftwareColorEffects::apply_matrix(const ColorMatrix& matrix, QList<int>, int)
{
    show(matrix);
}

void SoftwareColorEffects::show(const ColorMatrix& matrix)
{
    ChannelCurves curves;
    const bool live = ChannelCurves::from_matrix(matrix, curves);
    if (m_set_curves)
        m_set_curves(live ? curves : ChannelCurves());
    if (live) {
        reset_window();
        return;
    }
    DummyScreenEffects& window = software_window();
    // The window's own grey scale and negative grey scale; any other effect as its matrix.
    const bool grey = matrix == EffectMatrices::matrix(kGrayscale);
    const bool negative_grey = matrix == EffectMatrices::matrix(kNegativeGrayscale);
    window.set_invert(negative_grey);
    window.set_grey(grey || negative_grey);
    window.set_matrix(grey || negative_grey ? std::nullopt : std::optional<ColorMatrix>(matrix));
}
