// Kavo's Wayland services on a real wlroots compositor: Debian's sway 1.7, headless, run as an
// unprivileged user.
#include "HeadlessSway.h"
#include "platform/wayland/WaylandConnection.h"
#include "platform/wayland/WaylandGlobals.h"
#include "platform/wayland/WaylandIdle.h"

#include <QDBusConnection>
#include <QtTest>

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
};

QTEST_GUILESS_MAIN(TestWaylandSway)
#include "tst_wayland_sway.moc"
