// The X11 displays on a real X server: what a tick costs in X requests, and a CRTC switched off
// and on again (a monitor unplugged and plugged in) seen through RandR's events.
#include "XvfbServer.h"
#include "color/ColorRamp.h"

#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

#include "platform/x11/X11Displays.h"

#include <X11/Xlib.h>

class TestX11Displays : public QObject
{
    Q_OBJECT

private:
    XvfbServer m_xvfb;
    Display* m_display = nullptr;

    void xrandr(const QStringList& arguments)
    {
        QProcess process;
        process.start("xrandr", QStringList{"--display", m_xvfb.display()} + arguments);
        QVERIFY(process.waitForFinished(10000));
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_xvfb.start("800x600x24"), "Xvfb is installed by scripts/install-deps.sh");
        m_display = XOpenDisplay(m_xvfb.display().toLatin1().constData());
        QVERIFY(m_display);
    }

    void cleanupTestCase()
    {
        if (m_display)
            XCloseDisplay(m_display);
    }

    // What one update tick asks of the displays for one monitor: the count (several times),
    // the geometry, whether it has gamma, and its ramp. Only the ramp goes to the server, and
    // Kavo does not wait for it.
    void aTickCostsOneRequestAndItsCheck()
    {
        X11Displays displays(m_display);
        GammaRamp ramp = ColorRamp::computingIdentity();
        ColorRamp().apply(ramp, RampSettings{4000, 1, 1, 1, 0.9f});
        QVERIFY(displays.writeRamp(0, ramp)); // the first write also reads the CRTC's own ramp

        const unsigned long before = NextRequest(m_display);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(displays.monitorCount(), 1);
        QCOMPARE(displays.monitorGeometries().value(0), QRect(0, 0, 800, 600));
        QVERIFY(displays.hasGamma(0));
        QVERIFY(displays.writeRamp(0, ramp));
        QCOMPARE(NextRequest(m_display) - before, 1ul);
        QVERIFY(LastKnownRequestProcessed(m_display) < before);

        // Whatever the server says about the ramp written arrives before the answer to a
        // round trip: it is no reason to list the CRTCs again.
        XSync(m_display, False);
        const unsigned long afterSync = NextRequest(m_display);
        QCOMPARE(displays.monitorCount(), 1);
        QCOMPARE(NextRequest(m_display) - afterSync, 0ul);
        displays.restoreOriginalRamps();
    }

    void unpluggedAndPluggedMonitorsAreAnnounced()
    {
        X11Displays displays(m_display);
        QCOMPARE(displays.monitorCount(), 1);
        QSignalSpy changed(&displays.events(), &DisplayEvents::monitorsChanged);
        GammaRamp ramp = GammaRamp::identity();
        QVERIFY(displays.writeRamp(0, ramp)); // Kavo's own writes are no change

        xrandr({"--output", "screen", "--off"});
        QTRY_COMPARE(changed.count(), 1);
        QCOMPARE(displays.monitorCount(), 0);
        QVERIFY(!displays.writeRamp(0, ramp));

        xrandr({"--output", "screen", "--auto"});
        QTRY_COMPARE(changed.count(), 2);
        QCOMPARE(displays.monitorCount(), 1);
        QVERIFY(displays.writeRamp(0, ramp));
        displays.restoreOriginalRamps();
    }
};

QTEST_GUILESS_MAIN(TestX11Displays)
#include "tst_x11_displays.moc"
