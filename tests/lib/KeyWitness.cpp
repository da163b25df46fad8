// A window that reports each key it receives: "key <text>" on standard output. Tests type
// with xdotool and read what arrived.
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <cstdio>

class KeyWitness : public QWidget
{
protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        std::printf("key %s\n", qPrintable(event->text()));
        std::fflush(stdout);
    }
};

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    KeyWitness window;
    window.setWindowTitle(QStringLiteral("Key witness"));
    window.resize(300, 200);
    window.show();
    return application.exec();
}
