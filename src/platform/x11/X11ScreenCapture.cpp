#include "platform/x11/X11ScreenCapture.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

namespace {
bool has_screens()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance())
        && !QGuiApplication::screens().isEmpty();
}
} // namespace

QImage X11ScreenCapture::grab(const QRect& area)
{
    if (!has_screens() || area.isEmpty())
        return {};
    QScreen* screen = QGuiApplication::screenAt(area.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    // The root window's coordinates are the desktop's; Qt takes them relative to the screen.
    const QPoint origin = area.topLeft() - screen->geometry().topLeft();
    return screen->grabWindow(0, origin.x(), origin.y(), area.width(), area.height()).toImage();
}

QImage X11ScreenCapture::grabPrimaryScreen()
{
    if (!has_screens())
        return {};
    // Window 0 is the desktop (root) window: everything the screen shows.
    return QGuiApplication::screens().first()->grabWindow(0).toImage();
}
