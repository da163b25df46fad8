#pragma once

#include "system/ITaskManager.h"

// Creates the process monitor of the current platform.
class TaskManagerFactory
{
public:
    static ITaskManager* create(const SettingsMap& settings, int update_interval, QObject* parent);
};
