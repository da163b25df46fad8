#include "ColorTestDesktop.h"

#include "color/CalibrationKeeper.h"
#include "color/CalibrationRecord.h"
#include "color/ColorOutput.h"
#include "platform/FileLock.h"
#include "platform/sim/SimDisplays.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// A calibration-like ramp, different for every `seed`.
GammaRamp calibration(int seed)
{
    GammaRamp ramp;
    for (int i = 0; i < GammaRamp::kSize; ++i) {
        ramp.red[i] = quint16(i * 250 + seed);
        ramp.green[i] = quint16(i * 240 + seed);
        ramp.blue[i] = quint16(i * 230 + seed);
    }
    return ramp;
}

GammaRamp tinted(GammaRamp ramp)
{
    ColorRamp().apply(ramp, RampSettings{3000, 1.0f, 1.0f, 1.0f, 0.8f});
    return ramp;
}

GammaRamp shifted(GammaRamp ramp, int by)
{
    ramp.green[100] = quint16(ramp.green[100] + by);
    return ramp;
}

// Simulated monitors "SIM-1", "SIM-2", ... showing `ramps`.
void show(SimDisplays& displays, const QVector<GammaRamp>& ramps)
{
    QJsonArray monitors;
    for (int i = 0; i < ramps.size(); ++i)
        monitors.append(QJsonObject{{"x", 1920 * i}, {"ramp", SimDisplays::rampToJson(ramps[i])}});
    displays.configure({{"monitors", monitors}});
}

GammaRamp shownBy(const SimDisplays& displays, int index)
{
    GammaRamp ramp;
    displays.readRamp(index, ramp);
    return ramp;
}
} // namespace

// The calibration record, the marker and the keeper that decides between what the monitors
// show and what the record says.
class TestCalibration : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString recordPath() const { return m_dir.filePath("calibration"); }
    QString markerPath() const { return m_dir.filePath("running"); }

    void writeRecord(const MonitorIdentity& identity, const GammaRamp& ramp) const
    {
        CalibrationRecord record;
        record.insert(identity, ramp);
        QVERIFY(record.save(recordPath()));
    }

    // A desktop whose ramps outlast Kavo, as X11's do, with monitors showing `ramps`.
    static QJsonObject lastingDesktop(const QVector<GammaRamp>& ramps)
    {
        return {{"capabilities", QJsonObject{{"lasting_gamma_ramps", true}}},
                {"monitors", ColorTestDesktop::monitors(ramps.size(), ramps)}};
    }

    QVariantMap m_settings{{"UseLowLevelColorApi", true}, {"PreserveGamma", true},
                           {"UseGammaFixer", false},      {"ColorScheme", 1},
                           {"LeadingColor", 1},           {"Saturation", 100}};
    QList<int> m_ignored;

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName("Velmora");
        QCoreApplication::setApplicationName("Kavo");
        qputenv("XDG_RUNTIME_DIR", m_dir.path().toUtf8());
        QCOMPARE(CalibrationRecord::default_path(), m_dir.filePath("VelmoraKavo.calibration"));
    }

    void cleanup()
    {
        QFile::remove(recordPath());
        QFile::remove(markerPath());
        QFile::remove(CalibrationRecord::default_path());
        QFile::remove(CalibrationRecord::default_marker_path());
    }

    void recordKeepsMonitorsByConnectorAndEdid()
    {
        const MonitorIdentity laptop{"eDP-1", {}};
        const MonitorIdentity external{"DP-2", QByteArray::fromHex("00ffffffffffff0010ac")};
        CalibrationRecord record;
        record.insert(laptop, calibration(1));
        record.insert(external, calibration(2));
        record.insert(laptop, calibration(3)); // replaces the first
        QVERIFY(record.save(recordPath()));

        CalibrationRecord loaded;
        QVERIFY(loaded.load(recordPath()));
        QCOMPARE(loaded.entries().size(), 2);
        QCOMPARE(*loaded.find(laptop), calibration(3));
        QCOMPARE(*loaded.find(external), calibration(2));
        // Another display on the same connector is another monitor.
        QVERIFY(!loaded.find({"DP-2", QByteArray::fromHex("00ffffffffffff0010ad")}));
    }

    void damagedRecordsAreSkipped_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("readable");
        const auto record = [](const QJsonObject& monitor) {
            return QJsonDocument(QJsonObject{{"monitors", QJsonArray{monitor}}})
                .toJson(QJsonDocument::Compact);
        };
        QJsonObject whole = SimDisplays::rampToJson(calibration(1));
        whole.insert("output", "A");
        QJsonObject high = whole;
        QJsonArray red = high["red"].toArray();
        red[1] = 70000;
        high["red"] = red;
        QJsonObject unnamed = whole;
        unnamed.remove("output");

        QTest::newRow("not JSON") << QByteArray("{\"monitors\": [") << false;
        QTest::newRow("short channel") << record({{"output", "A"},
                                                  {"red", QJsonArray{1}},
                                                  {"green", QJsonArray{1}},
                                                  {"blue", QJsonArray{1}}})
                                       << true;
        QTest::newRow("no output") << record(unnamed) << true;
        QTest::newRow("level above 65535") << record(high) << true;
    }

    void damagedRecordsAreSkipped()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, readable);
        QFile file(recordPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        CalibrationRecord record;
        QCOMPARE(record.load(recordPath()), readable);
        QVERIFY(record.isEmpty());
    }

    void markerTellsWhetherItsHolderIsThere()
    {
        FileLock kavo(markerPath());
        QVERIFY(kavo.tryLock());
        QVERIFY(!kavo.existedBefore());

        FileLock other(markerPath());
        QVERIFY(!other.tryLock(50));
        QVERIFY(other.heldElsewhere());

        kavo.unlock(); // as when Kavo dies: the file stays, the lock goes
        QVERIFY(other.tryLock());
        QVERIFY(other.existedBefore());
        other.removeAndUnlock();
        QVERIFY(!QFile::exists(markerPath()));

        FileLock nowhere(m_dir.filePath("missing/running"));
        QVERIFY(!nowhere.tryLock());
        QVERIFY(!nowhere.heldElsewhere());
    }

    // What the monitor shows is a tint; the record holds another ramp. Which one counts as the
    // calibration depends on the marker.
    void startDecidesWhereTheCalibrationComesFrom_data()
    {
        QTest::addColumn<QString>("marker");
        QTest::addColumn<bool>("recorded");
        QTest::addColumn<int>("start");
        QTest::addColumn<bool>("fromRecord");
        using Start = CalibrationKeeper::Start;
        QTest::newRow("clean, first start") << "none" << false << int(Start::Clean) << false;
        QTest::newRow("clean, record of an earlier run")
            << "none" << true << int(Start::Clean) << false;
        QTest::newRow("marker left behind") << "left" << true << int(Start::AfterCrash) << true;
        QTest::newRow("marker left, no record")
            << "left" << false << int(Start::AfterCrash) << false;
        QTest::newRow("marker held by a running Kavo")
            << "held" << true << int(Start::Shared) << true;
    }

    void startDecidesWhereTheCalibrationComesFrom()
    {
        QFETCH(QString, marker);
        QFETCH(bool, recorded);
        QFETCH(int, start);
        QFETCH(bool, fromRecord);
        SimDisplays displays;
        show(displays, {calibration(7)});
        if (recorded)
            writeRecord(displays.monitorIdentity(0), calibration(1));
        FileLock holder(markerPath());
        if (marker != "none")
            QVERIFY(holder.tryLock());
        if (marker == "left")
            holder.unlock();

        CalibrationKeeper keeper(displays, recordPath(), markerPath());
        QCOMPARE(int(keeper.begin(0)), start);
        GammaRamp ramp;
        QVERIFY(keeper.calibration(0, ramp));
        QCOMPARE(ramp, fromRecord ? calibration(1) : calibration(7));

        CalibrationRecord saved;
        saved.load(recordPath());
        QCOMPARE(*saved.find(displays.monitorIdentity(0)), ramp);
    }

    void resamplingNoiseKeepsTheRecordedCalibration_data()
    {
        QTest::addColumn<int>("difference");
        QTest::addColumn<bool>("keptRecord");
        QTest::newRow("same") << 0 << true;
        QTest::newRow("one unit") << 1 << true;
        QTest::newRow("two units") << 2 << true;
        QTest::newRow("three units") << 3 << false;
        QTest::newRow("another calibration") << 900 << false;
    }

    void resamplingNoiseKeepsTheRecordedCalibration()
    {
        QFETCH(int, difference);
        QFETCH(bool, keptRecord);
        SimDisplays displays;
        show(displays, {shifted(calibration(1), difference)});
        writeRecord(displays.monitorIdentity(0), calibration(1));
        CalibrationKeeper keeper(displays, recordPath(), markerPath());
        QCOMPARE(keeper.begin(0), CalibrationKeeper::Start::Clean);
        GammaRamp ramp;
        QVERIFY(keeper.calibration(0, ramp));
        QCOMPARE(ramp, keptRecord ? calibration(1) : shifted(calibration(1), difference));
    }

    void monitorAttachedLaterIsRecordedAsItIs()
    {
        SimDisplays displays;
        show(displays, {calibration(1)});
        CalibrationKeeper keeper(displays, recordPath(), markerPath());
        keeper.begin(0);
        show(displays, {calibration(1), calibration(2)});
        GammaRamp ramp;
        QVERIFY(keeper.calibration(1, ramp));
        QCOMPARE(ramp, calibration(2));
        CalibrationRecord saved;
        saved.load(recordPath());
        QCOMPARE(*saved.find(displays.monitorIdentity(1)), calibration(2));
    }

    void allZeroRampIsNoCalibration()
    {
        SimDisplays displays;
        show(displays, {GammaRamp()});
        CalibrationKeeper keeper(displays, recordPath(), markerPath());
        keeper.begin(0);
        GammaRamp ramp;
        QVERIFY(keeper.calibration(0, ramp));
        QCOMPARE(ramp, GammaRamp::identity());
    }

    void restoreWritesRecordedRampsOrTheFallback()
    {
        SimDisplays displays;
        show(displays, {calibration(5), calibration(6)});
        writeRecord(displays.monitorIdentity(0), calibration(1));
        CalibrationRecord record;
        QVERIFY(record.load(recordPath()));

        auto written = record.restore(displays);
        QCOMPARE(written.size(), 1);
        QCOMPARE(shownBy(displays, 0), calibration(1));
        QCOMPARE(shownBy(displays, 1), calibration(6));

        const GammaRamp identity = GammaRamp::identity();
        written = record.restore(displays, &identity);
        QCOMPARE(written.size(), 2);
        QVERIFY(written[0].recorded && !written[1].recorded);
        QCOMPARE(written[1].output, QStringLiteral("SIM-2"));
        QCOMPARE(shownBy(displays, 1), identity);
    }

    void finishRemovesTheMarkerLeavingKeepsIt()
    {
        SimDisplays displays;
        {
            CalibrationKeeper kavo(displays, recordPath(), markerPath());
            kavo.begin(0);
            kavo.finish();
        }
        QVERIFY(!QFile::exists(markerPath()));
        {
            CalibrationKeeper apply(displays, recordPath(), markerPath());
            apply.begin(0);
            apply.leave_marker();
        }
        CalibrationKeeper next(displays, recordPath(), markerPath());
        QCOMPARE(next.begin(0), CalibrationKeeper::Start::AfterCrash);
    }

    void colourOutputAfterACrashStartsFromTheRecord()
    {
        ColorTestDesktop desktop(lastingDesktop({tinted(calibration(1))}));
        CalibrationRecord record;
        record.insert(desktop.sim().displays().monitorIdentity(0), calibration(1));
        QVERIFY(record.save(CalibrationRecord::default_path()));
        QFile marker(CalibrationRecord::default_marker_path());
        QVERIFY(marker.open(QIODevice::WriteOnly)); // left by a Kavo that died

        ColorOutput output(m_settings, m_ignored, {});
        output.start();
        QCOMPARE(output.apply_colors(RampSettings{3000, 1, 1, 1, 0.8f}, 0), 0);
        QCOMPARE(desktop.ramp(0), tinted(calibration(1)));
        output.shut_down();
        QCOMPARE(desktop.ramp(0), calibration(1));
        QVERIFY(!QFile::exists(CalibrationRecord::default_marker_path()));
    }

    void colourOutputRecordsAMonitorBeforeItsFirstColour()
    {
        ColorTestDesktop desktop(lastingDesktop({calibration(1)}));
        ColorOutput output(m_settings, m_ignored, {});
        output.start();
        QVERIFY(QFile::exists(CalibrationRecord::default_marker_path()));

        QSaveFile config(desktop.configPath());
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write(QJsonDocument(lastingDesktop({calibration(1), calibration(2)})).toJson());
        QVERIFY(config.commit());
        desktop.sim().reloadConfig();
        QCOMPARE(output.apply_colors(RampSettings{3000, 1, 1, 1, 0.8f}, 0), 0);
        QCOMPARE(desktop.ramp(1), tinted(calibration(2)));

        CalibrationRecord record;
        QVERIFY(record.load(CalibrationRecord::default_path()));
        QCOMPARE(*record.find(desktop.sim().displays().monitorIdentity(1)), calibration(2));
        output.shut_down();
        QCOMPARE(desktop.ramp(1), calibration(2));
    }

    // Simulated monitors end with Kavo: there is nothing to keep.
    void nothingIsRecordedWhereRampsEndWithKavo()
    {
        ColorTestDesktop desktop({{"monitors", ColorTestDesktop::monitors(1)}});
        ColorOutput output(m_settings, m_ignored, {});
        output.start();
        QVERIFY(!QFile::exists(CalibrationRecord::default_path()));
        QVERIFY(!QFile::exists(CalibrationRecord::default_marker_path()));
    }
};

QTEST_GUILESS_MAIN(TestCalibration)
#include "tst_calibration.moc"
