// What kavoctl's commands do to the controller, the typed-in location, and the status text
// that reaches the page.
#include "AppFixture.h"
#include "Presets.h"
#include "RemoteCommand.h"
#include "RemoteControl.h"

#include <QJsonArray>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>

namespace {
// Berlin evening, New York afternoon.
const QByteArray kEvening =
    R"({"monitors": [{"x": 0, "y": 0, "width": 1920, "height": 1080}],
        "clock": {"now": "2026-06-10T21:45:00+02:00", "running": false}})";
const QVariantMap kBerlin{{"Latitude", 52.52}, {"Longitude", 13.405}};

QJsonObject request(const QStringList& words)
{
    return {{QStringLiteral("command"), QJsonArray::fromStringList(words)}};
}
} // namespace

class TestRemoteControl : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> m_fixture;

    App& app() { return m_fixture->app(); }

private slots:
    void init() { m_fixture = std::make_unique<AppFixture>(kEvening); }
    void cleanup() { m_fixture.reset(); }

    void parsesCommands_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<int>("action");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("key");
        using Action = RemoteCommand::Action;
        QTest::newRow("pause") << QStringList{"pause"} << int(Action::Pause) << 0 << "";
        QTest::newRow("mode in capitals")
            << QStringList{"mode", "PAUSED"} << int(Action::Mode) << int(kModePaused) << "";
        QTest::newRow("type by console name") << QStringList{"type", "Programming"}
                                              << int(Action::Type) << int(kTypeProgramming) << "";
        QTest::newRow("night brightness") << QStringList{"set", "brightness", "night", "10"}
                                          << int(Action::SetColor) << 10 << "NightBrightness";
        QTest::newRow("day temperature") << QStringList{"set", "temperature", "day", "10000"}
                                         << int(Action::SetColor) << 10000 << "DayTemperature";
        QTest::newRow("first shortcut")
            << QStringList{"shortcut", "increase-temperature"} << int(Action::Shortcut) << 1 << "";
        QTest::newRow("last shortcut")
            << QStringList{"shortcut", "zoom-out"} << int(Action::Shortcut) << 14 << "";
    }

    void parsesCommands()
    {
        QFETCH(QStringList, words);
        QFETCH(int, action);
        QFETCH(int, value);
        QFETCH(QString, key);
        QString error;
        const std::optional<RemoteCommand> command = RemoteCommand::parse(words, error);
        QVERIFY2(command, qPrintable(error));
        QCOMPARE(int(command->action), action);
        QCOMPARE(command->value, value);
        QCOMPARE(command->setting_key, key);
    }

    void commandsChangeTheControllerAndAnswerWithTheStatus_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("mode") << QStringList{"mode", "manual"} << "KavoMode" << QVariant(2);
        QTest::newRow("type") << QStringList{"type", "reading"} << "KavoType" << QVariant(4);
        QTest::newRow("pause") << QStringList{"pause"} << "KavoPaused" << QVariant(true);
        QTest::newRow("day temperature") << QStringList{"set", "temperature", "day", "4500"}
                                         << "DayTemperature" << QVariant(4500);
        QTest::newRow("night brightness")
            << QStringList{"set", "brightness", "night", "70"} << "NightBrightness" << QVariant(70);
        QTest::newRow("location") << QStringList{"location", "40.7", "-74"} << "UseManualLocation"
                                  << QVariant(true);
        // What a compositor's key binding runs where the desktop keeps keys to itself.
        QTest::newRow("pause shortcut")
            << QStringList{"shortcut", "pause-resume"} << "KavoPaused" << QVariant(true);
        QTest::newRow("manual shortcut")
            << QStringList{"shortcut", "manual-automatic"} << "KavoMode" << QVariant(2);
    }

    void commandsChangeTheControllerAndAnswerWithTheStatus()
    {
        QFETCH(QStringList, words);
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        m_fixture->start(kBerlin);
        RemoteControl control(app());
        const QJsonObject status = control.run(request(words));
        QVERIFY(!status.contains("error"));
        QCOMPARE(app().settings_map().value(key), value);
        QCOMPARE(status, app().status_json());
        QCOMPARE(status["mode_name"].toString(),
                 mode_name(app().settings_map().value("KavoMode").toInt()));
        QCOMPARE(status["type_name"].toString(),
                 type_name(app().settings_map().value("KavoType").toInt()).toLower());
    }

    void resumingFromThePausedModeFollowsTheScheduleAgain()
    {
        m_fixture->start();
        RemoteControl control(app());
        control.run(request({"mode", "paused"}));
        QVERIFY(app().is_kavo_paused());
        const QJsonObject status = control.run(request({"resume"}));
        QVERIFY(!app().is_kavo_paused());
        QCOMPARE(status["mode_name"].toString(), QString("automatic"));
        QCOMPARE(status["paused"].toBool(), false);
    }

    void kavoChecksWhatItIsSent_data()
    {
        QTest::addColumn<QJsonObject>("sent");
        QTest::newRow("no command") << QJsonObject{};
        QTest::newRow("command not a list") << QJsonObject{{"command", "pause"}};
        QTest::newRow("brightness too low") << request({"set", "brightness", "day", "0"});
        QTest::newRow("latitude off the globe") << request({"location", "95", "0"});
        QTest::newRow("a console spell") << request({"quit"});
        QTest::newRow("unknown shortcut") << request({"shortcut", "launch-rockets"});
        QTest::newRow("shortcut without its action") << request({"shortcut"});
    }

    void kavoChecksWhatItIsSent()
    {
        QFETCH(QJsonObject, sent);
        m_fixture->start();
        const SettingsMap before = app().settings_map();
        const QJsonObject answer = RemoteControl(app()).run(sent);
        QVERIFY(answer.contains("error"));
        QCOMPARE(app().settings_map(), before);
    }

    void typedInLocationMovesTheScheduleAndIsStored()
    {
        m_fixture->start(kBerlin);
        const float evening = app().get_interpolated_color_temperature(0);
        app().latitude_changed(40.7);
        app().longitude_changed(-74.0);
        QCOMPARE(app().location().latitude, 40.7);
        QCOMPARE(app().location().longitude, -74.0);
        QCOMPARE(app().get_interpolated_color_temperature(0), 5000.0f); // New York afternoon
        QVERIFY(evening < 5000.0f);
        QCOMPARE(m_fixture->stored("Latitude").toDouble(), 40.7);
        QCOMPARE(m_fixture->stored("Longitude").toDouble(), -74.0);
    }

    void locationOffTheGlobeIsRefused_data()
    {
        QTest::addColumn<bool>("isLatitude");
        QTest::addColumn<double>("value");
        QTest::newRow("latitude 90.5") << true << 90.5;
        QTest::newRow("latitude -91") << true << -91.0;
        QTest::newRow("longitude -181") << false << -181.0;
        QTest::newRow("latitude not a number") << true << double(NAN);
        QTest::newRow("longitude infinite") << false << double(INFINITY);
    }

    void locationOffTheGlobeIsRefused()
    {
        QFETCH(bool, isLatitude);
        QFETCH(double, value);
        m_fixture->start(kBerlin);
        if (isLatitude)
            app().latitude_changed(value);
        else
            app().longitude_changed(value);
        QCOMPARE(app().location().latitude, 52.52);
        QCOMPARE(app().location().longitude, 13.405);
    }

    // The page is sent the status text only while the window is shown, and only when it
    // changed.
    void statusTextReachesAShownPageWhenItChanges()
    {
        // Colours that move only when the test steps them.
        m_fixture->start({{"SmoothColorsUpdateInterval", 1000000},
                          {"PauseTransitionDuration", 40000000},
                          {"KavoUpdateInterval", 1000000}});
        app().create_ui();
        QTRY_VERIFY(app().is_page_loaded());
        app().hide();
        QSignalSpy sent(&app(), &App::set_kavo_status);
        const auto tick = [this] { QMetaObject::invokeMethod(&app(), "update_kavo_status"); };
        tick();
        QCOMPARE(sent.count(), 0);

        app().show();
        QTRY_COMPARE(sent.count(), 1);
        QCOMPARE(sent.last().at(0).toString(), app().kavo_status_text());
        tick();
        tick();
        QCOMPARE(sent.count(), 1);

        app().pause_kavo(true);
        tick();
        QCOMPARE(sent.last().at(0).toString(), QString("Paused"));
        const int afterPause = sent.count();
        tick();
        QCOMPARE(sent.count(), afterPause);

        app().hide();
        app().pause_kavo(false);
        tick();
        QCOMPARE(sent.count(), afterPause);
        app().show();
        QTRY_COMPARE(sent.count(), afterPause + 1);
        QVERIFY(sent.last().at(0).toString() != QString("Paused"));
    }
};

QTEST_MAIN(TestRemoteControl)
#include "tst_remote_control.moc"
