#include "schedule/TransitionTimeline.h"

#include <algorithm>

double Transition::factorAt(double t) const
{
    const double from = rising ? 0.0 : 1.0;
    const double to = rising ? 1.0 : 0.0;
    if (t >= end)
        return to;
    if (t <= begin)
        return from;
    const double progress = (begin - t) / (begin - end);
    return rising ? progress : 1.0 - progress;
}

TransitionTimeline::TransitionTimeline(std::vector<Transition> transitions, double outside)
    : m_outside(outside)
{
    std::stable_sort(transitions.begin(), transitions.end(),
                     [](const Transition& a, const Transition& b) { return a.event < b.event; });
    // Two in a row of the same direction (a sunset that moved past midnight, say) count once.
    for (const Transition& transition : transitions) {
        if (m_transitions.empty() || m_transitions.back().rising != transition.rising)
            m_transitions.push_back(transition);
    }
}

// Each stretch between a rising transition and the falling one after it is a bump: the lower
// of the two ramps. The factor is the highest bump, so overlapping ramps meet where they cross.
double TransitionTimeline::factorAt(double t) const
{
    if (m_transitions.empty())
        return m_outside;
    double factor = 0.0;
    const size_t count = m_transitions.size();
    size_t i = 0;
    if (!m_transitions.front().rising) {
        factor = m_transitions.front().factorAt(t); // the stretch before the window began
        i = 1;
    }
    for (; i < count; i += 2) {
        const double rise = m_transitions[i].factorAt(t);
        const double fall = i + 1 < count ? m_transitions[i + 1].factorAt(t) : 1.0;
        factor = std::max(factor, std::min(rise, fall));
    }
    return factor;
}

bool TransitionTimeline::risingAt(double t) const
{
    if (m_transitions.empty())
        return m_outside >= 0.5;
    for (auto it = m_transitions.rbegin(); it != m_transitions.rend(); ++it) {
        if (it->hasBegun(t))
            return it->rising;
    }
    return !m_transitions.front().rising;
}
