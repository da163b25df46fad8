// Kavo's Wayland services on a real wlroots compositor: Debian's sway 1.7, headless, run as an
// unprivileged user.
#include "HeadlessSway.h"
#include "WaylandClientProcess.h"
#include "platform/wayland/ToplevelWindows.h"
#include "platform/wayland/WaylandConnection.h"
#include "platform/wayland/WaylandDisplays.h"
#include "platform/wayland/WaylandGlobals.h"
#include "platform/wayland/WaylandIdle.h"
#include "platform/wayland/WlrToplevels.h"
#include "system/WindowsTaskManager.h"

#include <QDBusConnection>
#include <QProcess>
#include <QtTest>

namespace {
constexpr int kClientMs = 60000;
} // namespace

class TestWaylandSway : public QObject
{
    Q_OBJECT

private:
    HeadlessSway m_sway;
    std::unique_ptr<WaylandConnection> m_connection;
    std::unique_ptr<WaylandGlobals> m_globals;

private slots:
    void initTestCase()
    {
        QVERIFY2(m_sway.start(), qPrintable(m_sway.problem()));
        QString problem;
        m_connection = WaylandConnection::open(&problem, m_sway.socket());
        QVERIFY2(m_connection, qPrintable(problem));
        m_globals = std::make_unique<WaylandGlobals>(m_connection.get());
    }

    void cleanupTestCase()
    {
        m_globals.reset();
        m_connection.reset();
    }

    void idlenessComesFromKdeIdle()
    {
        QVERIFY(!m_globals->offers("ext_idle_notifier_v1")); // sway 1.7 has only the older one
        auto idle = chooseIdleSource(*m_globals, QDBusConnection(QString()));
        QVERIFY(idle);
        QCOMPARE(idle->name(), QStringLiteral("kde-idle"));
        QSignalSpy idled(idle.get(), &IdleSource::idled);
        QSignalSpy resumed(idle.get(), &IdleSource::resumed);
        QVERIFY(idle->start(100));
        // Headless sway has no input devices: the seat falls quiet.
        QTRY_COMPARE_WITH_TIMEOUT(idled.count(), 1, 30000);
        QVERIFY(!m_sway.swaymsg({QStringLiteral("seat seat0 cursor move 5 5")}).isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(resumed.count(), 1, 30000);
        idle->stop();
    }

    void windowsComeFromTheForeignToplevelList()
    {
        ToplevelWindows windows;
        auto toplevels = WlrToplevels::create(*m_globals, windows);
        QVERIFY(toplevels);
        windows.setTeller([&toplevels](bool on) { toplevels->setWatching(on); });
        int changes = 0;
        windows.watchForeground([&changes] { ++changes; });

        WaylandClientProcess client(m_sway.clientEnvironment(), QStringLiteral("kavo-window-test"));
        QVERIFY(client.says("shown"));
        QTRY_VERIFY_WITH_TIMEOUT(windows.foregroundWindow() != 0, kClientMs);
        const quint64 front = windows.foregroundWindow();
        WindowInfo info = windows.describe(front);
        QCOMPARE(info.appId, QStringLiteral("kavo-window-test"));
        QCOMPARE(info.pid, 0); // the protocol names no process
        QVERIFY(!info.fullScreenState);
        QVERIFY(changes >= 1);

        const int before = changes;
        QVERIFY(!m_sway.swaymsg({QStringLiteral("[app_id=kavo-window-test] fullscreen enable")})
                     .isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(windows.describe(front).fullScreenState, kClientMs);
        QVERIFY(changes > before);

        client.close();
        QTRY_VERIFY_WITH_TIMEOUT(windows.topLevelWindows().isEmpty(), kClientMs);
        QCOMPARE(windows.foregroundWindow(), 0u);

        // Unwatched, the list is let go and nothing is known.
        windows.watchForeground({});
        QVERIFY(!windows.describe(front).exists);
    }

    void aPauserNamedByAppIdPausesWhileItsWindowIsOpen()
    {
        ToplevelWindows windows;
        auto toplevels = WlrToplevels::create(*m_globals, windows);
        windows.setTeller([&toplevels](bool on) { toplevels->setWatching(on); });
        WaylandDisplays displays(m_connection.get());
        const SettingsMap settings{{QStringLiteral("UseColorPausers"), true},
                                   {QStringLiteral("ColorPausers"), QStringLiteral("kavo-pauser")}};
        WindowsTaskManager manager(windows, displays, settings, 10000);
        QSignalSpy checked(&manager, &ITaskManager::pausers_checked);
        QSignalSpy names(&manager, &ITaskManager::current_active_process_changed);

        WaylandClientProcess client(m_sway.clientEnvironment(), QStringLiteral("kavo-pauser"));
        QVERIFY(client.says("shown"));
        // The window coming to the front is a check of its own.
        QTRY_VERIFY_WITH_TIMEOUT(!checked.isEmpty() && checked.last().at(0).toBool(), kClientMs);
        QVERIFY(names.contains({QStringLiteral("kavo-pauser")}));

        client.close();
        QTRY_VERIFY_WITH_TIMEOUT(!checked.last().at(0).toBool(), kClientMs);
    }
};

QTEST_GUILESS_MAIN(TestWaylandSway)
#include "tst_wayland_sway.moc"
