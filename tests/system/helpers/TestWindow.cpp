// A plain window for the desktop tests: "kavo_test_window <title> [colour]", filled with the
// colour when one is given (a name or #rrggbb). It prints "shown <window id>" once it is on the
// screen and "press" for every mouse press, and takes commands on standard input:
// "fullscreen", "normal", "quit".
#include <QApplication>
#include <QSocketNotifier>
#include <QWidget>

#include <cstdio>
#include <unistd.h>

namespace {
void say(const QByteArray& line)
{
    std::fputs(line.constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

class TestWindow : public QWidget
{
protected:
    void mousePressEvent(QMouseEvent*) override { say("press"); }
};
} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    TestWindow window;
    window.setWindowTitle(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("test"));
    if (argc > 2) {
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, QColor(QString::fromLocal8Bit(argv[2])));
        window.setPalette(palette);
        window.setAutoFillBackground(true);
    }
    window.resize(320, 240);
    window.show();
    say("shown " + QByteArray::number(static_cast<qulonglong>(window.winId())));

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&window, &input] {
        char buffer[256];
        const ssize_t length = ::read(STDIN_FILENO, buffer, sizeof(buffer) - 1);
        if (length <= 0) {
            input.setEnabled(false);
            return;
        }
        const QByteArray command = QByteArray(buffer, static_cast<int>(length)).trimmed();
        if (command == "fullscreen")
            window.showFullScreen();
        else if (command == "normal")
            window.showNormal();
        else if (command == "quit")
            QApplication::quit();
    });
    return application.exec();
}
