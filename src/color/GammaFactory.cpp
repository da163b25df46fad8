#include "color/GammaFactory.h"

#include "color/WindowsGamma.h"
#include "platform/Platform.h"

std::unique_ptr<IGamma> GammaFactory::create()
{
    return std::make_unique<WindowsGamma>(Platform::current().displays());
}
