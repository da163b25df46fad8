#include "AppFixture.h"

#include <QJsonDocument>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// The controller on the simulated desktop with its own settings folder.
class TestApp : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> m_fixture;
    App* m_app = nullptr;
    SaveManager* m_saveManager = nullptr;
    SimDesktop* m_sim = nullptr;

    QVariant stored(const QString& key) const { return m_fixture->stored(key); }

    void start(const QVariantMap& settings = {})
    {
        m_fixture->start(settings);
        m_app = &m_fixture->app();
        m_saveManager = &m_fixture->save_manager();
    }

    void restart()
    {
        m_fixture->stop();
        start();
    }

private slots:
    void init()
    {
        m_fixture = std::make_unique<AppFixture>();
        m_sim = &m_fixture->desktop();
    }

    void cleanup() { m_fixture.reset(); }

    void firstStartCreatesTheStoreOnce()
    {
        start();
        QVERIFY(m_app->is_first_start());
        QCOMPARE(stored("SaveVersion").toString(), QString("6"));
        QCOMPARE(stored("IsFirstStart").toBool(), false);
        QCOMPARE(m_app->settings_map()["IsFirstStart"].toBool(), false);

        restart();
        QVERIFY(!m_app->is_first_start());
    }

    void aStoreOfAnotherLayoutIsKeptBeforeTheWipe()
    {
        const QByteArray garbage("\x01\x02 not a settings file \xff\n[General\n=", 33);
        QDir().mkpath(QFileInfo(m_fixture->settings_file()).absolutePath());
        QFile file(m_fixture->settings_file());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(garbage);
        file.close();
        start();
        QCOMPARE(stored("SaveVersion").toString(), QString("6"));
        QFile kept(m_fixture->settings_file() + ".old");
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), garbage);

        // A store of the current layout is not copied again.
        kept.close();
        QVERIFY(kept.remove());
        restart();
        QVERIFY(!kept.exists());
    }

    void loadsEveryMonitorOfTheDesktop()
    {
        start({{"DayTemperature2", 12000}, {"DayTemperature1", 4200}});
        SettingsMap& map = m_app->settings_map();
        QCOMPARE(map["DayTemperature"].toInt(), 5000);
        QCOMPARE(map["DayTemperature1"].toInt(), 4200);
        QCOMPARE(map["DayTemperature2"].toInt(), 6000);
        QVERIFY(!map.contains("DayTemperature3"));
    }

    void leavesStartWithTheSessionAloneFromTheBuildFolder_data()
    {
        QTest::addColumn<bool>("startOnStartup");
        QTest::addColumn<QString>("entry");
        QTest::newRow("on, no entry") << true << QString();
        QTest::newRow("on, another entry") << true << "/somewhere/else/kavo";
        QTest::newRow("off, an entry") << false << "/somewhere/else/kavo";
    }

    void leavesStartWithTheSessionAloneFromTheBuildFolder()
    {
        QFETCH(bool, startOnStartup);
        QFETCH(QString, entry);
        if (!entry.isEmpty())
            m_sim->registry().setStartupProgram("Kavo", entry);
        start({{"StartOnStartup", startOnStartup}});
        QCOMPARE(m_sim->registry().startupProgram("Kavo"), entry);
    }

    void closeWithoutAutosaveBringsBackTheStoredValues()
    {
        start({{"AutosaveSettings", false}, {"WorkTime", 25}});
        m_app->settings_map()["WorkTime"] = 50;
        m_app->save_timer_pausers("game.exe");
        m_app->close_clicked();
        QCOMPARE(m_app->settings_map()["WorkTime"].toInt(), 25);
        QCOMPARE(m_app->settings_map()["TimerPausers"].toString(), QString("game.exe"));
        QCOMPARE(stored("WorkTime").toInt(), 25);
    }

    void closeWithAutosaveKeepsAndStoresTheValues()
    {
        start({{"WorkTime", 25}});
        m_app->settings_map()["WorkTime"] = 50;
        m_app->close_clicked();
        QCOMPARE(m_app->settings_map()["WorkTime"].toInt(), 50);
        QCOMPARE(stored("WorkTime").toInt(), 50);
    }

    void autosaveChangeReachesTheStoreOnlyWithTheNextSave()
    {
        start();
        m_app->auto_save_settings_changed(false);
        QCOMPARE(m_app->settings_map()["AutosaveSettings"].toBool(), false);
        QVERIFY(m_saveManager->is_autosave_enabled());
        m_saveManager->save_settings();
        QVERIFY(!m_saveManager->is_autosave_enabled());
    }

    void saveAsksThePageForItsLists()
    {
        start();
        connect(m_app, &App::save_color_pausers_signal, m_app,
                [this] { m_app->save_color_pausers("paint.exe\nmodel.exe"); });
        m_saveManager->save_settings();
        QCOMPARE(stored("ColorPausers").toString(), QString("paint.exe\nmodel.exe"));
    }

    void quitSavesWhenAutosaveIsOn_data()
    {
        QTest::addColumn<bool>("autosave");
        QTest::newRow("autosave on") << true;
        QTest::newRow("autosave off") << false;
    }

    void quitSavesWhenAutosaveIsOn()
    {
        QFETCH(bool, autosave);
        start({{"AutosaveSettings", autosave}, {"RestTime", 30}});
        m_app->settings_map()["RestTime"] = 45;
        m_app->quit_kavo();
        QCOMPARE(stored("RestTime").toInt(), autosave ? 45 : 30);
    }

    void publishesTheSettingsToThePage()
    {
        start({{"WorkTime", 35},
               {"NightStartTimeHours", 21},
               {"NightStartTimeMinutes", 30},
               {"Latitude", 52.520008},
               {"AdvancedView", true},
               {"TimerType", 2}});
        QSignalSpy workTime(m_app, &App::set_work_time_value);
        QSignalSpy nightStart(m_app, &App::set_night_start_time_value);
        QSignalSpy latitude(m_app, &App::set_latitude_value);
        QSignalSpy view(m_app, &App::set_view);
        QSignalSpy advanced(m_app, &App::set_use_advanced_settings);
        QSignalSpy timerType(m_app, &App::set_timer_type_dropdown_value);
        QSignalSpy shortcuts(m_app, &App::set_shortcuts_values);
        QStringList order;
        connect(m_app, &App::set_work_time_value, this, [&] { order << "value"; });
        connect(m_app, &App::set_color_pausers_list, this, [&] { order << "list"; });

        m_saveManager->publish_settings();

        QCOMPARE(workTime.takeFirst().at(0).toInt(), 35);
        QCOMPARE(nightStart.takeFirst(), (QVariantList{21, 30}));
        QCOMPARE(latitude.takeFirst().at(0).toString(), QString("52.52"));
        QCOMPARE(view.takeFirst().at(0).toBool(), true);
        QCOMPARE(advanced.takeFirst().at(0).toBool(), true);
        QCOMPARE(timerType.takeFirst().at(0).toInt(), 2);
        const QVariantList keys = shortcuts.takeFirst().at(0).toList();
        QCOMPARE(keys.size(), 15);
        QCOMPARE(keys.first().toString(), QString());
        QCOMPARE(keys.at(1).toString(), QString("Ctrl+Alt+Up"));
        QCOMPARE(keys.last().toString(), QString("Ctrl+Alt+-"));
        QCOMPARE(order, (QStringList{"value", "list"}));
    }

    void resetBringsBackTheDefaults()
    {
        start({{"WorkTime", 35}, {"Language", "fr"}, {"IgnoreMonitors", "2:"}});
        QCOMPARE(m_app->ignored_monitors(), QList<int>{2});
        QSignalSpy refreshed(m_app, &App::refresh_unused_pages_signal);
        m_app->reset_settings_to_default();
        QCOMPARE(m_app->settings_map()["WorkTime"].toInt(), 20);
        QCOMPARE(m_app->settings_map()["Language"].toString(), QString("fr"));
        QVERIFY(m_app->ignored_monitors().isEmpty());
        QVERIFY(!m_app->is_first_start());
        QCOMPARE(refreshed.count(), 1);
    }

    void theStoreOutlivesTheController()
    {
        start();
        m_saveManager->set_host(nullptr); // as when the controller is gone
        // Without a controller the store's map operations do nothing rather than crash.
        m_saveManager->load_settings();
        m_saveManager->save_settings();
        QCOMPARE(stored("SaveVersion").toString(), QString("6"));
    }
};

QTEST_MAIN(TestApp)
#include "tst_app.moc"
