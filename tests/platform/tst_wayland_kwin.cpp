// Kavo's Wayland services on a real KWin 5.27 (kwin_wayland --virtual, headless, on a private
// session bus with its own home and runtime folder): idleness through ext-idle-notify, the
// window in front through Kavo's KWin script, and overlays and the strict break's keyboard on
// its layer shell.
#include "HeadlessKWin.h"
#include "WaylandClientProcess.h"
#include "platform/wayland/KWinActiveWindow.h"
#include "platform/wayland/LayerKeyboardGrab.h"
#include "platform/wayland/LayerMirror.h"
#include "platform/wayland/LayerShell.h"
#include "platform/wayland/ToplevelWindows.h"
#include "platform/wayland/WaylandConnection.h"
#include "platform/wayland/WaylandDisplays.h"
#include "platform/wayland/WaylandGlobals.h"
#include "platform/wayland/WaylandIdle.h"
#include "platform/wayland/WaylandOverlays.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QWidget>
#include <QtTest>

namespace {
// KWin needs a while on a loaded machine to come up.
constexpr int kKWinStartMs = 120000;
constexpr int kKWinMs = 60000;
const QString kSocket = QStringLiteral("kavo-kwin-services");
} // namespace

class TestWaylandKWin : public QObject
{
    Q_OBJECT

private:
    HeadlessKWin m_kwin{kSocket};
    QDBusConnection m_client{QString()};
    std::unique_ptr<WaylandConnection> m_connection;
    std::unique_ptr<WaylandGlobals> m_globals;

    bool scriptLoaded()
    {
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.kde.KWin"), QStringLiteral("/Scripting"),
            QStringLiteral("org.kde.kwin.Scripting"), QStringLiteral("isScriptLoaded"));
        call << QString::fromLatin1(KWinActiveWindow::kPluginName);
        const QDBusReply<bool> loaded = m_client.call(call);
        return loaded.isValid() && loaded.value();
    }

private slots:
    void initTestCase()
    {
        // Kavo's script goes to the runtime folder, as in the desktop's session.
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_kwin.path(QStringLiteral("runtime"))));
        QVERIFY2(m_kwin.prepare(), qPrintable(m_kwin.problem()));
        m_client = m_kwin.connect(QStringLiteral("kavo"));
        QVERIFY2(m_kwin.start(), qPrintable(m_kwin.problem()));
        QTRY_VERIFY_WITH_TIMEOUT(
            m_client.interface()->isServiceRegistered(QStringLiteral("org.kde.KWin")).value(),
            kKWinStartMs);
        QString problem;
        m_connection = WaylandConnection::open(&problem, m_kwin.socketPath());
        QVERIFY2(m_connection, qPrintable(problem));
        m_globals = std::make_unique<WaylandGlobals>(m_connection.get());
    }

    void cleanupTestCase()
    {
        m_globals.reset();
        m_connection.reset();
        m_kwin.stop();
    }

    void idlenessComesFromExtIdleNotify()
    {
        QVERIFY(!m_globals->offers("zwlr_foreign_toplevel_manager_v1"));
        auto idle = chooseIdleSource(*m_globals, m_client);
        QVERIFY(idle);
        QCOMPARE(idle->name(), QStringLiteral("ext-idle-notify"));
        QSignalSpy idled(idle.get(), &IdleSource::idled);
        QVERIFY(idle->start(100));
        // The virtual backend has no input devices: the seat falls quiet.
        QTRY_COMPARE_WITH_TIMEOUT(idled.count(), 1, kKWinMs);
        idle->stop();
    }

    void theScriptReportsTheWindowInFront()
    {
        ToplevelWindows windows;
        auto active = KWinActiveWindow::find(m_client, windows);
        QVERIFY(active);
        windows.setTeller([&active](bool on) { QVERIFY(active->setWatching(on)); });
        int changes = 0;
        windows.watchForeground([&changes] { ++changes; });
        QVERIFY(scriptLoaded());
        // Another finder (kavoctl, a second start) leaves the running script alone.
        ToplevelWindows elsewhere;
        QVERIFY(KWinActiveWindow::find(m_client, elsewhere));
        QVERIFY(scriptLoaded());

        WaylandClientProcess client(m_kwin.clientEnvironment(), QStringLiteral("kavo-kwin-window"));
        QVERIFY(client.says("shown"));
        QTRY_COMPARE_WITH_TIMEOUT(windows.describe(windows.foregroundWindow()).appId,
                                  QStringLiteral("kavo-kwin-window"), kKWinMs);
        QCOMPARE(windows.describe(windows.foregroundWindow()).pid, client.pid());
        QVERIFY(changes >= 1);

        client.close();
        QTRY_COMPARE_WITH_TIMEOUT(windows.foregroundWindow(), 0u, kKWinMs);

        windows.watchForeground({});
        QVERIFY(!scriptLoaded());
    }

    void overlaysAndTheKeyboardGoThroughTheLayerShell()
    {
        WaylandDisplays displays(m_connection.get());
        const auto shell = LayerShell::create(*m_globals, displays);
        QVERIFY2(shell, "KWin offers a layer shell");
        WaylandOverlays overlays(shell.get());
        QWidget overlay;
        overlay.setAttribute(Qt::WA_TranslucentBackground);
        overlay.setGeometry(displays.monitorGeometries().value(0));
        overlays.prepare(overlay);
        QSignalSpy shown(WaylandOverlays::mirrorOf(overlay), &LayerMirror::pictureShown);
        overlay.show();
        // KWin configured the surface and took its picture.
        QTRY_VERIFY_WITH_TIMEOUT(!shown.isEmpty(), kKWinMs);

        LayerKeyboardGrab grab(*shell);
        QWidget rest;
        rest.show();
        grab.grab(rest);
        QTRY_VERIFY_WITH_TIMEOUT(grab.holdsKeyboard(), kKWinMs);
        grab.release();
        QVERIFY(!grab.holdsKeyboard());
    }
};

QTEST_MAIN(TestWaylandKWin)
#include "tst_wayland_kwin.moc"
