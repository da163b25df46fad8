#pragma once

// System-wide user interface parameters (font smoothing, mouse trails), set by their numbers.
class ISystemParameters
{
public:
    // The parameter numbers Kavo sets.
    enum Parameter
    {
        kFontSmoothing = 75,
        kMouseTrails = 93,
        kFontSmoothingType = 8203,
    };

    virtual ~ISystemParameters() = default;

    // Sets `parameter` to `value` for this session only; false when the desktop cannot.
    virtual bool set(int parameter, int value) = 0;

    // Tells every top-level window of the session that system parameters changed, skipping
    // windows that do not answer within a second.
    virtual void broadcastChange() = 0;
};
