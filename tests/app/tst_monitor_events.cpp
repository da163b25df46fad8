// The colours follow the desktop between the update ticks: a monitor plugged in, a resume from
// suspend and an unlock put them on at once; and one tick does each piece of work once.
#include "AppFixture.h"
#include "ForwardingPlatform.h"
#include "SteppedColours.h"
#include "color/ColorOutput.h"
#include "color/ColorRamp.h"
#include "schedule/ClockPosition.h"
#include "schedule/SolarPosition.h"
#include "screens/KavoMessageBox.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

namespace {
// Monitors side by side on a desktop whose clock stands still at `localTime`, with `extra`
// keys (the session, the gamma range limit).
QByteArray desktop(int monitors, const QString& localTime, const QJsonObject& extra = {})
{
    QJsonArray list;
    for (int i = 0; i < monitors; ++i)
        list.append(QJsonObject{{"x", 1920 * i}, {"y", 0}, {"width", 1920}, {"height", 1080}});
    const qint64 at = QDateTime::fromString(localTime, Qt::ISODate).toMSecsSinceEpoch();
    QJsonObject config{{"monitors", list}, {"clock", QJsonObject{{"now", at}, {"running", false}}}};
    for (auto it = extra.begin(); it != extra.end(); ++it)
        config.insert(it.key(), it.value());
    return QJsonDocument(config).toJson();
}

const QString kNight = QStringLiteral("2026-06-10T21:30:00");
const QString kNoon = QStringLiteral("2026-06-10T12:00:00");

// The simulated displays, counting what a tick asks of them.
class CountingDisplays : public IDisplays
{
public:
    explicit CountingDisplays(IDisplays& displays) : m_displays(displays) {}

    int monitorCount() const override { return m_displays.monitorCount(); }
    QVector<QRect> monitorGeometries() const override { return m_displays.monitorGeometries(); }
    bool hasGamma(int index) const override { return m_displays.hasGamma(index); }
    MonitorIdentity monitorIdentity(int index) const override
    {
        return m_displays.monitorIdentity(index);
    }
    bool readRamp(int index, GammaRamp& ramp) const override
    {
        ++reads;
        return m_displays.readRamp(index, ramp);
    }
    bool writeRamp(int index, const GammaRamp& ramp) override
    {
        ++writes;
        if (m_depth == 0)
            ++writesOutsideUpdates;
        return m_displays.writeRamp(index, ramp);
    }
    void beginUpdate() override
    {
        if (m_depth++ == 0)
            ++updates;
        m_displays.beginUpdate();
    }
    void endUpdate() override
    {
        --m_depth;
        m_displays.endUpdate();
    }

    mutable int reads = 0;
    int writes = 0;
    int writesOutsideUpdates = 0;
    int updates = 0; // outermost ones: each makes one change of the state file

private:
    IDisplays& m_displays;
    int m_depth = 0;
};

class CountingPlatform : public ForwardingPlatform
{
public:
    explicit CountingPlatform(std::unique_ptr<SimDesktop> sim)
        : ForwardingPlatform(std::move(sim)), counting(ForwardingPlatform::displays())
    {
    }

    IDisplays& displays() override { return counting; }

    CountingDisplays counting;
};
} // namespace

class TestMonitorEvents : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        KavoMessageBox::setTestAnswer(QString("OK"));
        KavoMessageBox::testMessages().clear();
    }
    void cleanup() { KavoMessageBox::setTestAnswer(std::nullopt); }

    // With the gamma range locked, a monitor reading 0 K / 0 % used to be refused and turn
    // the gamma path off for good.
    void pluggedMonitorTakesTheFirstMonitorsColours()
    {
        const QJsonObject locked{{"gamma_range_limited", true}};
        AppFixture fixture(desktop(1, kNoon, locked));
        fixture.start(steppedSettings(
            {{"UsePerMonitorSettings", true}, {"DayTemperature1", 5800}, {"DayBrightness1", 95}}));
        App& app = fixture.app();
        app.return_colors_timeout(); // per-monitor: the schedule at once
        QCOMPARE(fixture.ramp(1, "red"), expectedRed(5800, 0.95f));

        fixture.reconfigure(desktop(2, kNoon, locked));
        QTRY_COMPARE(fixture.ramp(2, "red"), expectedRed(5800, 0.95f));
        QCOMPARE(app.settings_map().value("DayTemperature2").toInt(), 5800);
        QCOMPARE(app.settings_map().value("DayBrightness2").toInt(), 95);
        QVERIFY(!app.color_output()->is_gamma_failed());
        QVERIFY(KavoMessageBox::testMessages().isEmpty());
        QCOMPARE(app.kavo_status_text(), QString("5800K / 95% | 5800K / 95%"));
    }

    void coloursReturnAtOnce_data()
    {
        QTest::addColumn<QString>("key");
        QTest::newRow("resume from suspend") << "sleeping";
        QTest::newRow("unlock") << "locked";
    }

    // Another program (or a driver waking up) left the ramps neutral: Kavo does not wait for
    // the next tick to put its colours back.
    void coloursReturnAtOnce()
    {
        QFETCH(QString, key);
        AppFixture fixture(desktop(1, kNight));
        fixture.start(steppedSettings());
        App& app = fixture.app();
        for (int step = 0; step <= 40; ++step)
            app.return_colors_timeout();
        QCOMPARE(fixture.ramp(1, "red"), expectedRed(3400, 0.8f));

        fixture.reconfigure(desktop(1, kNight, {{"session", QJsonObject{{key, true}}}}));
        fixture.desktop().displays().writeRamp(0, GammaRamp::identity());
        fixture.reconfigure(desktop(1, kNight, {{"session", QJsonObject{{key, false}}}}));
        QTRY_COMPARE(fixture.ramp(1, "red"), expectedRed(3400, 0.8f));
    }

    void oneTickDoesEachPieceOfWorkOnce_data()
    {
        QTest::addColumn<bool>("perMonitor");
        QTest::addColumn<int>("evaluations");
        QTest::newRow("common colours") << false << 2;
        QTest::newRow("per-monitor colours") << true << 8;
    }

    void oneTickDoesEachPieceOfWorkOnce()
    {
        QFETCH(bool, perMonitor);
        QFETCH(int, evaluations);
        // The schedule services as start-up creates them.
        ClockPosition clock;
        SolarPosition solar;
        CountingPlatform* platform = nullptr;
        AppFixture fixture(desktop(4, kNight), [&](std::unique_ptr<SimDesktop> sim) {
            auto counting = std::make_unique<CountingPlatform>(std::move(sim));
            platform = counting.get();
            return counting;
        });
        fixture.start(steppedSettings({{"UsePerMonitorSettings", perMonitor}}));
        App& app = fixture.app();
        for (int step = 0; step <= 40; ++step)
            app.return_colors_timeout();

        CountingDisplays& displays = platform->counting;
        const int evaluationsBefore = clock.evaluations() + solar.evaluations();
        displays.reads = displays.writes = displays.updates = displays.writesOutsideUpdates = 0;
        QVERIFY(QMetaObject::invokeMethod(&app, "update_kavo"));
        app.kavo_status_text(); // what the page shows
        QCOMPARE(clock.evaluations() + solar.evaluations() - evaluationsBefore, evaluations);
        QCOMPARE(displays.writes, 4);
        QCOMPARE(displays.reads, 0);
        QCOMPARE(displays.writesOutsideUpdates, 0);
        QCOMPARE(displays.updates, 1);
    }

    // The process check reports the pausers' verdict every period: a verdict that is the one
    // in force writes no ramp (it used to rewrite every monitor each time).
    void aProcessCheckThatChangesNothingWritesNothing()
    {
        CountingPlatform* platform = nullptr;
        AppFixture fixture(desktop(2, kNight), [&](std::unique_ptr<SimDesktop> sim) {
            auto counting = std::make_unique<CountingPlatform>(std::move(sim));
            platform = counting.get();
            return counting;
        });
        fixture.start(steppedSettings());
        App& app = fixture.app();
        for (int step = 0; step <= 40; ++step)
            app.return_colors_timeout();
        CountingDisplays& displays = platform->counting;
        displays.writes = 0;

        app.pause_color_changes(false);
        QCOMPARE(displays.writes, 0);
        app.pause_color_changes(true); // a pauser's program came up: the colours glide away
        QVERIFY(app.is_gamma_paused());
        app.restore_colors_timeout();
        const int written = displays.writes;
        QVERIFY(written > 0);
        app.pause_color_changes(true);
        QCOMPARE(displays.writes, written);
    }
};

QTEST_MAIN(TestMonitorEvents)
#include "tst_monitor_events.moc"
