// Strict rests on a real X server with a window manager (Xvfb and openbox): the rest window
// takes the whole keyboard, so keys typed during the rest reach no other window; the keyboard
// is back when the rest ends, and when Kavo is killed in the middle of one.
#include "XvfbServer.h"

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <X11/Xlib.h>

#include <csignal>
#include <memory>

namespace {
// One X server with openbox, a window that reports its keys, and a Kavo in strict mode.
class StrictDesktop
{
public:
    ~StrictDesktop()
    {
        for (QProcess* process : {m_kavo.get(), &m_witness, &m_openbox}) {
            if (process && process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished(10000);
            }
        }
    }

    bool start()
    {
        if (!m_xvfb.start(QStringLiteral("1024x768x24")))
            return false;
        m_environment = QProcessEnvironment::systemEnvironment();
        m_environment.insert("DISPLAY", m_xvfb.display());
        m_environment.insert("QT_QPA_PLATFORM", "xcb");
        m_environment.remove("KAVO_PLATFORM");
        m_openbox.setProcessEnvironment(m_environment);
        m_openbox.start("openbox", {"--sm-disable"});
        if (!m_openbox.waitForStarted(10000) || !waitForWindowManager())
            return false;
        // A window mapped while openbox is still starting may never be managed: the witness
        // comes once openbox runs the desktop.
        m_witness.setProcessEnvironment(m_environment);
        m_witness.start(KEY_WITNESS_BINARY, QStringList());
        return m_witness.waitForStarted(10000);
    }

    bool waitForWindowManager()
    {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 60000) {
            QProcess probe;
            probe.setProcessEnvironment(m_environment);
            probe.start("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"});
            probe.waitForFinished(10000);
            if (probe.readAllStandardOutput().contains("window id"))
                return true;
            QTest::qWait(100);
        }
        return false;
    }

    // Kavo with a strict rest every minute, keyboard blocking on, rests of `rest_seconds`.
    void launchKavo(int rest_seconds)
    {
        QSettings settings(m_dir.filePath("settings/kavo_settings.ini"), QSettings::IniFormat);
        settings.setValue("SaveVersion", "6");
        settings.setValue("TimerType", 3);
        settings.setValue("TimerPaused", false);
        settings.setValue("WorkTime", 1);
        settings.setValue("RestTime", rest_seconds);
        settings.setValue("UseKeyboardBlocking", true);
        settings.setValue("RestScreenType", 1);
        settings.sync();
        QProcessEnvironment environment = m_environment;
        environment.insert("KAVO_SETTINGS_DIR", m_dir.filePath("settings"));
        environment.insert("XDG_CONFIG_HOME", m_dir.filePath("config"));
        environment.insert("XDG_RUNTIME_DIR", m_dir.path());
        m_kavo = std::make_unique<QProcess>();
        m_kavo->setProcessEnvironment(environment);
        m_kavo->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_kavo->start(KAVO_BINARY, QStringList());
    }

    QProcess& kavo() { return *m_kavo; }

    QString xdotool(const QStringList& arguments)
    {
        QProcess tool;
        tool.setProcessEnvironment(m_environment);
        tool.start("xdotool", arguments);
        if (!tool.waitForFinished(20000) || tool.exitCode() != 0)
            m_lastToolError = arguments.join(' ') + ": " + tool.errorString() + " " +
                              QString::fromLocal8Bit(tool.readAllStandardError()).trimmed();
        return QString::fromLatin1(tool.readAllStandardOutput()).trimmed();
    }

    // Gives the witness the focus; false while no window manager answers yet.
    bool focusWitness()
    {
        const QString window = xdotool({"search", "--onlyvisible", "--name", "^Key witness$"});
        if (window.isEmpty() || window.contains('\n'))
            return false;
        // Asked without waiting: the next look tells whether the window manager obliged.
        xdotool({"windowactivate", window});
        return xdotool({"getactivewindow"}) == window;
    }

    // What the window manager shows, for a failure message.
    QString focusReport()
    {
        QString report = "active: " + xdotool({"getactivewindow"}) + " (" + m_lastToolError + ")";
        report += "; windows: " + xdotool({"search", "--name", "."}).replace('\n', ' ') + " (" +
                  m_lastToolError + ")";
        return report + "; display " + m_xvfb.display() + "; openbox " +
               (m_openbox.state() == QProcess::Running ? "runs" : "ended") + ": " +
               QString::fromLocal8Bit(m_openbox.readAllStandardError()).right(600) +
               QString::fromLocal8Bit(m_openbox.readAllStandardOutput()).right(300) + "; witness " +
               (m_witness.state() == QProcess::Running ? "runs" : "ended") + ": " +
               QString::fromLocal8Bit(m_witness.readAllStandardError()).right(300);
    }

    // Types through the X server, as a keyboard would.
    void type(const QString& text) { xdotool({"type", "--delay", "40", text}); }

    QString keysSeen()
    {
        m_seen += QString::fromLatin1(m_witness.readAllStandardOutput());
        return m_seen;
    }

    bool restWindowShown()
    {
        return !xdotool({"search", "--onlyvisible", "--name", "^Rest screen$"}).isEmpty();
    }

    // The rest window's size as the X server has it.
    QString restWindowSize()
    {
        const QString window = xdotool({"search", "--onlyvisible", "--name", "^Rest screen$"});
        for (const QString& line : xdotool({"getwindowgeometry", window}).split('\n')) {
            if (line.trimmed().startsWith("Geometry: "))
                return line.trimmed().mid(10);
        }
        return {};
    }

    // Whether another client holds the keyboard: our own grab is refused then.
    bool keyboardHeld()
    {
        Display* display = XOpenDisplay(qPrintable(m_xvfb.display()));
        if (!display)
            return false;
        const int result = XGrabKeyboard(display, DefaultRootWindow(display), False, GrabModeAsync,
                                         GrabModeAsync, CurrentTime);
        if (result == GrabSuccess)
            XUngrabKeyboard(display, CurrentTime);
        XCloseDisplay(display);
        return result == AlreadyGrabbed;
    }

private:
    XvfbServer m_xvfb;
    QProcessEnvironment m_environment;
    QProcess m_openbox;
    QProcess m_witness;
    std::unique_ptr<QProcess> m_kavo;
    QTemporaryDir m_dir;
    QString m_seen;
    QString m_lastToolError;
};
} // namespace

class TestRestX11 : public QObject
{
    Q_OBJECT

private slots:
    void strictRestsHoldTheKeyboardAndGiveItBack()
    {
        // Two desktops side by side, so both rests come after the same minute of work.
        StrictDesktop ending;
        StrictDesktop killed;
        QVERIFY2(ending.start() && killed.start(),
                 "Xvfb, openbox and xdotool come from scripts/install-deps.sh");
        for (StrictDesktop* desktop : {&ending, &killed}) {
            QTRY_VERIFY2_WITH_TIMEOUT(desktop->focusWitness(), qPrintable(desktop->focusReport()),
                                      60000);
            desktop->type("a");
            QTRY_VERIFY_WITH_TIMEOUT(desktop->keysSeen().contains("key a"), 10000);
        }
        ending.launchKavo(10);
        killed.launchKavo(600);

        // During the rest the keys go nowhere.
        for (StrictDesktop* desktop : {&ending, &killed}) {
            QTRY_VERIFY_WITH_TIMEOUT(desktop->restWindowShown(), 150000);
            QTRY_VERIFY_WITH_TIMEOUT(desktop->keyboardHeld(), 20000);
            desktop->type("b");
        }

        // A full-screen window on the one monitor.
        QTRY_COMPARE_WITH_TIMEOUT(ending.restWindowSize(), QStringLiteral("1024x768"), 10000);

        // Killed in the middle of a rest: the X server gives the keyboard back.
        ::kill(static_cast<pid_t>(killed.kavo().processId()), SIGKILL);
        QVERIFY(killed.kavo().waitForFinished(20000));
        QTRY_VERIFY_WITH_TIMEOUT(!killed.keyboardHeld(), 20000);
        QTRY_VERIFY2_WITH_TIMEOUT(killed.focusWitness(), qPrintable(killed.focusReport()), 60000);
        killed.type("c");
        QTRY_VERIFY_WITH_TIMEOUT(killed.keysSeen().contains("key c"), 10000);
        QVERIFY2(!killed.keysSeen().contains("key b"), qPrintable(killed.keysSeen()));

        // The rest ends: the keyboard is free again, and Kavo runs on.
        QTRY_VERIFY_WITH_TIMEOUT(!ending.restWindowShown(), 60000);
        QTRY_VERIFY_WITH_TIMEOUT(!ending.keyboardHeld(), 20000);
        QTRY_VERIFY2_WITH_TIMEOUT(ending.focusWitness(), qPrintable(ending.focusReport()), 60000);
        ending.type("c");
        QTRY_VERIFY_WITH_TIMEOUT(ending.keysSeen().contains("key c"), 10000);
        QVERIFY2(!ending.keysSeen().contains("key b"), qPrintable(ending.keysSeen()));
        QCOMPARE(ending.kavo().state(), QProcess::Running);
        ending.kavo().terminate();
        QVERIFY(ending.kavo().waitForFinished(20000));
        QCOMPARE(ending.kavo().exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestRestX11)
#include "tst_rest_x11.moc"
