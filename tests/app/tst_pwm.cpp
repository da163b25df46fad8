// The controller's PWM control through companion scripts on PATH, and the hourly configuration
// files applied by the update loop.
#include "AppFixture.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {
// 21:30 local time, standing still.
const QByteArray kEveningDesktop =
    R"({"monitors": [{"x": 0, "y": 0, "width": 1920, "height": 1080},
                     {"x": 1920, "y": 0, "width": 1920, "height": 1080}],
        "clock": {"now": "2026-06-10T21:30:00", "running": false}})";

void write_file(const QString& path, const QByteArray& bytes, bool executable = false)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    if (executable)
        QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}
} // namespace

class TestPwm : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> m_fixture;
    QTemporaryDir m_dir;
    QByteArray m_path;
    QString m_working_directory;

    App& app() { return m_fixture->app(); }
    SettingsMap& map() { return app().settings_map(); }
    QString companions() const { return m_dir.filePath("companions"); }
    QString set_log() const { return m_dir.filePath("set.log"); }

    void companion(const char* name, const QByteArray& body)
    {
        write_file(QDir(companions()).filePath(name), "#!/bin/sh\n" + body + "\n", true);
    }

    // The read companion answers with `body`; the set companion writes its frequency to a log.
    void install_companions(const QByteArray& body)
    {
        companion("kavo_get_pwm_frequency", body);
        companion("kavo_pwm_control", "echo \"$1\" >> '" + set_log().toUtf8() + "'");
    }

    static QStringList lines_of(const QString& path)
    {
        QFile log(path);
        if (!log.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
    }

    QStringList frequencies_set() const { return lines_of(set_log()); }

    QString settings_folder() const { return QFileInfo(m_fixture->settings_file()).absolutePath(); }

private slots:
    void initTestCase()
    {
        m_path = qgetenv("PATH");
        m_working_directory = QDir::currentPath();
    }

    void init()
    {
        QFile::remove(set_log());
        QDir(companions()).removeRecursively();
        qputenv("PATH", companions().toUtf8() + ":" + m_path);
        m_fixture = std::make_unique<AppFixture>(kEveningDesktop);
    }

    void cleanup()
    {
        m_fixture.reset();
        QDir::setCurrent(m_working_directory);
        qputenv("PATH", m_path);
    }

    void thePageLearnsThePwmStatus_data()
    {
        QTest::addColumn<QByteArray>("companion"); // empty: none installed
        QTest::addColumn<int>("stored");
        QTest::addColumn<bool>("supported");
        QTest::addColumn<int>("shown");

        QTest::newRow("the screen's frequency when none is stored")
            << QByteArray("exit 60") << -1 << true << 60;
        QTest::newRow("a frequency printed") << QByteArray("echo 1000") << -1 << true << 1000;
        QTest::newRow("the stored frequency") << QByteArray("exit 60") << 250 << true << 250;
        QTest::newRow("no PWM on this screen") << QByteArray("exit 0") << 250 << false << 1000;
        QTest::newRow("no companion") << QByteArray() << 250 << false << 1000;
    }

    void thePageLearnsThePwmStatus()
    {
        QFETCH(QByteArray, companion);
        QFETCH(int, stored);
        QFETCH(bool, supported);
        QFETCH(int, shown);
        const QString reads = m_dir.filePath("reads");
        QFile::remove(reads);
        if (!companion.isEmpty())
            install_companions("echo read >> '" + reads.toUtf8() + "'\n" + companion);
        m_fixture->start({{"PWMFrequency", stored}});
        QSignalSpy status(&app(), &App::set_pwm_control_status);
        QSignalSpy slider(&app(), &App::set_pwm_frequency_slider_value_ui);
        QFile::remove(reads);
        app().restore_pwm_control_status();
        // The companion runs once, synchronously: each run may hold the window for a while.
        if (!companion.isEmpty())
            QCOMPARE(lines_of(reads).size(), 1);
        QCOMPARE(status.size(), 1);
        QCOMPARE(status.first().at(0).toBool(), supported);
        if (supported) {
            QCOMPARE(status.first().at(1).toInt(), shown);
        } else {
            QCOMPARE(slider.size(), 1);
            QCOMPARE(slider.first().at(0).toInt(), shown);
        }
    }

    void theSettersSetTheFrequencyOnlyWhilePwmControlIsOn()
    {
        install_companions("exit 60");
        m_fixture->start({{"UsePWMControl", false}, {"PWMFrequency", 100}});
        app().pwm_frequency_changed(500);
        QCOMPARE(map().value("PWMFrequency").toInt(), 500);
        app().pwm_max_frequency_changed(4000);
        QCOMPARE(map().value("PWMMaxFrequency").toInt(), 4000);
        QCOMPARE(frequencies_set(), QStringList());

        app().use_pwm_control_changed(true);
        QCOMPARE(frequencies_set(), QStringList{"500"});
        app().pwm_frequency_changed(500); // unchanged: nothing runs
        app().pwm_frequency_changed(750);
        app().pwm_max_frequency_changed(5000);
        QCOMPARE(frequencies_set(), (QStringList{"500", "750"}));
    }

    void aFrequencyBelowOneIsNeverSet()
    {
        install_companions("exit 60");
        m_fixture->start({{"UsePWMControl", true}, {"PWMFrequency", -1}});
        app().update_pwm_control_status();
        app().pwm_frequency_changed(0);
        QCOMPARE(frequencies_set(), QStringList());
    }

    void everyColourUpdateSetsTheFrequencyWhileUpdatingContinuously()
    {
        install_companions("exit 60");
        m_fixture->start({{"UsePWMControl", true},
                          {"PWMFrequency", 700},
                          {"UpdateContinuously", true},
                          {"PauseTransitionDuration", 0}});
        // The first colours glide in; the updates after that reach the screen.
        QTRY_VERIFY_WITH_TIMEOUT((app().update_gamma(), !frequencies_set().isEmpty()), 20000);
        const int before = frequencies_set().size();
        app().update_gamma();
        app().update_gamma();
        QCOMPARE(frequencies_set().size(), before + 2);

        app().pwm_control_update_continuously_changed(false);
        QCOMPARE(frequencies_set().size(), before + 3);
        app().update_gamma();
        app().update_gamma();
        QCOMPARE(frequencies_set().size(), before + 3);
        QCOMPARE(frequencies_set().last(), QStringLiteral("700"));
    }

    void theRuleOfTheHourSetsTheNightValues_data()
    {
        QTest::addColumn<QByteArray>("settingsFolderFile");
        QTest::addColumn<QByteArray>("workingDirectoryFile");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("expected");

        const QString temperature = "temperatureConfig.txt";
        const QString brightness = "brightnessConfig.txt";
        QTest::newRow("temperature from the settings folder")
            << QByteArray("0 24 4000 then words") << QByteArray() << temperature
            << "NightTemperature" << 4000;
        QTest::newRow("the working directory comes first")
            << QByteArray("0 24 4000") << QByteArray("0 24 3000") << temperature
            << "NightTemperature" << 3000;
        QTest::newRow("the start hour applies") << QByteArray("21 22 2500") << QByteArray()
                                                << temperature << "NightTemperature" << 2500;
        QTest::newRow("the end hour does not")
            << QByteArray("0 21 2500") << QByteArray() << temperature << "NightTemperature" << 3400;
        QTest::newRow("the last match wins")
            << QByteArray("0 24 4000 20 23 3000 1 2 2000") << QByteArray() << temperature
            << "NightTemperature" << 3000;
        QTest::newRow("a temperature out of range is skipped")
            << QByteArray("0 24 4000 0 24 20000") << QByteArray() << temperature
            << "NightTemperature" << 4000;
        QTest::newRow("brightness 3 becomes 5")
            << QByteArray("20 24 3") << QByteArray() << brightness << "NightBrightness" << 5;
        QTest::newRow("brightness 120 becomes 100")
            << QByteArray("20 24 120") << QByteArray() << brightness << "NightBrightness" << 100;
        QTest::newRow("start after end never applies")
            << QByteArray("22 6 3") << QByteArray() << brightness << "NightBrightness" << 80;
    }

    void theRuleOfTheHourSetsTheNightValues()
    {
        QFETCH(QByteArray, settingsFolderFile);
        QFETCH(QByteArray, workingDirectoryFile);
        QFETCH(QString, fileName);
        QFETCH(QString, key);
        QFETCH(int, expected);
        // The settings folder is made when the store is opened; files go there before Kavo
        // starts, as an administrator would put them.
        QDir().mkpath(QFileInfo(m_fixture->settings_file()).absolutePath());
        write_file(QDir(settings_folder()).filePath(fileName), settingsFolderFile);
        const QString working = m_dir.filePath("working");
        QDir().mkpath(working);
        QFile::remove(QDir(working).filePath(fileName));
        if (!workingDirectoryFile.isEmpty())
            write_file(QDir(working).filePath(fileName), workingDirectoryFile);
        QVERIFY(QDir::setCurrent(working));

        m_fixture->start({{"UseManualColorSettings", true}, {"UseManualBrightness", true}});
        QVERIFY(QMetaObject::invokeMethod(&app(), "update_ui"));
        QCOMPARE(map().value(key).toInt(), expected);
        // The manual switches force the night values: the screen follows the rule.
        if (key == QLatin1String("NightTemperature"))
            QCOMPARE(int(app().get_interpolated_color_temperature(0)), expected);
        else
            QCOMPARE(int(app().get_interpolated_brightness(0)), expected);
    }

    // Only plain files of the user's own (or root's) set colours, and a working folder that
    // others may write into is not read at all.
    void untrustedRulesAreNotApplied_data()
    {
        QTest::addColumn<QString>("where");
        QTest::newRow("another user's file in the settings folder") << "theirs";
        QTest::newRow("a link in the settings folder") << "link";
        QTest::newRow("a working folder open to others") << "open working folder";
    }

    void untrustedRulesAreNotApplied()
    {
        QFETCH(QString, where);
        QDir().mkpath(settings_folder());
        const QString working = m_dir.filePath("working-" + where.left(4));
        QDir().mkpath(working);
        QVERIFY(QDir::setCurrent(working));
        const QString rules = QDir(settings_folder()).filePath("temperatureConfig.txt");
        QFile::remove(rules);
        if (where == "theirs") {
            if (::geteuid() != 0)
                QSKIP("giving a file to another user needs root");
            write_file(rules, "0 24 1353");
            QCOMPARE(::chown(QFile::encodeName(rules).constData(), 65534, 65534), 0);
        } else if (where == "link") {
            write_file(m_dir.filePath("elsewhere.txt"), "0 24 1353");
            QVERIFY(QFile::link(m_dir.filePath("elsewhere.txt"), rules));
        } else {
            write_file(QDir(working).filePath("temperatureConfig.txt"), "0 24 1353");
            QCOMPARE(::chmod(QFile::encodeName(working).constData(), 01777), 0);
        }
        m_fixture->start({{"UseManualColorSettings", true}});
        QVERIFY(QMetaObject::invokeMethod(&app(), "update_ui"));
        QCOMPARE(map().value("NightTemperature").toInt(), 3400);
        QFile::remove(rules);
    }

    void withPerMonitorSettingsEveryMonitorFollowsTheRule()
    {
        QDir().mkpath(settings_folder());
        write_file(QDir(settings_folder()).filePath("temperatureConfig.txt"), "0 24 3100");
        m_fixture->start({{"UsePerMonitorSettings", true}, {"NightTemperature2", 4500}});
        QVERIFY(QMetaObject::invokeMethod(&app(), "update_ui"));
        QCOMPARE(map().value("NightTemperature").toInt(), 3100);
        QCOMPARE(map().value("NightTemperature1").toInt(), 3100);
        QCOMPARE(map().value("NightTemperature2").toInt(), 3100);
    }
};

QTEST_MAIN(TestPwm)
#include "tst_pwm.moc"
