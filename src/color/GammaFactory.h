#pragma once

#include "color/IGamma.h"

#include <memory>

// Creates the gamma device of the current platform.
class GammaFactory
{
public:
    static std::unique_ptr<IGamma> create();
};
