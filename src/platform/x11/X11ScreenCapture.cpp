#include "platform/x11/X11ScreenCapture.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

QImage X11ScreenCapture::grab(const QRect& area)
{
    QScreen* screen = QGuiApplication::screenAt(area.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen || area.isEmpty())
        return QImage();
    // The root window's coordinates are the desktop's; Qt takes them relative to the screen.
    const QPoint origin = area.topLeft() - screen->geometry().topLeft();
    return screen->grabWindow(0, origin.x(), origin.y(), area.width(), area.height()).toImage();
}
