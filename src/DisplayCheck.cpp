#include "DisplayCheck.h"

#include "platform/x11/X11DisplayProbe.h"

namespace DisplayCheck {

namespace {
// Qt takes its platform from "-platform" or QT_QPA_PLATFORM, and is built for xcb by default.
bool qt_uses_x11(const QStringList& arguments)
{
    if (arguments.contains(QLatin1String("-platform")))
        return false; // Qt's own choice, made on its own command line
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    return platform.isEmpty() || platform.startsWith("xcb");
}

// Qt waits for the X server before it paints again into an image it shares with the server:
// the tray icon, which turns on every update tick, would cost a round trip and two more
// wake-ups each time. Kavo's repaints are small, and sending them costs less than the wait.
// A value the user set is left as it is. Qt reads it once, when it connects to the server.
const char* const kNoSharedMemory = "QT_XCB_NO_MITSHM";
bool g_shared_memory_set = false;

void paint_without_shared_memory()
{
    if (qEnvironmentVariableIsSet(kNoSharedMemory))
        return;
    qputenv(kNoSharedMemory, "1");
    g_shared_memory_set = true;
}
} // namespace

void forget_painting_choice()
{
    if (g_shared_memory_set)
        qunsetenv(kNoSharedMemory);
    g_shared_memory_set = false;
}

QString prepare(const QStringList& arguments)
{
    if (!qt_uses_x11(arguments))
        return {};
    const QByteArray display = qgetenv("DISPLAY");
    if (x11DisplayAnswers(display)) {
        paint_without_shared_memory();
        return {};
    }
    const bool qt_chosen = !qgetenv("QT_QPA_PLATFORM").isEmpty();
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    // A Wayland session without Xwayland: Qt draws through the compositor itself.
    if (!wayland.isEmpty() && !qt_chosen) {
        qputenv("QT_QPA_PLATFORM", "wayland");
        return {};
    }
    if (qgetenv("KAVO_PLATFORM") == "sim" && !qt_chosen) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return {};
    }
    QString reason = display.isEmpty() ? QStringLiteral("no X display is set (DISPLAY is empty)")
                                       : QStringLiteral("the X display \"%1\" does not answer")
                                             .arg(QString::fromLocal8Bit(display));
    if (qt_chosen)
        reason += QStringLiteral(", and QT_QPA_PLATFORM asks for it");
    else
        reason += QStringLiteral(" and no Wayland display is set (WAYLAND_DISPLAY is empty)");
    return QStringLiteral("Kavo cannot start: %1. Start it inside a desktop session; to run "
                          "without a display, start it with KAVO_PLATFORM=sim.")
        .arg(reason);
}

} // namespace DisplayCheck
