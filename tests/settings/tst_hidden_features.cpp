#include "AppFixture.h"
#include "settings/HiddenFeatures.h"
#include "settings/SettingsFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QtTest>

// The console of hidden features: every spell, its message and its effect, on a controller on
// the simulated desktop.
class TestHiddenFeatures : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> m_fixture;
    App* m_app = nullptr;
    QTemporaryDir m_files;

    QJsonArray messages() const
    {
        return m_fixture->desktop().state()["tray"].toObject()["messages"].toArray();
    }

    QString lastTitle() const { return messages().last().toObject()["title"].toString(); }
    QString lastBody() const { return messages().last().toObject()["body"].toString(); }

    void cast(const QByteArray& spell)
    {
        m_app->activate_hidden_feature(QString::fromUtf8(spell.constData(), spell.size()));
    }

    // Answers the next file dialogs with these paths.
    void chooseFiles(const QString& save, const QString& open)
    {
        QFile config(m_fixture->desktop_config());
        QVERIFY(config.open(QIODevice::WriteOnly | QIODevice::Truncate));
        config.write(QJsonDocument(
                         QJsonObject{{"file_chooser", QJsonObject{{"save", save}, {"open", open}}}})
                         .toJson());
        config.close();
        m_fixture->desktop().reloadConfig();
    }

    QString readFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private slots:
    void init()
    {
        m_fixture = std::make_unique<AppFixture>();
        m_fixture->start();
        m_app = &m_fixture->app();
    }

    void cleanup() { m_fixture.reset(); }

    void spells_data()
    {
        QTest::addColumn<QByteArray>("spell");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("short temperature, any case")
            << QByteArray("ST 5000") << "Temperature changed"
            << "Color temperature changed to 5000K"
            << "NightTemperature" << QVariant(5000);
        QTest::newRow("day temperature")
            << QByteArray("set day temperature to 6000") << "Temperature changed"
            << "Color temperature changed to 6000K"
            << "DayTemperature" << QVariant(6000);
        QTest::newRow("temperature out of range")
            << QByteArray("sdt 10001") << "Invalid temperature"
            << "10001 is invalid value for Color temperature. Use number between 0 and 10000."
            << "DayTemperature" << QVariant(5000);
        QTest::newRow("brightness out of range")
            << QByteArray("sdb 150") << "Invalid brightness"
            << "150 is invalid value for Brightness. Use number between 10 and 100."
            << "DayBrightness" << QVariant(100);
        QTest::newRow("night brightness")
            << QByteArray("set brightness to 60") << "Brightness changed"
            << "Brightness changed to 60%"
            << "NightBrightness" << QVariant(60);
        QTest::newRow("night start 24 is midnight")
            << QByteArray("set night start time to 24") << "Night start time changed"
            << "Manual night start time changed to 24h"
            << "NightStartTimeHours" << QVariant(0);
        QTest::newRow("night start 25")
            << QByteArray("set night start time to 25") << "Invalid Night start time"
            << "25 is invalid value for Night start time. Use number between 0 and 24."
            << "NightStartTimeHours" << QVariant(20);
        QTest::newRow("night end")
            << QByteArray("set night end time to 7") << "Night end time changed"
            << "Manual night end time changed to 7h"
            << "NightEndTimeHours" << QVariant(7);
        QTest::newRow("type dark") << QByteArray("type dark") << "Kavo is switching to dark type"
                                   << "You will see the difference in your screen after a moment :)"
                                   << "KavoType" << QVariant(8);
        QTest::newRow("type custom")
            << QByteArray("type custom") << "Kavo is switching to custom type"
            << "You will see the difference in your screen after a moment :)"
            << "KavoType" << QVariant(0);
        QTest::newRow("type foo") << QByteArray("type foo") << "Kavo is switching to foo type"
                                  << "You will see the difference in your screen after a moment :)"
                                  << "KavoType" << QVariant(0);
        QTest::newRow("extra blanks")
            << QByteArray("enable   keyboard    hook") << "Keyboard Hook enabled"
            << "Keyboard Hook enabled. You can now use system-wide shortcuts."
            << "UseKeyboardHook" << QVariant(true);
        QTest::newRow("every keyboard switch")
            << QByteArray("disable all keyboard shortcuts and hooks")
            << "All Keyboard Shortcuts and Hooks disabled"
            << "All Keyboard Shortcuts and Hooks disabled. System-wide, Kavo and panic shortcuts "
               "will not work"
            << "UsePanicKeyboardShortcuts" << QVariant(false);
        QTest::newRow("monitor") << QByteArray("disable monitor 2") << "Monitor 2 disabled"
                                 << "Kavo will not apply color changes to Monitor 2" << QString()
                                 << QVariant();
        QTest::newRow("tray icon rotation")
            << QByteArray("off tray icon rotation") << "Tray icon rotation is disabled"
            << "The tray icon will not rotate when Kavo is changing screen colors. This feature is "
               "used to show when Kavo mini is changing colors and your screen is not calibrated"
            << "UseSpinningTrayIcon" << QVariant(false);
        QTest::newRow("manual temperature")
            << QByteArray("use manual temperature") << "Manual temperature enabled"
            << "You are now using Kavo Mixed mode"
            << "UseManualColorSettings" << QVariant(true);
        QTest::newRow("latitude, an integer as a real")
            << QByteArray("set latitude to 42") << "Latitude changed"
            << "Latitude changed to 42°" << QString() << QVariant();
        QTest::newRow("ghost icon") << QByteArray("enable ghost icon") << "Hidden feature succeeded"
                                    << "enable ghost icon succeeded"
                                    << "UseGhostIcon" << QVariant(true);
        QTest::newRow("steps") << QByteArray("set brightness step to 5")
                               << "Hidden feature succeeded"
                               << "set brightness step to 5 succeeded"
                               << "DecreaseBrightnessStep" << QVariant(5);
        QTest::newRow("update interval in seconds")
            << QByteArray("set kavo update interval to 2 sec") << "Hidden feature succeeded"
            << "set kavo update interval to 2 sec succeeded"
            << "KavoUpdateInterval" << QVariant(2000);
        QTest::newRow("a number is no word")
            << QByteArray("open 2 page") << "Invalid spell"
            << "The spell \"open 2 page\" seems wrong. Check the syntax or try with some other "
               "hidden feature.\nUse \"help\" to see the list of all hidden features :)"
            << QString() << QVariant();
        QTest::newRow("a unit makes a word")
            << QByteArray("set temperature to 5000K") << "Invalid spell" << QString()
            << "NightTemperature" << QVariant(3400);
        QTest::newRow("script stays text") << QByteArray("');alert(1);//") << "Invalid spell"
                                           << QString() << QString() << QVariant();
    }

    void spells()
    {
        QFETCH(QByteArray, spell);
        QFETCH(QString, title);
        QFETCH(QString, body);
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        cast(spell);
        QCOMPARE(lastTitle(), title);
        if (!body.isEmpty())
            QCOMPARE(lastBody(), body);
        if (!key.isEmpty()) {
            QCOMPARE(m_app->settings_map().value(key), value);
            // Every spell ends with a full save.
            QCOMPARE(m_fixture->stored(key).toString(), value.toString());
        }
    }

    // The timer spells (also the taskbar entry's actions) reach the break timer.
    void timerSpellsReachTheTimer_data()
    {
        QTest::addColumn<QByteArray>("spell");
        QTest::addColumn<QString>("phase");
        QTest::addColumn<bool>("paused");
        QTest::newRow("turn off") << QByteArray("turn off timer") << "off" << true;
        QTest::newRow("toggle") << QByteArray("toggle timer") << "rest" << false;
        QTest::newRow("reset") << QByteArray("reset timer") << "work" << false;
        QTest::newRow("pause") << QByteArray("pause resume timer") << "work" << true;
    }

    void timerSpellsReachTheTimer()
    {
        QFETCH(QByteArray, spell);
        QFETCH(QString, phase);
        QFETCH(bool, paused);
        m_fixture = std::make_unique<AppFixture>();
        m_fixture->start({{"TimerType", 2}, {"TimerPaused", false}});
        m_app = &m_fixture->app();
        cast(spell);
        QCOMPARE(lastTitle(), QString("Hidden feature succeeded"));
        const QJsonObject timer = m_app->status_json().value("timer").toObject();
        QCOMPARE(timer.value("phase").toString(), phase);
        QCOMPARE(timer.value("paused").toBool(), paused);
    }

    void anInvalidSpellStillSavesEverything()
    {
        m_app->settings_map().insert("WorkTime", 33);
        cast("no such spell");
        QCOMPARE(lastTitle(), QString("Invalid spell"));
        QCOMPARE(m_fixture->stored("WorkTime").toInt(), 33);
    }

    void anEmptySpellOpensTheListOfSpells()
    {
        QSignalSpy opened(m_app, &App::open_page);
        cast("");
        QCOMPARE(opened.count(), 1);
        QCOMPARE(opened.first().first().toString(), QString("hidden features"));
        QVERIFY(HiddenFeatures::spell_list().contains("open %s page"));
        QVERIFY(HiddenFeatures::spell_list().contains("import %s"));
    }

    void debugInfoShowsTheDebugText()
    {
        QSignalSpy opened(m_app, &App::open_page);
        cast("debug info");
        QCOMPARE(lastTitle(), QString("Hidden feature succeeded"));
        QCOMPARE(opened.count(), 1);
        QCOMPARE(opened.first().first().toString(), QString("debug"));
    }

    void switchingNotificationsOffShowsTheLastOne()
    {
        cast("disable hidden features notifications");
        QCOMPARE(lastTitle(), QString("Notifications disabled"));
        const int shown = messages().size();
        cast("sdb 150");
        QCOMPARE(messages().size(), shown);
        QCOMPARE(m_fixture->stored("UseHiddenFeaturesNotifications").toBool(), false);
    }

    void spellsOfAnyBytesAreData()
    {
        QByteArray noise;
        for (int i = 0; i < 256; ++i)
            noise.append(char(i));
        cast(noise.repeated(400));
        QCOMPARE(lastTitle(), QString("Invalid spell"));
        cast(QByteArray(100000, ' '));
        QCOMPARE(lastTitle(), QString("Invalid spell"));
    }

    void exportedLineImportsBack()
    {
        const QString exported = m_files.filePath("line.kavo");
        chooseFiles(exported, QString());
        m_app->day_temperature_changed(4200, 0);
        cast("export string");
        const QString line = readFile(exported);
        QVERIFY(line.startsWith(SettingsFile::header(SettingsFile::Form::OneLine)));
        QVERIFY(!line.contains('\n'));

        m_app->day_temperature_changed(6100, 0);
        cast("import " + line.toUtf8());
        QCOMPARE(lastTitle(), QString("Hidden feature succeeded"));
        QCOMPARE(m_app->settings_map().value("DayTemperature").toInt(), 4200);
        QCOMPARE(m_fixture->stored("DayTemperature").toInt(), 4200);
        // Shortcuts keep their "+" and "-" on the way.
        QCOMPARE(m_fixture->stored("ZoomOutHotkey").toString(), QString("Ctrl+Alt+-"));
    }

    void aFileImportWritesOnlyWhatKavoKnows_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("imported");
        QTest::addColumn<QString>("message");
        const QByteArray header = "#Created by YOUR NAME <x>\n";
        QTest::newRow("a settings file") << header + "WorkTime=45\nNoSuchKey=1\nWorkTime2=3\n"
                                         << true << "1 settings imported, 2 unknown keys ignored";
        QTest::newRow("out of range, as at start") << header + "WorkTime=0\n"
                                                   << true << "1 settings imported";
        QTest::newRow("no header")
            << QByteArray("WorkTime=45\n") << false
            << "Not a Kavo settings file: it does not start with the \"#Created by\" header";
        QTest::newRow("nothing Kavo knows")
            << header + "Foo=1\nBar\n"
            << false << "No settings to import: the file holds no setting Kavo knows";
        QTest::newRow("too large")
            << header + "WorkTime=45\n" + QByteArray(1024 * 1024, ';') << false << QString();
    }

    void aFileImportWritesOnlyWhatKavoKnows()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, imported);
        QFETCH(QString, message);
        const QString path = m_files.filePath("in.kavo_settings");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        file.close();
        chooseFiles(QString(), path);
        const QByteArray before = readFile(m_fixture->settings_file()).toUtf8();

        m_app->import_settings();
        QCOMPARE(lastTitle(), QString(imported ? "Settings imported" : "Settings not imported"));
        if (!message.isEmpty())
            QCOMPARE(lastBody(), message);
        if (imported) {
            QCOMPARE(m_fixture->stored("WorkTime").toInt(), content.contains("=0") ? 0 : 45);
            QCOMPARE(m_app->settings_map().value("WorkTime").toInt(),
                     content.contains("=0") ? 1 : 45);
            QVERIFY(!m_fixture->stored("NoSuchKey").isValid());
        } else {
            QCOMPARE(readFile(m_fixture->settings_file()).toUtf8(), before);
        }
    }

    void exportProposesADatedNameOnTheDesktop()
    {
        chooseFiles(m_files.filePath("no/such/folder/out.kavo"), QString());
        m_app->export_settings();
        const QJsonObject dialog =
            m_fixture->desktop().state()["file_dialogs"].toArray().last().toObject();
        QCOMPARE(dialog["caption"].toString(), QString("Save File..."));
        QCOMPARE(dialog["filter"].toString(),
                 QString("Kavo Settings File (*.kavo_settings *.kavo)"));
        QVERIFY(QRegularExpression("/Kavo-\\d{4}_\\d\\d_\\d\\d_\\d\\d-\\d\\d-\\d\\d$")
                    .match(dialog["path"].toString())
                    .hasMatch());
        QVERIFY(!QFile::exists(m_files.filePath("no/such/folder/out.kavo")));
    }

    void resetSettingsWritesTheDefaults()
    {
        m_app->day_temperature_changed(4200, 0);
        m_app->settings_map().insert("WorkTime", 50);
        m_fixture->save_manager().save_settings();
        cast("reset settings");
        QCOMPARE(lastTitle(), QString("Reset settings"));
        QCOMPARE(m_app->settings_map().value("DayTemperature").toInt(), 5000);
        QCOMPARE(m_fixture->stored("DayTemperature").toInt(), 5000);
        QCOMPARE(m_fixture->stored("WorkTime").toInt(), 20);
        QCOMPARE(m_fixture->stored("SaveVersion").toString(), QString("6"));
    }
};

QTEST_MAIN(TestHiddenFeatures)
#include "tst_hidden_features.moc"
