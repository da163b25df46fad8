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
    static int s_othersErrors;

    static int countOthersError(Display*, XErrorEvent*)
    {
        ++s_othersErrors;
        return 0;
    }

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

    // A ramp sent without waiting: its error, read later, sets its flag and ends nothing; an
    // error of another request still goes to the handler that was there before.
    void aLateErrorSetsItsFlag()
    {
        const XErrorHandler before = XSetErrorHandler(&countOthersError);
        bool failed = false;
        X11LateErrors::expect(m_display, NextRequest(m_display), &failed);
        setGammaOfGoneCrtc();
        XSync(m_display, False);
        QVERIFY(failed);
        QCOMPARE(s_othersErrors, 0);

        bool untouched = false;
        X11LateErrors::expect(m_display, NextRequest(m_display), &untouched);
        XSync(m_display, False);
        setGammaOfGoneCrtc();
        XSync(m_display, False);
        QVERIFY(!untouched);
        QCOMPARE(s_othersErrors, 1);
        X11LateErrors::forget(&failed);
        X11LateErrors::forget(&untouched);
        XSetErrorHandler(before);
    }
};

int TestX11ErrorTrap::s_othersErrors = 0;

QTEST_MAIN(TestX11ErrorTrap)
#include "tst_x11_error_trap.moc"
