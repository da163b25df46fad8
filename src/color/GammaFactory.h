#pragma once

#include "color/IGamma.h"
#include "platform/GammaRamp.h"

#include <functional>
#include <memory>

// Creates the gamma device of the current platform: its desktop's night light where it has
// one instead of gamma ramps, else the monitors' ramps.
class GammaFactory
{
public:
    // Reads monitor `index`'s own ramp into `ramp`; false when it cannot be read.
    using CalibrationReader = std::function<bool(int index, GammaRamp& ramp)>;

    // `read_calibration` says what each monitor's own ramp is (by default: what it shows).
    static std::unique_ptr<IGamma> create(CalibrationReader read_calibration = {});
};
