// A plain window for the Wayland tests, shown through Qt's wayland platform: its app_id and
// state from the command line, and a line on standard output for every key, click and change
// of focus it gets.
//   kavo_wayland_client --app-id NAME [--fullscreen]
#include <QCommandLineParser>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QRasterWindow>

#include <cstdio>

namespace {
void say(const QByteArray& line)
{
    std::fputs(line.constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

class Witness : public QRasterWindow
{
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter(this).fillRect(QRect(QPoint(), size()), Qt::white);
    }
    void keyPressEvent(QKeyEvent* event) override { say("key " + event->text().toUtf8()); }
    void mousePressEvent(QMouseEvent* event) override
    {
        say("click " + QByteArray::number(event->pos().x()) + ' ' +
            QByteArray::number(event->pos().y()));
    }
    void focusInEvent(QFocusEvent*) override { say("focus in"); }
    void focusOutEvent(QFocusEvent*) override { say("focus out"); }
    void exposeEvent(QExposeEvent* event) override
    {
        QRasterWindow::exposeEvent(event);
        if (isExposed() && !m_shown) {
            m_shown = true;
            say("shown");
        }
    }

private:
    bool m_shown = false;
};
} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption appId(QStringLiteral("app-id"), QStringLiteral("app_id"),
                                   QStringLiteral("name"), QStringLiteral("kavo-test-client"));
    const QCommandLineOption fullScreen(QStringLiteral("fullscreen"), QStringLiteral("full"));
    parser.addOptions({appId, fullScreen});
    parser.process(app);
    // Qt's wayland platform sends the desktop file name as the app_id.
    QGuiApplication::setDesktopFileName(parser.value(appId));
    Witness window;
    window.setTitle(parser.value(appId));
    window.resize(200, 150);
    if (parser.isSet(fullScreen))
        window.showFullScreen();
    else
        window.show();
    return app.exec();
}
