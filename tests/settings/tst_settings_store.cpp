#include "settings/SettingsStore.h"

#include <QTemporaryDir>
#include <QtTest>

class TestSettingsStore : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_files = 0;

    // A store on a fresh file, written first with `values`.
    std::unique_ptr<QSettings> storeWith(const QVariantMap& values)
    {
        auto store = std::make_unique<QSettings>(
            m_dir.filePath(QStringLiteral("s%1.ini").arg(++m_files)), QSettings::IniFormat);
        for (auto it = values.begin(); it != values.end(); ++it)
            store->setValue(it.key(), it.value());
        store->sync();
        return store;
    }

    static QVariantMap current(const QVariantMap& values)
    {
        QVariantMap withVersion = values;
        withVersion.insert(QStringLiteral("SaveVersion"), QStringLiteral("6"));
        return withVersion;
    }

private slots:
    void missingFileTakesDefaultsAndIsCreated()
    {
        const QString path = m_dir.filePath(QStringLiteral("fresh.ini"));
        QSettings settings(path, QSettings::IniFormat);
        SettingsStore store(settings);
        QVERIFY(!store.checkVersion());
        settings.sync();
        QVERIFY(QFile::exists(path));
        QCOMPARE(settings.value("SaveVersion").toString(), QString("6"));
        QCOMPARE(settings.value("IsFirstStart").toBool(), true);
        QCOMPARE(settings.value("Language").toString(), QString("en"));

        SettingsMap map;
        store.loadMonitor(0, map);
        for (const SettingKey& key : SettingsTable::keys()) {
            if (key.flags & kNotInMap)
                QVERIFY2(!map.contains(key.name), key.name);
            else
                QVERIFY2(map.contains(key.name), key.name);
        }
        QCOMPARE(map["DayTemperature"].toInt(), 5000);
        QCOMPARE(map["NightBrightness"].toInt(), 80);
        QCOMPARE(map["ColorTriggers"].toString(),
                 QString("vlc.exe = 6500 120\nmpc-hc64.exe = 6500 120"));
        QCOMPARE(map["IncreaseBrightnessHotkey"].toString(), QString("Ctrl+Alt+PgUp"));
        QCOMPARE(map["TimerPaused"].toBool(), true);
        QCOMPARE(store.readLocation().latitude, -1.0);
    }

    void platformDecidesColourPathDefaults_data()
    {
        QTest::addColumn<bool>("gammaPreferred");
        QTest::newRow("gamma ramps preferred") << true;
        QTest::newRow("colour matrix preferred") << false;
    }

    void platformDecidesColourPathDefaults()
    {
        QFETCH(bool, gammaPreferred);
        auto settings = storeWith(current({}));
        SettingsStore store(*settings, SettingsDefaults{gammaPreferred});
        SettingsMap map;
        store.loadMonitor(0, map);
        QCOMPARE(map["UseLowLevelColorApi"].toBool(), gammaPreferred);
        QCOMPARE(map["PreserveGamma"].toBool(), gammaPreferred);
    }

    void oldLayoutIsWipedButForFirstStartAndLanguage()
    {
        auto settings = storeWith({{"SaveVersion", "5"},
                                   {"IsFirstStart", false},
                                   {"Language", "de"},
                                   {"WorkTime", 45},
                                   {"DayTemperature", 4000}});
        SettingsStore store(*settings);
        QVERIFY(!store.checkVersion());
        QCOMPARE(settings->allKeys().size(), 3);
        SettingsMap map;
        store.loadMonitor(0, map);
        QCOMPARE(map["IsFirstStart"].toBool(), false);
        QCOMPARE(map["Language"].toString(), QString("de"));
        QCOMPARE(map["WorkTime"].toInt(), 20);
        QCOMPARE(map["DayTemperature"].toInt(), 5000);
    }

    void currentLayoutIsKept()
    {
        auto settings = storeWith(current({{"WorkTime", 45}}));
        SettingsStore store(*settings);
        QVERIFY(store.checkVersion());
        QCOMPARE(store.read("WorkTime").toInt(), 45);
    }

    void validatesLoadedValues_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("loaded");
        QTest::newRow("work time 0") << "WorkTime" << QVariant(0) << 1;
        QTest::newRow("work time 1") << "WorkTime" << QVariant(1) << 1;
        QTest::newRow("work time 1440") << "WorkTime" << QVariant(1440) << 1440;
        QTest::newRow("work time 5000") << "WorkTime" << QVariant(5000) << 1440;
        QTest::newRow("rest time 100000") << "RestTime" << QVariant(100000) << 86400;
        QTest::newRow("rest time -5") << "RestTime" << QVariant(-5) << 1;
        QTest::newRow("postpone 0") << "PostponeTime" << QVariant(0) << 1;
        QTest::newRow("postpone large") << "PostponeTime" << QVariant(100000) << 100000;
        QTest::newRow("timer type -3") << "TimerType" << QVariant(-3) << 1;
        QTest::newRow("timer type 0") << "TimerType" << QVariant(0) << 0;
        QTest::newRow("day temperature 10000") << "DayTemperature" << QVariant(10000) << 10000;
        QTest::newRow("day temperature 10001") << "DayTemperature" << QVariant(10001) << 6000;
        QTest::newRow("day temperature -1") << "DayTemperature" << QVariant(-1) << 6000;
        QTest::newRow("night temperature 12000") << "NightTemperature" << QVariant(12000) << 4400;
        QTest::newRow("sleep light 0") << "SleepLight" << QVariant(0) << 0;
        QTest::newRow("sleep light 20000") << "SleepLight" << QVariant(20000) << 3700;
        QTest::newRow("day brightness 9") << "DayBrightness" << QVariant(9) << 100;
        QTest::newRow("day brightness 150") << "DayBrightness" << QVariant(150) << 150;
        QTest::newRow("night brightness 5") << "NightBrightness" << QVariant(5) << 85;
        QTest::newRow("sleep brightness 151") << "SleepBrightness" << QVariant(151) << 80;
        QTest::newRow("text in a number") << "WorkTime" << QVariant("soon") << 1;
        QTest::newRow("text in a temperature") << "DayTemperature" << QVariant("warm") << 0;
        QTest::newRow("number as text") << "DayTemperature" << QVariant("4200") << 4200;
    }

    void validatesLoadedValues()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, stored);
        QFETCH(int, loaded);
        auto settings = storeWith(current({{key, stored}}));
        SettingsStore store(*settings);
        SettingsMap map;
        store.loadMonitor(0, map);
        QCOMPARE(map[key].toInt(), loaded);
    }

    void garbageValuesConvertAsTheStoreDoes_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QVariant>("loaded");
        QTest::newRow("bool from other text")
            << "UseSounds" << QVariant("yes please") << QVariant(false);
        QTest::newRow("bool from true text") << "UseSounds" << QVariant("true") << QVariant(true);
        QTest::newRow("bool from number") << "AutoCloseRest" << QVariant("0") << QVariant(false);
        QTest::newRow("int from empty") << "DayOpacity" << QVariant("") << QVariant(0);
        QTest::newRow("int from other text: the default")
            << "OverlayScreenColor" << QVariant("red'); x('") << QVariant(9);
        QTest::newRow("string from number") << "Language" << QVariant(7) << QVariant("7");
        QTest::newRow("list from text")
            << "UnusedPages" << QVariant("timer") << QVariant(QVariantList{"timer"});
    }

    void garbageValuesConvertAsTheStoreDoes()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, stored);
        QFETCH(QVariant, loaded);
        auto settings = storeWith(current({{key, stored}}));
        SettingsMap map;
        SettingsStore(*settings).loadMonitor(0, map);
        QCOMPARE(map[key], loaded);
    }

    void perMonitorKeysForThreeMonitors()
    {
        auto settings = storeWith(current({{"DayTemperature", 4000},
                                           {"DayTemperature1", 4100},
                                           {"DayTemperature3", 12000},
                                           {"NightBrightness2", 5}}));
        SettingsStore store(*settings);
        SettingsMap map;
        for (int monitor = 0; monitor <= 3; ++monitor)
            store.loadMonitor(monitor, map);
        QCOMPARE(map["DayTemperature"].toInt(), 4000);
        QCOMPARE(map["DayTemperature1"].toInt(), 4100);
        QCOMPARE(map["DayTemperature2"].toInt(), 5000);
        QCOMPARE(map["DayTemperature3"].toInt(), 6000);
        QCOMPARE(map["NightBrightness2"].toInt(), 85);
        QCOMPARE(map["SleepBrightness3"].toInt(), 75);
        QVERIFY(!map.contains("DayTemperature4"));
    }

    void saveTruncatesTemperaturesToHundreds()
    {
        auto settings = storeWith(current({}));
        SettingsStore store(*settings);
        SettingsMap map;
        store.loadMonitor(0, map);
        store.loadMonitor(2, map);
        map["DayTemperature"] = 6549;
        map["NightTemperature2"] = 3399;
        map["SleepLight"] = 2750;
        store.saveMonitor(0, map, {});
        store.saveMonitor(2, map, {});
        QCOMPARE(settings->value("DayTemperature").toInt(), 6500);
        QCOMPARE(settings->value("NightTemperature2").toInt(), 3300);
        QCOMPARE(settings->value("SleepLight").toInt(), 2750);
        QCOMPARE(map["DayTemperature"].toInt(), 6549); // the map keeps what the user chose
    }

    void saveLeavesListsAndRunStateToTheirWriters()
    {
        auto settings = storeWith(current({{"ColorPausers", "a.exe"}, {"KavoPaused", true}}));
        SettingsStore store(*settings);
        SettingsMap map;
        store.loadMonitor(0, map);
        map["ColorPausers"] = "b.exe";
        map["KavoPaused"] = false;
        map["WorkTime"] = 33;
        store.saveMonitor(0, map, {QString("timer")});
        QCOMPARE(settings->value("ColorPausers").toString(), QString("a.exe"));
        QCOMPARE(settings->value("KavoPaused").toBool(), true);
        QCOMPARE(settings->value("WorkTime").toInt(), 33);
        QCOMPARE(settings->value("UnusedPages").toList(), QVariantList{QString("timer")});
    }

    void saveAndLoadRoundTripEveryKey()
    {
        auto settings = storeWith(current({}));
        SettingsStore store(*settings);
        SettingsMap defaults;
        store.loadMonitor(0, defaults);
        store.saveMonitor(0, defaults, defaults["UnusedPages"].toList());
        settings->sync();
        QSettings reread(settings->fileName(), QSettings::IniFormat);
        SettingsMap loaded;
        SettingsStore(reread).loadMonitor(0, loaded);
        QCOMPARE(loaded, defaults);
    }

    void ignoredMonitorsRoundTrip_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QList<int>>("monitors");
        QTest::addColumn<QString>("written");
        QTest::addColumn<int>("dropped");
        QTest::newRow("with junk") << "2::x:4:" << QList<int>{2, 4} << "2:4:" << 1;
        QTest::newRow("empty") << "" << QList<int>{} << "" << 0;
        QTest::newRow("no trailing colon") << "1:3" << QList<int>{1, 3} << "1:3:" << 0;
        QTest::newRow("repeated") << "3:1:3:3:" << QList<int>{3, 1} << "3:1:" << 2;
        QTest::newRow("no such monitor") << "0:5:-1:2:" << QList<int>{2} << "2:" << 3;
        QTest::newRow("number too big") << "99999999999:4" << QList<int>{4} << "4:" << 1;
        QTest::newRow("a million entries")
            << QString("2:").repeated(1000000) << QList<int>{2} << "2:" << 999999;
    }

    void ignoredMonitorsRoundTrip()
    {
        QFETCH(QString, stored);
        QFETCH(QList<int>, monitors);
        QFETCH(QString, written);
        QFETCH(int, dropped);
        auto settings = storeWith(current({{"IgnoreMonitors", stored}}));
        SettingsStore store(*settings);
        int droppedNow = -1;
        QCOMPARE(store.readIgnoredMonitors(4, &droppedNow), monitors);
        QCOMPARE(droppedNow, dropped);
        store.writeIgnoredMonitors(store.readIgnoredMonitors(4));
        QCOMPARE(settings->value("IgnoreMonitors").toString(), written);
    }

    void locationRoundTrip()
    {
        auto settings = storeWith(current({}));
        SettingsStore store(*settings);
        store.writeLocation({52.52, 13.405});
        QCOMPARE(store.readLocation().latitude, 52.52);
        QCOMPARE(store.readLocation().longitude, 13.405);
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settings_store.moc"
