#include "XvfbServer.h"

#include <QtTest>

#include "platform/x11/X11ErrorTrap.h"

#include <X11/extensions/Xrandr.h>

// A gamma request for a CRTC that is gone (a monitor unplugged between a look-up and a write)
// gives an X error; Xlib's default handler would end the test process here.
class TestX11ErrorTrap : public QObject
{
    Q_OBJECT

private:
    XvfbServer m_xvfb;
    Display* m_display = nullptr;
    static constexpr RRCrtc kGoneCrtc = 0x7ffffff;

    void setGammaOfGoneCrtc()
    {
        XRRCrtcGamma* gamma = XRRAllocGamma(256);
        XRRSetCrtcGamma(m_display, kGoneCrtc, gamma);
        XRRFreeGamma(gamma);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_xvfb.start("640x480x24"), "Xvfb is installed by scripts/install-deps.sh");
        m_display = XOpenDisplay(m_xvfb.display().toLatin1().constData());
        QVERIFY(m_display);
    }

    void cleanupTestCase()
    {
        if (m_display)
            XCloseDisplay(m_display);
    }

    void failedRequestsAreReportedToTheirOwnTrap()
    {
        X11ErrorTrap outer(m_display);
        {
            X11ErrorTrap inner(m_display);
            setGammaOfGoneCrtc();
            QVERIFY(inner.failed());
        }
        QVERIFY(!outer.failed());
        QCOMPARE(XRRGetCrtcGammaSize(m_display, kGoneCrtc), 0);
        QVERIFY(outer.failed());
    }

    void aTrapIsCleanAfterAnotherFailed()
    {
        {
            X11ErrorTrap earlier(m_display);
            setGammaOfGoneCrtc();
        }
        X11ErrorTrap trap(m_display);
        XSync(m_display, False);
        QVERIFY(!trap.failed());
    }
};

QTEST_MAIN(TestX11ErrorTrap)
#include "tst_x11_error_trap.moc"
