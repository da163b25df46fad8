#include "DefaultSettings.h"
#include "platform/Platform.h"
#include "platform/sim/SimDesktop.h"
#include "schedule/ClockPosition.h"
#include "schedule/SolarPosition.h"
#include "schedule/TransitionPreview.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
struct Applied
{
    int temperature;
    float brightness;
    int monitor;
};

const char kEvening[] = "2026-06-10T21:45:00+02:00";

double evening()
{
    return static_cast<double>(
        QDateTime::fromString(QLatin1String(kEvening), Qt::ISODate).toMSecsSinceEpoch());
}
} // namespace

class TestPreview : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    SettingsMap m_settings;
    Location m_location; // unknown: the clock schedule, night 20:00-06:00 by default
    bool m_automationPaused = false;
    int m_temperature = 6500;
    int m_brightness = 100;
    QList<Applied> m_applied;
    int m_gammaUpdates = 0;
    int m_statusUpdates = 0;

    std::unique_ptr<TransitionSchedule> m_schedule;
    std::unique_ptr<TransitionPreview> m_preview;

    void installDesktop(int monitors)
    {
        QJsonArray screens;
        for (int i = 0; i < monitors; ++i)
            screens.append(QJsonObject{{"x", 800 * i}, {"y", 0}, {"width", 800}, {"height", 600}});
        const QJsonObject clock{{"now", QLatin1String(kEvening)}, {"running", false}};
        QSaveFile config(m_dir.filePath(QStringLiteral("desktop.json")));
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write(QJsonDocument(QJsonObject{{"clock", clock}, {"monitors", screens}}).toJson());
        QVERIFY(config.commit());
        Platform::install(std::make_unique<SimDesktop>(config.fileName(), QString()));
    }

private slots:
    void init()
    {
        installDesktop(2);
        m_settings = defaultSettings();
        m_settings.insert(QStringLiteral("SmoothColorsUpdateInterval"), 1);
        m_automationPaused = false;
        m_temperature = 6500;
        m_brightness = 100;
        m_applied.clear();
        m_gammaUpdates = 0;
        m_statusUpdates = 0;
        m_schedule = std::make_unique<TransitionSchedule>(m_settings, m_location);
        PreviewHooks hooks;
        hooks.applyColors = [this](int temperature, float brightness, int monitor) {
            m_applied.append({temperature, brightness, monitor});
        };
        hooks.updateGamma = [this] { ++m_gammaUpdates; };
        hooks.updateKavoStatus = [this] { ++m_statusUpdates; };
        m_preview = std::make_unique<TransitionPreview>(
            *m_schedule, m_settings,
            ControllerColors{m_automationPaused, m_temperature, m_brightness}, hooks);
    }

    void cleanup()
    {
        m_preview.reset();
        m_schedule.reset();
        Platform::uninstall();
    }

    void previewPlaysADayInFiveMinuteSteps()
    {
        m_preview->preview_transitions();
        QVERIFY(m_automationPaused);
        QTRY_VERIFY_WITH_TIMEOUT(!m_preview->isRunning(), 20000);
        QVERIFY(!m_automationPaused);
        QCOMPARE(m_gammaUpdates, 1);
        QCOMPARE(m_applied.size(), 288);
        QCOMPARE(m_statusUpdates, 289);
        for (int step : {0, 1, 100, 287}) {
            const double time = evening() + step * TransitionPreview::kStepMs;
            QCOMPARE(m_applied.at(step).temperature,
                     static_cast<int>(m_schedule->temperatureAt(time, 0)));
            QCOMPARE(m_applied.at(step).monitor, 0);
        }
        // 21:45 is deep in the night; the preview passes through the day (5000 K) and back.
        QCOMPARE(m_applied.first().temperature, 3400);
        QVERIFY(std::any_of(m_applied.begin(), m_applied.end(),
                            [](const Applied& a) { return a.temperature == 5000; }));
        QCOMPARE(m_temperature, m_applied.last().temperature);
    }

    void stopEndsThePreviewAtTheNextTick()
    {
        m_preview->preview_transitions();
        QTRY_VERIFY(m_applied.size() >= 3);
        m_preview->stop_preview_transitions();
        QTRY_VERIFY(!m_preview->isRunning());
        QVERIFY(m_applied.size() < 288);
        QVERIFY(!m_automationPaused);
        QCOMPARE(m_gammaUpdates, 1);
    }

    void resumingAutomationEndsThePreview()
    {
        m_preview->preview_transitions();
        QTRY_VERIFY(m_applied.size() >= 3);
        m_automationPaused = false;
        const int applied = m_applied.size();
        QTRY_VERIFY(!m_preview->isRunning());
        QVERIFY(m_applied.size() <= applied + 1);
        QCOMPARE(m_gammaUpdates, 1);
    }

    void negativeIntervalStillFinishes()
    {
        m_settings.insert(QStringLiteral("SmoothColorsUpdateInterval"), -5);
        m_preview->preview_transitions();
        QVERIFY(m_preview->isRunning());
        m_preview->stop_preview_transitions();
        QTRY_VERIFY(!m_preview->isRunning());
        QVERIFY(!m_automationPaused);
    }

    void perMonitorPreviewUsesEachMonitorsKeys()
    {
        m_settings.insert(QStringLiteral("UsePerMonitorSettings"), true);
        m_settings.insert(QStringLiteral("NightTemperature1"), 3000);
        m_settings.insert(QStringLiteral("NightTemperature2"), 2500);
        m_settings.insert(QStringLiteral("NightBrightness1"), 70);
        m_settings.insert(QStringLiteral("NightBrightness2"), 60);
        m_preview->preview_transition_at(evening());
        QCOMPARE(m_applied.size(), 2);
        QCOMPARE(m_applied.at(0).monitor, 1);
        QCOMPARE(m_applied.at(0).temperature, 3000);
        QCOMPARE(m_applied.at(1).monitor, 2);
        QCOMPARE(m_applied.at(1).temperature, 2500);
        QCOMPARE(m_applied.at(1).brightness, 0.6f);
        QCOMPARE(m_temperature, 2500);
        QCOMPARE(m_brightness, 60);
    }

    void sliderPreviewOnlyWhileAutomationIsPaused()
    {
        m_preview->preview_temperature(4200, 1);
        QVERIFY(m_applied.isEmpty());
        m_automationPaused = true;
        m_preview->preview_temperature(4200, 1);
        m_preview->preview_brightness(55);
        QCOMPARE(m_applied.size(), 2);
        QCOMPARE(m_applied.at(0).temperature, 4200);
        QCOMPARE(m_applied.at(0).brightness, 1.0f);
        QCOMPARE(m_applied.at(0).monitor, 1);
        QCOMPARE(m_applied.at(1).temperature, 4200);
        QCOMPARE(m_applied.at(1).brightness, 0.55f);
        QCOMPARE(m_applied.at(1).monitor, 0);
        QCOMPARE(m_brightness, 55);
    }

    void positionsReadThePlatformClock()
    {
        ClockPosition clock;
        SolarPosition solar;
        QCOMPARE(ClockPosition::instance(), &clock);
        QCOMPARE(SolarPosition::instance(), &solar);

        ClockInterpolationValues values;
        values.night_start_hours = 22;
        values.night_end_hours = 7;
        values.night_transition = 1800;
        values.night_value = 1.0f;
        QCOMPARE(clock.interpolate_now(values), 0.5f);

        SunCalculator calculator;
        calculator.set(52.52, 13.405, evening(), 0);
        QCOMPARE(SolarPosition::sunrise(calculator, -1.0),
                 SolarPosition::sunrise(calculator, evening()));
        QCOMPARE(SolarPosition::sunset(calculator, -1.0),
                 SolarPosition::sunset(calculator, evening()));
    }
};

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
