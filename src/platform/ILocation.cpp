#include "platform/ILocation.h"

#include <cmath>

bool GeoPosition::isValid() const
{
    return std::isfinite(latitude) && std::isfinite(longitude) && std::fabs(latitude) <= 90.0 &&
           std::fabs(longitude) <= 180.0;
}
