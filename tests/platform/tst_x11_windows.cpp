// The window in front on a real X server: Kavo follows the window manager's announcements
// (_NET_ACTIVE_WINDOW) and the window's own events instead of asking on every update tick.
#include "XvfbServer.h"

#include <QtTest>

#include "platform/x11/X11EventSource.h"
#include "platform/x11/X11Windows.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

class TestX11Windows : public QObject
{
    Q_OBJECT

private:
    XvfbServer m_xvfb;
    Display* m_kavo = nullptr;
    // The connection that plays the window manager and its programs.
    Display* m_desktop = nullptr;

    Window createWindow(int width, int height)
    {
        const Window window = XCreateSimpleWindow(m_desktop, DefaultRootWindow(m_desktop), 0, 0,
                                                  width, height, 0, 0, 0);
        XFlush(m_desktop);
        return window;
    }

    void announceActive(Window window)
    {
        const Atom active = XInternAtom(m_desktop, "_NET_ACTIVE_WINDOW", False);
        XChangeProperty(m_desktop, DefaultRootWindow(m_desktop), active, XA_WINDOW, 32,
                        PropModeReplace, reinterpret_cast<unsigned char*>(&window), 1);
        XFlush(m_desktop);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_xvfb.start("800x600x24"), "Xvfb is installed by scripts/install-deps.sh");
        m_kavo = XOpenDisplay(m_xvfb.display().toLatin1().constData());
        m_desktop = XOpenDisplay(m_xvfb.display().toLatin1().constData());
        QVERIFY(m_kavo && m_desktop);
    }

    void cleanupTestCase()
    {
        for (Display* display : {m_kavo, m_desktop}) {
            if (display)
                XCloseDisplay(display);
        }
    }

    void theFrontFollowsActivationsAndChangesWithoutATick()
    {
        const Window first = createWindow(300, 200);
        const Window second = createWindow(400, 300);
        announceActive(first);
        X11EventSource events(m_kavo);
        X11Windows windows(m_kavo, events);
        int reports = 0;
        windows.watchForeground([&reports] { ++reports; });
        QCOMPARE(windows.foregroundWindow(), quint64(first));

        announceActive(second);
        QTRY_VERIFY(reports > 0);
        // Known from the announcement: asking for it costs no request.
        const unsigned long before = NextRequest(m_kavo);
        QCOMPARE(windows.foregroundWindow(), quint64(second));
        QCOMPARE(NextRequest(m_kavo), before);

        QCOMPARE(windows.describe(second).geometry.size(), QSize(400, 300));
        const unsigned long described = NextRequest(m_kavo);
        QCOMPARE(windows.describe(second).geometry.size(), QSize(400, 300));
        QCOMPARE(NextRequest(m_kavo), described);

        // The window in front resized (going full screen, say) is read afresh.
        reports = 0;
        XResizeWindow(m_desktop, second, 800, 600);
        XFlush(m_desktop);
        QTRY_VERIFY(reports > 0);
        QCOMPARE(windows.describe(second).geometry.size(), QSize(800, 600));

        // So is a window that is no longer in front, on every call.
        XResizeWindow(m_desktop, first, 100, 100);
        XSync(m_desktop, False);
        QCOMPARE(windows.describe(first).geometry.size(), QSize(100, 100));

        // A window manager that keeps _NET_ACTIVE_WINDOW removes it when no window is active:
        // then none is in front, whichever has the keyboard focus.
        const Atom supported = XInternAtom(m_desktop, "_NET_SUPPORTED", False);
        Atom activeAtom = XInternAtom(m_desktop, "_NET_ACTIVE_WINDOW", False);
        XChangeProperty(m_desktop, DefaultRootWindow(m_desktop), supported, XA_ATOM, 32,
                        PropModeReplace, reinterpret_cast<unsigned char*>(&activeAtom), 1);
        XDeleteProperty(m_desktop, DefaultRootWindow(m_desktop), activeAtom);
        XFlush(m_desktop);
        QTRY_COMPARE(windows.foregroundWindow(), quint64(0));
        const unsigned long none = NextRequest(m_kavo);
        QCOMPARE(windows.foregroundWindow(), quint64(0));
        QCOMPARE(windows.describe(0).exists, false);
        QCOMPARE(NextRequest(m_kavo), none);
        windows.watchForeground({});
    }
};

QTEST_GUILESS_MAIN(TestX11Windows)
#include "tst_x11_windows.moc"
