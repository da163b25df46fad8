// Kavo's tray icon in a process of its own, for the tray tests: the icon with a tooltip and a
// context menu whose first entry is "Settings", shown until the process is ended. Prints
// "available" or "unavailable" once the icon is shown, and one line for each activation the
// tray reports ("double-click", "middle-click", "trigger", "context").
#include "platform/linux/QtTray.h"

#include <QApplication>
#include <QIcon>
#include <QMenu>
#include <QPixmap>
#include <QTextStream>

namespace {
const char* name(ITray::Activation reason)
{
    switch (reason) {
    case ITray::Activation::DoubleClick:
        return "double-click";
    case ITray::Activation::MiddleClick:
        return "middle-click";
    case ITray::Activation::Trigger:
        return "trigger";
    case ITray::Activation::Context:
        return "context";
    }
    return "?";
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kavo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kavo"));
    QTextStream out(stdout);
    QMenu menu;
    menu.addAction(QStringLiteral("Settings"));
    menu.addSeparator();
    menu.addAction(QStringLiteral("Exit"));
    QPixmap green(22, 22);
    green.fill(Qt::green);

    QtTray tray;
    tray.setActivationHandler([&out](ITray::Activation reason) {
        out << name(reason) << '\n';
        out.flush();
    });
    tray.setIcon(QIcon(green), QStringLiteral(":/images/kavo_green.png"));
    tray.setToolTip(QStringLiteral("4500 K, 80 %"));
    tray.setMenu(&menu);
    tray.setVisible(true);
    out << (tray.isAvailable() ? "available" : "unavailable") << '\n';
    out.flush();
    return app.exec();
}
