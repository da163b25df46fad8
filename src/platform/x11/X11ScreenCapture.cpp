#include "platform/x11/X11ScreenCapture.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

QImage X11ScreenCapture::grabPrimaryScreen()
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return {};
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.isEmpty())
        return {};
    // Window 0 is the desktop (root) window: everything the screen shows.
    return screens.first()->grabWindow(0).toImage();
}
