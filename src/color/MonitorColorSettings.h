#pragma once

#include "settings/SettingsTable.h"

#include <QList>

// The per-monitor colour keys (day, night and sleep temperature and brightness) of monitors
// that appear while Kavo runs.
namespace MonitorColorSettings {

// Gives every monitor from 1 to `monitorCount` that has no colour keys of its own those of
// monitor 1 (or the common ones, when monitor 1 has none either), so that a monitor plugged in
// with per-monitor settings on shows the first monitor's colours instead of 0 K and 0 %.
// Returns the monitors that got them.
QList<int> adoptFirstMonitorColors(SettingsMap& settings, int monitorCount);

} // namespace MonitorColorSettings
