// The X11 screen as the screen-content sensors see it, on a private Xvfb whose root window
// the test paints with xsetroot.
#include "XvfbServer.h"
#include "platform/x11/X11ScreenCapture.h"
#include "sensors/ScreenLuminance.h"
#include "sensors/SmartInversion.h"

#include <QApplication>
#include <QProcess>
#include <QtTest>

#include <cstdio>

namespace {
bool paint_root(const QString& colour)
{
    QProcess xsetroot;
    xsetroot.start(QStringLiteral("xsetroot"), {QStringLiteral("-solid"), colour});
    return xsetroot.waitForFinished(10000) && xsetroot.exitCode() == 0;
}
} // namespace

class TestScreenCaptureX11 : public QObject
{
    Q_OBJECT

private slots:
    void theSensorsSeeWhatTheScreenShows_data()
    {
        QTest::addColumn<QString>("colour");
        QTest::addColumn<double>("mean");
        QTest::addColumn<bool>("inverted");
        QTest::newRow("white") << "#ffffff" << 255.0 << true;
        QTest::newRow("grey 200") << "#c8c8c8" << 200.0 << true;
        QTest::newRow("grey 128") << "#808080" << 128.0 << false;
        QTest::newRow("black") << "#000000" << 0.0 << false;
    }

    void theSensorsSeeWhatTheScreenShows()
    {
        QFETCH(QString, colour);
        QFETCH(double, mean);
        QFETCH(bool, inverted);
        QVERIFY2(paint_root(colour), "xsetroot is installed by scripts/install-deps.sh");
        X11ScreenCapture capture;
        const QImage screen = capture.grabPrimaryScreen();
        QCOMPARE(screen.size(), QSize(640, 480));
        QCOMPARE(ScreenLuminance::mean_luminance(screen), mean);

        SettingsMap settings;
        int refreshed = 0;
        SmartInversion sensor(settings, capture, [&refreshed] { ++refreshed; });
        sensor.update(true);
        QCOMPARE(settings.value(QStringLiteral("UseInvertedColors")).toBool(), inverted);
        QCOMPARE(refreshed, 1);
    }
};

// The X server comes first: the application connects to it as it starts.
int main(int argc, char** argv)
{
    XvfbServer xvfb;
    if (!xvfb.start(QStringLiteral("640x480x24"))) {
        std::fprintf(stderr, "Xvfb did not start (scripts/install-deps.sh installs it)\n");
        return 1;
    }
    qputenv("DISPLAY", xvfb.display().toLatin1());
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb"));
    QApplication application(argc, argv);
    TestScreenCaptureX11 test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_screen_capture_x11.moc"
