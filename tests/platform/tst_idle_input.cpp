// Idleness where the desktop only says whether the user is there (Wayland): the input service
// built on it, and GNOME's idle monitor against a stand-in on a private bus.
#include "PrivateBus.h"
#include "platform/linux/IdleInput.h"
#include "platform/linux/MutterIdleMonitor.h"

#include <QDBusConnection>
#include <QtTest>

namespace {
// An idle source the test drives.
class ScriptedIdle : public IdleSource
{
public:
    bool refuse = false;
    int starts = 0;
    int stops = 0;
    int quietMs = 0;
    bool running = false;

    QString name() const override { return QStringLiteral("scripted"); }
    bool start(int quiet) override
    {
        ++starts;
        quietMs = quiet;
        running = !refuse;
        return !refuse;
    }
    void stop() override
    {
        ++stops;
        running = false;
    }
    void goQuiet() { emit idled(); }
    void comeBack() { emit resumed(); }
};

// GNOME's idle monitor as a test plays it: numbered watches, and WatchFired when the test says.
class FakeMutterIdle : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.gnome.Mutter.IdleMonitor")

public:
    QStringList calls() const { return m_calls; }

public slots:
    uint AddIdleWatch(qulonglong interval)
    {
        return record(QStringLiteral("idle %1").arg(interval));
    }
    uint AddUserActiveWatch() { return record(QStringLiteral("active")); }
    void RemoveWatch(uint id) { m_calls.append(QStringLiteral("remove %1").arg(id)); }

signals:
    void WatchFired(uint id);

private:
    uint record(const QString& call)
    {
        m_calls.append(call + QStringLiteral(" -> %1").arg(m_next));
        return m_next++;
    }

    QStringList m_calls;
    uint m_next = 1;
};

struct Reports
{
    int keys = 0;
    int moves = 0;
};

void listen(IdleInput& input, Reports& reports)
{
    input.setKeyListener([&reports](const InputEvent& event) {
        if (event.type == InputEvent::KeyDown)
            ++reports.keys;
    });
    input.setMouseListener([&reports](const InputEvent& event) {
        if (event.type == InputEvent::MouseMove)
            ++reports.moves;
    });
}
} // namespace

class TestIdleInput : public QObject
{
    Q_OBJECT

private slots:
    void watchesReportTheUserComingBack_data()
    {
        QTest::addColumn<bool>("keys");
        QTest::addColumn<bool>("mouse");
        QTest::addColumn<int>("keyReports");
        QTest::addColumn<int>("moveReports");
        QTest::newRow("keys") << true << false << 1 << 0;
        QTest::newRow("mouse") << false << true << 0 << 1;
        QTest::newRow("both") << true << true << 1 << 1;
        QTest::newRow("neither") << false << false << 0 << 0;
    }

    void watchesReportTheUserComingBack()
    {
        QFETCH(bool, keys);
        QFETCH(bool, mouse);
        auto owned = std::make_unique<ScriptedIdle>();
        ScriptedIdle& source = *owned;
        IdleInput input(std::move(owned));
        Reports reports;
        listen(input, reports);

        QVERIFY(input.watchKeys(keys));
        QVERIFY(input.watchMouse(mouse));
        QCOMPARE(source.running, keys || mouse);
        // Only the first watch starts the source.
        QCOMPARE(source.starts, keys || mouse ? 1 : 0);
        if (source.running)
            QCOMPARE(source.quietMs, IdleInput::kQuietMs);

        source.goQuiet();
        source.comeBack();
        QFETCH(int, keyReports);
        QFETCH(int, moveReports);
        QCOMPARE(reports.keys, keyReports);
        QCOMPARE(reports.moves, moveReports);

        // The last watch off stops the source: it costs nothing while unwatched.
        input.watchKeys(false);
        input.watchMouse(false);
        QVERIFY(!source.running);
        source.comeBack();
        QCOMPARE(reports.keys, keyReports);
        QCOMPARE(reports.moves, moveReports);
    }

    void aBusyUserIsReportedAgainWhenKavoWakes()
    {
        auto owned = std::make_unique<ScriptedIdle>();
        ScriptedIdle& source = *owned;
        IdleInput input(std::move(owned));
        Reports reports;
        listen(input, reports);
        QVERIFY(input.watchKeys(true));
        source.goQuiet();
        source.comeBack();
        QCOMPARE(reports.keys, 1);
        // No quiet second followed: every later wake-up (here the test's own event loop) tells
        // once per report interval that the user is still there.
        QTRY_VERIFY(reports.keys >= 2);
    }

    void watchingIsRefusedWithoutAnAccountOfIdleness()
    {
        IdleInput none(nullptr);
        QVERIFY(!none.watchKeys(true));
        QVERIFY(!none.watchMouse(true));
        QVERIFY(none.watchKeys(false));
        QVERIFY(none.sourceName().isEmpty());

        auto refusing = std::make_unique<ScriptedIdle>();
        refusing->refuse = true;
        IdleInput refused(std::move(refusing));
        QVERIFY(!refused.watchMouse(true));
        QCOMPARE(refused.sourceName(), QStringLiteral("scripted"));
    }

    void noSyntheticInputAndNoGrabs()
    {
        IdleInput input(std::make_unique<ScriptedIdle>());
        QVERIFY(!input.leftClick());
        QVERIFY(!input.grabPointer(true));
        QVERIFY(!input.blockZoomKeys(true));
        QVERIFY(input.grabPointer(false));
    }

    void mutterIdleMonitorTellsQuietAndReturn()
    {
        PrivateBus bus;
        QVERIFY2(bus.start(), "dbus-daemon is installed by scripts/install-deps.sh");
        QDBusConnection kavo = bus.connect(QStringLiteral("kavo"));
        QVERIFY(!MutterIdleMonitor::find(kavo));

        auto* mutter = new FakeMutterIdle;
        QDBusConnection shell = bus.connect(QStringLiteral("mutter"));
        QVERIFY(shell.registerObject(QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core"), mutter,
                                     QDBusConnection::ExportAllSlots |
                                         QDBusConnection::ExportAllSignals));
        QVERIFY(shell.registerService(QStringLiteral("org.gnome.Mutter.IdleMonitor")));

        auto monitor = MutterIdleMonitor::find(kavo);
        QVERIFY(monitor);
        QSignalSpy idled(monitor.get(), &IdleSource::idled);
        QSignalSpy resumed(monitor.get(), &IdleSource::resumed);
        QVERIFY(monitor->start(1000));
        QTRY_COMPARE(mutter->calls(), QStringList{QStringLiteral("idle 1000 -> 1")});

        emit mutter->WatchFired(7); // someone else's watch
        emit mutter->WatchFired(1);
        QTRY_COMPARE(idled.count(), 1);
        QTRY_COMPARE(mutter->calls().last(), QStringLiteral("active -> 2"));
        emit mutter->WatchFired(2);
        QTRY_COMPARE(resumed.count(), 1);
        QCOMPARE(idled.count(), 1);

        // Quiet again: a new user-active watch, since Mutter dropped the fired one.
        emit mutter->WatchFired(1);
        QTRY_COMPARE(idled.count(), 2);
        QTRY_COMPARE(mutter->calls().last(), QStringLiteral("active -> 3"));

        monitor->stop();
        QTRY_VERIFY(mutter->calls().contains(QStringLiteral("remove 1")));
        QTRY_VERIFY(mutter->calls().contains(QStringLiteral("remove 3")));
        emit mutter->WatchFired(3);
        QCoreApplication::processEvents();
        QCOMPARE(resumed.count(), 1);

        // Stopped before Mutter answered: the watch Mutter made then is removed at once.
        QVERIFY(monitor->start(500));
        monitor->stop();
        QTRY_VERIFY(mutter->calls().contains(QStringLiteral("remove 4")));
        shell.unregisterObject(QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core"));
        delete mutter;
    }
};

QTEST_MAIN(TestIdleInput)
#include "tst_idle_input.moc"
