#pragma once

// A colour temperature (kelvin) and brightness (percent) pair.
struct ColorPoint
{
    float temperature = 6500.0f;
    float brightness = 100.0f;

    bool operator==(const ColorPoint& other) const
    {
        return temperature == other.temperature && brightness == other.brightness;
    }
};

// One stepped glide of temperature and brightness towards a target. Each channel moves by its
// own increment per step and stops moving once it has passed its target.
class ColorGlide
{
public:
    // Starts at `from`, heading for `to` in `steps` equal steps (at least 1).
    void start(ColorPoint from, ColorPoint to, int steps);

    // Starts at `from` with increments that take `origin` to `to` in `steps` steps.
    void start_from(ColorPoint from, ColorPoint origin, ColorPoint to, int steps);

    void stop();

    // Advances one step; false once both channels have passed their targets.
    bool step();

    bool running() const { return m_running; }
    ColorPoint current() const { return m_current; }
    ColorPoint target() const { return m_target; }
    ColorPoint increment() const { return m_increment; }

private:
    static float advance(float& value, float& increment, float target);

    bool m_running = false;
    ColorPoint m_current;
    ColorPoint m_target;
    ColorPoint m_increment{0.0f, 0.0f};
};
