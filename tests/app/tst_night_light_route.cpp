// The controller on a desktop whose colours go through its own night light (KWin's night colour,
// GNOME's night light), played by the simulated desktop's night light.
#include "AppFixture.h"
#include "MainPage.h"
#include "SteppedColours.h"
#include "color/ColorOutput.h"

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

    void brightnessPageSaysWhenThereIsNoBacklight_data()
    {
        QTest::addColumn<QString>("nightLight");
        QTest::addColumn<bool>("noticeShown");
        QTest::newRow("no backlight") << kGnomeWithoutBacklight << true;
        QTest::newRow("a backlight") << kKWinWithBacklight << false;
    }

    void brightnessPageSaysWhenThereIsNoBacklight()
    {
        QFETCH(QString, nightLight);
        QFETCH(bool, noticeShown);
        AppFixture fixture(desktopAt(kNight, nightLight));
        fixture.start(steppedSettings({{"UiScale", 1}}));
        MainPage page(fixture.app());
        page.open(QStringLiteral("Brightness"));
        const QString notice = QStringLiteral(
            "document.querySelector('#page-host [data-setting=\"brightness_available\"]')");
        QVERIFY(page.js(notice + QStringLiteral(" !== null")).toBool());
        QTRY_COMPARE(page.js(notice + QStringLiteral(".hidden")).toBool(), !noticeShown);
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
