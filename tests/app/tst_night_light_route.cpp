// The controller on a desktop whose colours go through its own night light (KWin's night colour,
// GNOME's night light), played by the simulated desktop's night light.
#include "AppFixture.h"
#include "MainPage.h"
#include "SteppedColours.h"
#include "color/ColorOutput.h"
#include "color/NightLightGamma.h"
#include "platform/Platform.h"

#include <QJsonObject>
#include <QtTest>

namespace {
// Two monitors and a night light whose user keeps 5600 K and 70 % of their own; the clock stands
// still at `localTime`.
QByteArray desktopAt(const QString& localTime, const QString& nightLight)
{
    const QDateTime at = QDateTime::fromString(localTime, Qt::ISODate);
    return QStringLiteral(R"({"monitors": [{"x": 0, "y": 0, "width": 1920, "height": 1080},
                                           {"x": 1920, "y": 0, "width": 1920, "height": 1080}],
                              "clock": {"now": %1, "running": false},
                              "night_light": %2})")
        .arg(at.toMSecsSinceEpoch())
        .arg(nightLight)
        .toUtf8();
}

const QString kKWinWithBacklight = QStringLiteral(
    R"({"route": "kwin-night-colour", "brightness": true, "temperature": 5600, "backlight": 70})");
const QString kGnomeWithoutBacklight =
    QStringLiteral(R"({"route": "gnome-night-light", "temperature": 5600})");
const QString kNight = QStringLiteral("2026-06-10T21:30:00");
const QString kNoon = QStringLiteral("2026-06-10T12:00:00");

QJsonObject nightLight(AppFixture& fixture)
{
    return fixture.desktop().state().value(QStringLiteral("night_light")).toObject();
}

// Steps the glide from neutral to the schedule to its end.
void glideToTheSchedule(App& app)
{
    for (int step = 0; step <= 40; ++step)
        app.return_colors_timeout();
}
} // namespace

class TestNightLightRoute : public QObject
{
    Q_OBJECT

private slots:
    void temperatureAndBrightnessFollowTheSchedule_data()
    {
        QTest::addColumn<QString>("time");
        QTest::addColumn<int>("temperature");
        QTest::addColumn<int>("brightness");
        QTest::newRow("night") << kNight << 3400 << 80;
        QTest::newRow("noon") << kNoon << 5000 << 100;
    }

    void temperatureAndBrightnessFollowTheSchedule()
    {
        QFETCH(QString, time);
        QFETCH(int, temperature);
        QFETCH(int, brightness);
        AppFixture fixture(desktopAt(time, kKWinWithBacklight));
        const QVector<int> ownRamp = fixture.ramp(1, "red");
        fixture.start(steppedSettings());
        glideToTheSchedule(fixture.app());
        const QJsonObject light = nightLight(fixture);
        QCOMPARE(light["temperature"].toInt(), temperature);
        QCOMPARE(light["brightness"].toInt(), brightness);
        QCOMPARE(fixture.app().current_temperature(), temperature);
        // Nothing goes through the monitors' ramps on this route.
        QCOMPARE(fixture.ramp(1, "red"), ownRamp);
        QCOMPARE(fixture.ramp(2, "red"), ownRamp);
    }

    void nightLightShowsTheFirstMonitorNotIgnored_data()
    {
        QTest::addColumn<QList<int>>("ignored");
        QTest::addColumn<int>("shown");
        QTest::newRow("none ignored: monitor 1") << QList<int>{} << 3000;
        QTest::newRow("monitor 1 ignored: monitor 2") << QList<int>{1} << 4000;
        QTest::newRow("both ignored: the user's own") << QList<int>{1, 2} << 5600;
    }

    void nightLightShowsTheFirstMonitorNotIgnored()
    {
        QFETCH(QList<int>, ignored);
        QFETCH(int, shown);
        AppFixture fixture(desktopAt(kNight, kKWinWithBacklight));
        SimDesktop& desktop = fixture.desktop();
        NightLightGamma gamma(*desktop.nightLight(), desktop.displays());
        RampSettings first;
        first.temperature = 3000;
        RampSettings second;
        second.temperature = 4000;
        QCOMPARE(gamma.set_temperature(first, ignored, 1), 0);
        QCOMPARE(gamma.set_temperature(second, ignored, 2), 0);
        QCOMPARE(nightLight(fixture)["temperature"].toInt(), shown);
    }

    void glideStepsTheNightLight()
    {
        AppFixture fixture(desktopAt(kNight, kKWinWithBacklight));
        fixture.start(steppedSettings());
        int previous = 6500;
        for (int step = 0; step < 20; ++step) {
            fixture.app().return_colors_timeout();
            const int shown = nightLight(fixture)["temperature"].toInt();
            QVERIFY(shown < previous);
            previous = shown;
        }
        QVERIFY(previous > 3400);
    }

    void userSettingsComeBackAtExit()
    {
        AppFixture fixture(desktopAt(kNight, kKWinWithBacklight));
        fixture.start(steppedSettings());
        glideToTheSchedule(fixture.app());
        QCOMPARE(nightLight(fixture)["holds"].toBool(), true);
        fixture.stop();
        const QJsonObject light = nightLight(fixture);
        QCOMPARE(light["holds"].toBool(), false);
        QCOMPARE(light["temperature"].toInt(), 5600);
        QCOMPARE(light["brightness"].toInt(), 70);
    }

    void pausedKavoGivesTheUserSettingsBack()
    {
        AppFixture fixture(desktopAt(kNight, kKWinWithBacklight));
        fixture.start(steppedSettings());
        glideToTheSchedule(fixture.app());
        fixture.app().color_output()->restore_gamma();
        QCOMPARE(nightLight(fixture)["temperature"].toInt(), 5600);
        QCOMPARE(nightLight(fixture)["holds"].toBool(), false);
    }

    void withoutBacklightOnlyTheTemperatureIsShown()
    {
        AppFixture fixture(desktopAt(kNight, kGnomeWithoutBacklight));
        fixture.start(steppedSettings());
        glideToTheSchedule(fixture.app());
        const QJsonObject light = nightLight(fixture);
        QCOMPARE(light["route"].toString(), QStringLiteral("gnome-night-light"));
        QCOMPARE(light["temperature"].toInt(), 3400);
        QVERIFY(light["brightness"].isNull());
        QCOMPARE(fixture.app().color_output()->gamma()->shows_brightness(), false);
    }

    void pagesSayWhatTheRouteCannotShow_data()
    {
        QTest::addColumn<QString>("nightLight");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<bool>("shown");
        const QString ramps = QStringLiteral("ramps_available");
        const QString backlight = QStringLiteral("brightness_available");
        QTest::newRow("no backlight")
            << kGnomeWithoutBacklight << "Brightness" << backlight << true;
        QTest::newRow("a backlight") << kKWinWithBacklight << "Brightness" << backlight << false;
        QTest::newRow("schemes") << kKWinWithBacklight << "Color Scheme" << ramps << true;
        QTest::newRow("effects") << kKWinWithBacklight << "Screen effects" << ramps << true;
        QTest::newRow("ramps: schemes") << QStringLiteral("{}") << "Color Scheme" << ramps << false;
        QTest::newRow("ramps: brightness")
            << QStringLiteral("{}") << "Brightness" << backlight << false;
    }

    void pagesSayWhatTheRouteCannotShow()
    {
        QFETCH(QString, nightLight);
        QFETCH(QString, page);
        QFETCH(QString, notice);
        QFETCH(bool, shown);
        AppFixture fixture(desktopAt(kNight, nightLight));
        fixture.start(steppedSettings({{"UiScale", 1}}));
        MainPage main(fixture.app());
        main.open(page);
        const QString element =
            QStringLiteral("document.querySelector('#page-host [data-setting=\"%1\"]')")
                .arg(notice);
        QVERIFY(main.js(element + QStringLiteral(" !== null")).toBool());
        QTRY_COMPARE(main.js(element + QStringLiteral(".hidden")).toBool(), !shown);
    }

    // GNOME without Kavo's GSettings part: the route says why no colour is shown, and the
    // user's own night light stays as it is.
    void anUnavailableNightLightSaysWhy()
    {
        const QString why = QStringLiteral("Kavo's part is missing");
        AppFixture fixture(
            desktopAt(kNight, QStringLiteral(R"({"route": "gnome-night-light", "temperature": 5600,
                                       "unavailable": "%1"})")
                                  .arg(why)));
        fixture.start(steppedSettings({}));
        glideToTheSchedule(fixture.app());
        Platform& platform = Platform::current();
        for (int monitor = 0; monitor < 2; ++monitor)
            QCOMPARE(platform.route(monitor), ColorRoute::none(why));
        QCOMPARE(platform.noColorRouteReason(), why);
        QCOMPARE(nightLight(fixture)["temperature"].toInt(), 5600);
        QCOMPARE(nightLight(fixture)["changes"].toInt(), 0);
    }

    void refusingNightLightIsNotTakenForAGammaRangeLimit()
    {
        AppFixture fixture(desktopAt(
            kNight, QStringLiteral(R"({"route": "kwin-night-colour", "refuses": true})")));
        fixture.start(steppedSettings());
        glideToTheSchedule(fixture.app());
        QCOMPARE(nightLight(fixture)["changes"].toInt(), 0);
        QCOMPARE(fixture.app().color_output()->is_gamma_failed(), false);
        QCOMPARE(fixture.desktop().state().value("elevated_commands").toArray().size(), 0);
    }
};

QTEST_MAIN(TestNightLightRoute)
#include "tst_night_light_route.moc"
