#pragma once

#include "platform/GammaRamp.h"

#include <QJsonObject>
#include <QJsonValue>

// A gamma ramp as JSON: {"red": [256 levels], "green": [...], "blue": [...]}.
namespace GammaRampJson {
QJsonObject toJson(const GammaRamp& ramp);
// False when `json` is not three arrays of 256 levels 0..65535.
bool fromJson(const QJsonValue& json, GammaRamp& ramp);
} // namespace GammaRampJson
