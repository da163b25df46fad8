#include "KavoColours.h"
#include "SwayDesktop.h"
#include "WaylandClientProcess.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QtTest>

namespace {
const QString kRefused = QStringLiteral("the compositor refused gamma control");
} // namespace

// Kavo on Debian's sway 1.7, headless: Qt's wayland platform or Xwayland draw its windows, the
// wayland backend talks to sway, and the headless output, which has no gamma, is reported as
// it is: route "none" with the reason, never the simulated desktop. Xwayland's ramps reach no
// screen: Kavo writes none and records none as a calibration. The overlay lies on sway's
// overlay layer, over every window.
class TestSway : public QObject
{
    Q_OBJECT

private:
    SwayDesktop m_sway;

    std::unique_ptr<QProcess> startKavo(const QString& qtPlatform, const QString& requested,
                                        const QByteArray& settings = {})
    {
        m_sway.writeSettings(steadyColourSettings(3000, 80) + settings);
        QProcessEnvironment environment = m_sway.environment();
        environment.insert("QT_QPA_PLATFORM", qtPlatform);
        if (!requested.isEmpty())
            environment.insert("KAVO_PLATFORM", requested);
        auto kavo = m_sway.launch(KAVO_BINARY, {}, environment);
        kavo->waitForStarted(10000);
        return kavo;
    }

    // kavoctl status once Kavo answers (it answers once its colours went out at start).
    void waitForStatus(QJsonObject& answer)
    {
        QTRY_VERIFY_WITH_TIMEOUT(
            (answer = QJsonDocument::fromJson(m_sway.run(KAVOCTL_BINARY, {"status"})).object())
                .value("running")
                .toBool(),
            30000);
    }

    static QString stop(QProcess& kavo)
    {
        kavo.terminate();
        if (!kavo.waitForFinished(20000))
            kavo.kill();
        return QString::fromUtf8(kavo.readAllStandardOutput());
    }

    // Xwayland's CRTC as xrandr describes it (its gamma and brightness lines).
    QString xwaylandGamma() const
    {
        const QString text = QString::fromLocal8Bit(m_sway.run("xrandr", {"--verbose"}));
        QStringList lines;
        for (const QString& line : text.split('\n')) {
            if (line.contains("Gamma:") || line.contains("Brightness:"))
                lines << line.trimmed();
        }
        return lines.join(" | ");
    }

private slots:
    void initTestCase()
    {
        QString problem;
        QVERIFY2(m_sway.start(&problem), qPrintable(problem));
    }

    void headlessOutputIsReportedAsItIs()
    {
        auto kavo = startKavo("wayland", {});
        QJsonObject answer;
        waitForStatus(answer);
        QCOMPARE(answer["platform"].toString(), QString("wayland"));
        const QJsonArray routes = answer["routes"].toArray();
        QCOMPARE(routes.size(), 1);
        const QJsonObject monitor = routes[0].toObject();
        QCOMPARE(monitor["output"].toString(), QString("HEADLESS-1"));
        QCOMPARE(monitor["route"].toString(), QString("none"));
        QVERIFY2(monitor["reason"].toString().contains(kRefused),
                 qPrintable(monitor["reason"].toString()));

        const QString log = stop(*kavo);
        // The manager was bound: the failure came from the output's control, once.
        QCOMPARE(log.count("Gamma control on HEADLESS-1 failed: " + kRefused), 1);
        QVERIFY2(log.contains(QRegularExpression(
                     "Platform: wayland \\(sway\\); colours: none on HEADLESS-1 \\(" + kRefused)),
                 qPrintable(log));
        QVERIFY(log.contains("This desktop offers Kavo no way to change colours: " + kRefused));
        QVERIFY(!log.contains("Platform: sim"));
    }

    void theOverlayLiesOverEveryWindow()
    {
        // A white window over the whole output, under Kavo's overlay: black at 40 % all day.
        QProcessEnvironment environment = m_sway.environment();
        environment.insert("QT_QPA_PLATFORM", "wayland");
        WaylandClientProcess client(environment, "kavo-under-overlay", {"--fullscreen"});
        QVERIFY(client.says("shown"));
        auto kavo = startKavo("wayland", {},
                              "UseOverlayScreen=true\nDayOpacity=40\nNightOpacity=40\n"
                              "DayDim=100\nNightDim=100\nOverlayScreenColor=9\n");
        const QPoint corner(40, 40);
        QColor seen;
        QTRY_VERIFY2_WITH_TIMEOUT(
            qAbs((seen = QImage::fromData(m_sway.run("grim", {"-l", "0", "-"}), "PNG")
                             .pixelColor(corner))
                     .green() -
                 153) <= 4,
            qPrintable(seen.name()), 60000);
        QCOMPARE(seen.red(), seen.green());
        // sway lists one window, the client's: the overlay is none.
        QVERIFY(!m_sway.run("swaymsg", {"-t", "get_tree"}).contains("OverlayScreen"));
        const QString log = stop(*kavo);
        QVERIFY2(!log.contains("No compositing manager blends translucent windows"),
                 qPrintable(log));
    }

    void xwaylandGetsNoRampAndGivesNoCalibration_data()
    {
        QTest::addColumn<QString>("requested");
        QTest::addColumn<QString>("platformLine");
        QTest::newRow("chosen by the session") << ""
                                               << "Platform: wayland (sway)";
        QTest::newRow("x11 asked for") << "x11"
                                       << "Platform: x11 (Xwayland); colours: none";
    }

    void xwaylandGetsNoRampAndGivesNoCalibration()
    {
        QFETCH(QString, requested);
        QFETCH(QString, platformLine);
        // The first X client starts Xwayland; its CRTC's ramp is what it is.
        const QString before = xwaylandGamma();
        QVERIFY2(before.contains("Gamma:"), qPrintable(before));

        auto kavo = startKavo("xcb", requested);
        QJsonObject answer;
        waitForStatus(answer);
        for (const QJsonValue& monitor : answer["routes"].toArray())
            QCOMPARE(monitor.toObject()["route"].toString(), QString("none"));
        QCOMPARE(xwaylandGamma(), before);
        QVERIFY(!QFile::exists(m_sway.kavoRuntimeFile(".calibration")));

        const QString log = stop(*kavo);
        QVERIFY2(log.contains(platformLine), qPrintable(log));
        QCOMPARE(xwaylandGamma(), before);
        QVERIFY(!QFile::exists(m_sway.kavoRuntimeFile(".calibration")));
    }
};

QTEST_GUILESS_MAIN(TestSway)
#include "tst_sway.moc"
