#include "color/GammaFactory.h"

#include "color/NightLightGamma.h"
#include "color/WindowsGamma.h"
#include "platform/Platform.h"

std::unique_ptr<IGamma> GammaFactory::create(CalibrationReader read_calibration)
{
    Platform& platform = Platform::current();
    if (INightLight* light = platform.nightLight())
        return std::make_unique<NightLightGamma>(*light, platform.displays());
    return std::make_unique<WindowsGamma>(platform.displays(), std::move(read_calibration));
}
