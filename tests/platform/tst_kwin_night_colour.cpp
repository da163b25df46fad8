// KDE Plasma's night colour on a real KWin 5.27 (kwin_wayland --virtual, headless, on a private
// session bus, with its own home and configuration folder): Kavo's temperature reaches KWin,
// and the user's own [NightColor] comes back after an exit, and after a kill -9 by the next
// start.
#include "HeadlessKWin.h"
#include "KavoColours.h"
#include "KavoProcess.h"
#include "platform/wayland/DesktopNightLights.h"
#include "platform/wayland/KConfigText.h"
#include "platform/wayland/KWinNightColour.h"
#include "platform/wayland/NightLightRecord.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <csignal>

namespace {
// KWin needs a few seconds on a loaded machine to come up, and two to glide to a temperature.
constexpr int kKWinStartMs = 120000;
constexpr int kKWinGlideMs = 30000;

const QByteArray kUserNightColor = "[NightColor]\n"
                                   "Active=true\n"
                                   "Mode=Constant\n"
                                   "NightTemperature=4500\n";

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The [NightColor] entries of a kwinrc text.
QByteArray nightColorOf(const QByteArray& kwinrc)
{
    const KConfigText text(kwinrc);
    QByteArray entries;
    for (const char* key : {"Active", "Mode", "NightTemperature"})
        entries += QByteArray(key) + '=' + text.value("NightColor", key).value_or("(none)") + '\n';
    return entries;
}
} // namespace

class TestKWinNightColour : public QObject
{
    Q_OBJECT

private:
    HeadlessKWin m_kwin{QStringLiteral("kavo-kwin-test")};
    QDBusConnection m_client{QString()};

    QString path(const QString& name) const { return m_kwin.path(name); }
    QString kwinrc() const { return path(QStringLiteral("config/kwinrc")); }

    uint kwinProperty(const char* name)
    {
        const KWinNightColour::Service service = KWinNightColour::find(m_client);
        if (!service.isValid())
            return 0;
        return KWinNightColour(m_client, service, kwinrc(), path(QStringLiteral("unused.json")),
                               nullptr)
            .property(QLatin1String(name))
            .toUInt();
    }

    // KWin writes kwinrc itself too (its tiling, its desktops), so the file as a whole is not
    // compared here: the user's night colour and the user's other groups are.
    bool hasTheUserSettings() const
    {
        const QByteArray now = readFile(kwinrc());
        const KConfigText text(now);
        return nightColorOf(now) == nightColorOf(kUserNightColor) &&
               text.value("Windows", "BorderlessMaximizedWindows") == QByteArray("true") &&
               text.value("Plugins", "blurEnabled") == QByteArray("false");
    }

    // Programs launched on `desktop` run on this KWin, with the user's kwinrc.
    void onThisKWin(KavoDesktop& desktop) const
    {
        const QProcessEnvironment session = m_kwin.environment();
        for (const char* name : {"DBUS_SESSION_BUS_ADDRESS", "HOME", "XDG_CONFIG_HOME"})
            desktop.setEnvironment(QLatin1String(name), session.value(QLatin1String(name)));
        desktop.setEnvironment(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
        desktop.setEnvironment(QStringLiteral("WAYLAND_DISPLAY"), m_kwin.socketPath());
        desktop.setEnvironment(QStringLiteral("DISPLAY"), QString());
        desktop.setEnvironment(QStringLiteral("KAVO_PLATFORM"), QStringLiteral("wayland"));
    }

    std::unique_ptr<INightLight> nextStart() { return DesktopNightLights::detect(m_client); }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_kwin.prepare(), qPrintable(m_kwin.problem()));
        QFile own(kwinrc());
        QVERIFY(own.open(QIODevice::WriteOnly));
        own.write("[Windows]\nBorderlessMaximizedWindows=true\n\n" + kUserNightColor +
                  "\n[Plugins]\nblurEnabled=false\n");
        own.close();

        m_client = m_kwin.connect(QStringLiteral("kavo"));
        QVERIFY2(m_kwin.start(), qPrintable(m_kwin.problem()));
        QTRY_VERIFY_WITH_TIMEOUT(KWinNightColour::find(m_client).isValid(), kKWinStartMs);
        QTRY_COMPARE_WITH_TIMEOUT(kwinProperty("targetTemperature"), 4500u, kKWinGlideMs);
        qputenv("XDG_CONFIG_HOME", path(QStringLiteral("config")).toUtf8());
        QCoreApplication::setApplicationName(QStringLiteral("Kavo"));
        QCoreApplication::setOrganizationName(QStringLiteral("Velmora"));
    }

    void cleanupTestCase() { m_kwin.stop(); }

    void temperatureReachesKWinAndTheUserSettingsComeBackAtExit()
    {
        const auto light = DesktopNightLights::detect(m_client);
        QVERIFY(light);
        QCOMPARE(light->route(), QStringLiteral("kwin-night-colour"));
        QVERIFY(light->setTemperature(3200));
        QTRY_COMPARE_WITH_TIMEOUT(kwinProperty("targetTemperature"), 3200u, kKWinGlideMs);
        QTRY_COMPARE_WITH_TIMEOUT(kwinProperty("currentTemperature"), 3200u, kKWinGlideMs);
        QCOMPARE(kwinProperty("mode"), 3u); // constant

        // A glide steps it.
        QVERIFY(light->setTemperature(3100));
        QTRY_COMPARE_WITH_TIMEOUT(kwinProperty("targetTemperature"), 3100u, kKWinGlideMs);

        light->restore();
        QVERIFY(hasTheUserSettings());
        QTRY_COMPARE_WITH_TIMEOUT(kwinProperty("targetTemperature"), 4500u, kKWinGlideMs);
        QTRY_COMPARE_WITH_TIMEOUT(kwinProperty("currentTemperature"), 4500u, kKWinGlideMs);
    }

    void killedKavoLeavesTheUserSettingsToTheNextStart()
    {
        QProcess holder;
        holder.setProcessEnvironment(m_kwin.environment());
        holder.start(QStringLiteral(NIGHT_LIGHT_HOLDER), {QStringLiteral("2900")});
        QVERIFY(holder.waitForStarted(30000));
        QTRY_VERIFY_WITH_TIMEOUT(holder.canReadLine() || holder.state() == QProcess::NotRunning,
                                 kKWinGlideMs);
        QCOMPARE(holder.readLine().trimmed(), QByteArray("held kwin-night-colour"));
        QTRY_COMPARE_WITH_TIMEOUT(kwinProperty("targetTemperature"), 2900u, kKWinGlideMs);

        ::kill(static_cast<pid_t>(holder.processId()), SIGKILL);
        QVERIFY(holder.waitForFinished(30000));
        QCOMPARE(nightColorOf(readFile(kwinrc())),
                 QByteArray("Active=true\nMode=Constant\nNightTemperature=2900\n"));

        // The next start, before it changes any colour.
        nextStart()->restore();
        QVERIFY(hasTheUserSettings());
        QTRY_COMPARE_WITH_TIMEOUT(kwinProperty("targetTemperature"), 4500u, kKWinGlideMs);
        QVERIFY(!QFile::exists(NightLightRecord::defaultPath(QStringLiteral("kwin-night-colour"))));
    }

    // The real kavo, its wayland backend on KWin (which offers no gamma protocol): the schedule
    // reaches the night colour, kavoctl names the route, and the user's own night colour comes
    // back when a killed Kavo's next start ends.
    void kavoOnKWinHoldsItsColoursThroughTheNightColour()
    {
        KavoDesktop desktop;
        onThisKWin(desktop);
        QDir().mkpath(desktop.path(QStringLiteral("settings")));
        QFile settings(desktop.settingsFile());
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("[General]\nSaveVersion=6\nIsFirstStart=false\n" +
                       steadyColourSettings(3000, 80));
        settings.close();

        auto kavo = desktop.launch();
        QVERIFY(kavo->waitForStarted(30000));
        QTRY_COMPARE_WITH_TIMEOUT(kwinProperty("targetTemperature"), 3000u, kKWinGlideMs);
        auto status = desktop.kavoctl({QStringLiteral("status")});
        const QJsonObject answer =
            QJsonDocument::fromJson(status->readAllStandardOutput()).object();
        const QJsonArray routes = answer[QStringLiteral("routes")].toArray();
        QVERIFY(!routes.isEmpty());
        for (const QJsonValue& monitor : routes)
            QCOMPARE(monitor.toObject()[QStringLiteral("route")].toString(),
                     QStringLiteral("kwin-night-colour"));

        ::kill(static_cast<pid_t>(kavo->processId()), SIGKILL);
        QVERIFY(kavo->waitForFinished(30000));
        const QString log = QString::fromUtf8(kavo->readAllStandardOutput());
        QVERIFY2(log.contains(QLatin1String("colours: kwin-night-colour")), qPrintable(log));
        QCOMPARE(nightColorOf(readFile(kwinrc())),
                 QByteArray("Active=true\nMode=Constant\nNightTemperature=3000\n"));

        auto next = desktop.launch();
        QVERIFY(next->waitForStarted(30000));
        // Up once its status answers.
        QTRY_COMPARE_WITH_TIMEOUT(desktop.kavoctl({QStringLiteral("status")})->exitCode(), 0,
                                  kKWinGlideMs);
        QTRY_COMPARE_WITH_TIMEOUT(kwinProperty("targetTemperature"), 3000u, kKWinGlideMs);
        next->terminate();
        QVERIFY(next->waitForFinished(30000));
        QVERIFY(hasTheUserSettings());
        QTRY_COMPARE_WITH_TIMEOUT(kwinProperty("targetTemperature"), 4500u, kKWinGlideMs);
    }

    // The night colour keeps kavoctl's temperature after kavoctl ends; reset gives the user's
    // own back.
    void kavoctlAppliesAndResetsThroughTheNightColour()
    {
        KavoDesktop desktop;
        onThisKWin(desktop);
        auto apply = desktop.kavoctl({QStringLiteral("apply"), QStringLiteral("--temperature"),
                                      QStringLiteral("3300"), QStringLiteral("--brightness"),
                                      QStringLiteral("80")});
        QCOMPARE(apply->exitCode(), 0);
        const QJsonObject answer = QJsonDocument::fromJson(apply->readAllStandardOutput()).object();
        QCOMPARE(answer[QStringLiteral("route")].toString(), QStringLiteral("kwin-night-colour"));
        QVERIFY(answer.contains(QStringLiteral("brightness_reason"))); // no backlight here
        QTRY_COMPARE_WITH_TIMEOUT(kwinProperty("targetTemperature"), 3300u, kKWinGlideMs);

        auto reset = desktop.kavoctl({QStringLiteral("reset")});
        QCOMPARE(reset->exitCode(), 0);
        QVERIFY(hasTheUserSettings());
        QTRY_COMPARE_WITH_TIMEOUT(kwinProperty("targetTemperature"), 4500u, kKWinGlideMs);
    }
};

QTEST_GUILESS_MAIN(TestKWinNightColour)
#include "tst_kwin_night_colour.moc"
