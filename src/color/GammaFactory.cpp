#include "color/GammaFactory.h"

#include "color/WindowsGamma.h"
#include "platform/Platform.h"

std::unique_ptr<IGamma> GammaFactory::create(CalibrationReader read_calibration)
{
    return std::make_unique<WindowsGamma>(Platform::current().displays(),
                                          std::move(read_calibration));
}
