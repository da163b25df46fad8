#pragma once

#include <QString>

// A desktop's own night light (and the backlight beside it), which carries Kavo's colour
// temperature and brightness where the compositor takes no gamma ramps from other programs.
// The user's own night light and backlight settings are recorded before the first change and
// put back by restore(), or after a crash by the next start.
class INightLight
{
public:
    virtual ~INightLight() = default;

    // The route's name as `kavoctl status` gives it: "kwin-night-colour" or "gnome-night-light".
    virtual QString route() const = 0;

    // Why the route cannot carry colours on this desktop (a part of Kavo that cannot be
    // loaded); empty when it can.
    virtual QString unavailableReason() const { return {}; }

    // Shows `kelvin` (6500 K and above: no tint); false when the desktop refused it.
    virtual bool setTemperature(int kelvin) = 0;

    // Whether the desktop offers a backlight that setBrightness() can drive.
    virtual bool hasBrightness() const = 0;

    // Sets the backlight to `percent` (1..100) of its range; false when there is none or it
    // refused.
    virtual bool setBrightness(int percent) = 0;

    // Puts back the user's own settings, as recorded before Kavo's first change.
    virtual void restore() = 0;
};
