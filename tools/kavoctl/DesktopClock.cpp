#include "DesktopClock.h"

#include "KavoLog.h"
#include "platform/Platform.h"

double desktopNowMs()
{
    kavo_log().set_enabled(false);
    const double now = static_cast<double>(Platform::current().clock().nowMs());
    kavo_log().set_enabled(true);
    return now;
}
