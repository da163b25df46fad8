#pragma once

#include <vector>

// One linear change of a factor between 0 and 1 on the continuous timeline (instants are
// seconds since the epoch): from `begin` to `end`, towards 1 when `rising` (night, sleep), else
// towards 0. `event` is the instant that orders it among the others (the clock time it ends
// at, or the sunrise or sunset it is centred on).
struct Transition
{
    double begin = 0.0;
    double end = 0.0;
    double event = 0.0;
    bool rising = true;

    // The factor this transition alone gives at `t`: its start value before it begins, its
    // end value from its end on.
    double factorAt(double t) const;
    bool hasBegun(double t) const { return begin < t || end <= t; }
};

// The transitions of a few days in a row, rising and falling in turn, as one continuous factor.
// Where two neighbours overlap, the first is cut short where it meets the second, so the
// factor never jumps and never moves faster than the steeper of the two.
class TransitionTimeline
{
public:
    // `outside` is the factor when there are no transitions at all (a polar day or night).
    TransitionTimeline() = default;
    TransitionTimeline(std::vector<Transition> transitions, double outside);

    double factorAt(double t) const;

    // Whether the transition in force at `t` (the last one that has begun) rises; with none
    // begun yet, the opposite of the first one's direction.
    bool risingAt(double t) const;

    const std::vector<Transition>& transitions() const { return m_transitions; }

private:
    std::vector<Transition> m_transitions;
    double m_outside = 0.0;
};
