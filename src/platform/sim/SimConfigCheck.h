#pragma once

#include <QJsonObject>
#include <QString>

// The simulated desktop's config is input like any other: what would make the desktop
// impossible (coordinates a screen rectangle cannot hold, more monitors than a desktop has)
// makes the whole config bad, to be reported and ignored.
namespace SimConfigCheck {

constexpr int kMaxMonitors = 16;
constexpr int kMaxCoordinate = 32767;

// Why `config` cannot describe a desktop; empty when it can.
QString problem(const QJsonObject& config);

} // namespace SimConfigCheck
