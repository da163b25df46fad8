#include "DesktopClock.h"

#include "platform/sim/SimClock.h"

#include <QFile>
#include <QJsonDocument>

namespace {
// Without a Qt platform of its own, kavoctl is on the simulated desktop unless told it is on
// X11, as Kavo's platform choice would have it.
bool on_simulated_desktop()
{
    return qEnvironmentVariable("KAVO_PLATFORM") != QLatin1String("x11");
}
} // namespace

double desktopNowMs()
{
    SimClock clock;
    QFile config(qEnvironmentVariable("KAVO_SIM_CONFIG"));
    if (on_simulated_desktop() && config.open(QIODevice::ReadOnly))
        clock.configure(QJsonDocument::fromJson(config.readAll()).object());
    return static_cast<double>(clock.nowMs());
}
