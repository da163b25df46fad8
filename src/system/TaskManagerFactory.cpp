#include "system/TaskManagerFactory.h"

#include "platform/Platform.h"
#include "system/WindowsTaskManager.h"

ITaskManager* TaskManagerFactory::create(const SettingsMap& settings, int update_interval,
                                         QObject* parent)
{
    Platform& platform = Platform::current();
    return new WindowsTaskManager(platform.windows(), platform.displays(), settings,
                                  update_interval, parent);
}
