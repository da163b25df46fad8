// The least a Qt tray program does: an icon with a menu in the notification area, and the
// event loop. Kavo's windowless idle cost is measured beside it.
#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QSystemTrayIcon>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter(&pixmap).fillRect(4, 4, 24, 24, QColor(0x2e, 0x9d, 0x57));
    QMenu menu;
    menu.addAction(QStringLiteral("Quit"), &application, &QApplication::quit);
    QSystemTrayIcon tray{QIcon(pixmap)};
    tray.setContextMenu(&menu);
    tray.setToolTip(QStringLiteral("bare tray"));
    tray.show();
    return application.exec();
}
