#include "platform/Platform.h"
#include "platform/linux/XdgRegistry.h"
#include "platform/sim/CompactJson.h"
#include "platform/sim/SimDesktop.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestPlatform : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.filePath(name); }

    void writeJson(const QString& file, const QByteArray& json)
    {
        QSaveFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(json);
        QVERIFY(out.commit());
    }

    static QJsonObject readJson(const QString& file)
    {
        QFile in(file);
        if (!in.open(QIODevice::ReadOnly))
            return {};
        return QJsonDocument::fromJson(in.readAll()).object();
    }

private slots:
    void stateTextReadsBackAsWritten_data()
    {
        QTest::addColumn<QJsonObject>("object");
        QTest::newRow("ramp levels") << QJsonObject{{"red", QJsonArray{0, 256, 65535}}};
        QTest::newRow("numbers") << QJsonObject{
            {"a", -3}, {"b", 0.25}, {"c", 1781120700000.0}, {"d", -1e-7}, {"e", 1e300}};
        QTest::newRow("texts") << QJsonObject{
            {"quote \"and\" slash \\", "tab\tline\n\u0001"},
            {"unicode", QString::fromUtf8("Fen\xc3\xaatre \xe2\x9c\x93")}};
        QTest::newRow("nesting") << QJsonObject{
            {"windows", QJsonArray{QJsonObject{{"visible", true}, {"title", QJsonValue()}},
                                   QJsonArray{}, QJsonObject{}}},
            {"empty", false}};
    }

    void stateTextReadsBackAsWritten()
    {
        QFETCH(QJsonObject, object);
        QJsonParseError error{};
        const QJsonDocument read = QJsonDocument::fromJson(CompactJson::toBytes(object), &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(read.object(), object);
    }

    // The session decides, not how Qt draws: columns are KAVO_PLATFORM, Qt's platform,
    // WAYLAND_DISPLAY, DISPLAY and XDG_SESSION_TYPE.
    void selectsBackend_data()
    {
        QTest::addColumn<QString>("requested");
        QTest::addColumn<QString>("qt");
        QTest::addColumn<QString>("wayland");
        QTest::addColumn<QString>("x11");
        QTest::addColumn<QString>("session");
        QTest::addColumn<QString>("backend");
        QTest::addColumn<QString>("message"); // a part of it; empty: no message
        // clang-format off
        QTest::newRow("X11 session") << "" << "xcb" << "" << ":0" << "x11" << "x11" << "";
        QTest::newRow("X11 without a session type") << "" << "xcb" << "" << ":0" << "" << "x11" << "";
        QTest::newRow("Wayland drawn by Qt's wayland")
            << "" << "wayland" << "wayland-0" << ":0" << "wayland" << "wayland" << "";
        QTest::newRow("Wayland drawn through Xwayland")
            << "" << "xcb" << "wayland-0" << ":0" << "wayland" << "wayland" << "";
        QTest::newRow("Wayland display without a session type")
            << "" << "xcb" << "wayland-1" << ":1" << "" << "wayland" << "";
        QTest::newRow("Wayland session type without a display name")
            << "" << "xcb" << "" << ":0" << "wayland" << "wayland" << "";
        QTest::newRow("Qt with options") << "" << "wayland:foo" << "w" << "" << "" << "wayland" << "";
        QTest::newRow("offscreen in a Wayland session")
            << "" << "offscreen" << "wayland-0" << ":0" << "wayland" << "sim" << "";
        QTest::newRow("minimal") << "" << "minimal" << "" << ":0" << "x11" << "sim" << "";
        QTest::newRow("sim asked in an X11 session") << "sim" << "xcb" << "" << ":0" << "x11" << "sim" << "";
        QTest::newRow("x11 asked on Xwayland")
            << "x11" << "xcb" << "wayland-0" << ":0" << "wayland" << "x11" << "";
        QTest::newRow("wayland asked offscreen")
            << "wayland" << "offscreen" << "" << "" << "" << "wayland" << "";
        QTest::newRow("unknown request in a Wayland session")
            << "mir" << "wayland" << "wayland-0" << "" << "" << "wayland" << "Unknown KAVO_PLATFORM \"mir\"";
        QTest::newRow("unknown request offscreen")
            << "x12" << "offscreen" << "" << "" << "" << "sim" << "use sim, x11 or wayland";
        QTest::newRow("no display at all")
            << "" << "vnc" << "" << "" << "" << "" << "no X display and no Wayland display";
        QTest::newRow("tty session") << "" << "eglfs" << "" << "" << "tty" << ""
                                     << "DISPLAY and WAYLAND_DISPLAY are empty";
        // clang-format on
    }

    void selectsBackend()
    {
        QFETCH(QString, requested);
        QFETCH(QString, qt);
        QFETCH(QString, wayland);
        QFETCH(QString, x11);
        QFETCH(QString, session);
        QFETCH(QString, backend);
        QFETCH(QString, message);
        const BackendChoice choice =
            Platform::selectBackend({requested, qt, wayland, x11, session});
        QCOMPARE(choice.backend, backend);
        if (message.isEmpty())
            QVERIFY2(choice.message.isEmpty(), qPrintable(choice.message));
        else
            QVERIFY2(choice.message.contains(message), qPrintable(choice.message));
    }

    void readsMonitorsAndCapabilities()
    {
        writeJson(path("monitors.json"), R"({
            "monitors": [{"x": 0, "y": 0, "width": 1920, "height": 1080},
                         {"x": 1920, "y": 0, "width": 2560, "height": 1440}],
            "capabilities": {"magnifier": true}})");
        SimDesktop sim(path("monitors.json"), path("monitors-state.json"));
        QCOMPARE(sim.displays().monitorCount(), 2);
        QCOMPARE(sim.displays().monitorGeometries().at(1), QRect(1920, 0, 2560, 1440));
        QVERIFY(sim.has(Capability::Magnifier));
        // Unnamed capabilities answer as the X11 desktop does.
        QVERIFY(!sim.has(Capability::TaskbarButtons));
        QVERIFY(sim.has(Capability::GammaRampsPreferred));
        const QJsonArray monitors = readJson(path("monitors-state.json"))["monitors"].toArray();
        QCOMPARE(monitors.size(), 2);
        QCOMPARE(monitors[1].toObject()["width"].toInt(), 2560);
    }

    void missingOrBrokenConfigKeepsADesktop()
    {
        SimDesktop none(path("absent.json"), path("absent-state.json"));
        QCOMPARE(none.displays().monitorCount(), 1);
        // The state written beside a config that is not there is no reason to read it again.
        QSignalSpy reloaded(&none, &SimDesktop::configReloaded);
        none.writeState();
        QTest::qWait(200);
        QCOMPARE(reloaded.count(), 0);

        writeJson(path("broken.json"),
                  R"({"monitors": [{"x": 0, "y": 0, "width": 800, "height": 600}]})");
        SimDesktop sim(path("broken.json"), QString());
        writeJson(path("broken.json"), "{ not json");
        sim.reloadConfig();
        QCOMPARE(sim.displays().monitorGeometries(), QVector<QRect>{QRect(0, 0, 800, 600)});
    }

    void impossibleConfigIsReportedAndIgnored_data()
    {
        QTest::addColumn<QByteArray>("monitors");
        const QByteArray many =
            "[" + QByteArray("{\"width\": 800, \"height\": 600},").repeated(20000).chopped(1) + "]";
        QTest::newRow("20,000 monitors") << many;
        QTest::newRow("17 monitors")
            << "[" + QByteArray("{\"width\": 800, \"height\": 600},").repeated(17).chopped(1) + "]";
        QTest::newRow("x past the edge of int")
            << QByteArray(R"([{"x": 2147483000, "y": 0, "width": 2000, "height": 600}])");
        QTest::newRow("width past the edge of int")
            << QByteArray(R"([{"x": 10, "y": 0, "width": 2147483647, "height": 600}])");
        QTest::newRow("huge negative y")
            << QByteArray(R"([{"x": 0, "y": -1e300, "width": 800, "height": 600}])");
        QTest::newRow("x past 32767")
            << QByteArray(R"([{"x": 32768, "width": 800, "height": 600}])");
        QTest::newRow("zero height") << QByteArray(R"([{"width": 800, "height": 0}])");
        QTest::newRow("fractional width") << QByteArray(R"([{"width": 800.5, "height": 600}])");
        QTest::newRow("size as text") << QByteArray(R"([{"width": "800", "height": 600}])");
        QTest::newRow("monitor not an object") << QByteArray(R"([42])");
        QTest::newRow("monitors not an array") << QByteArray(R"({"width": 800})");
    }

    // Whatever the config says, the desktop stays as it was and nothing overflows (the
    // sanitizer build runs this too).
    void impossibleConfigIsReportedAndIgnored()
    {
        QFETCH(QByteArray, monitors);
        writeJson(path("impossible.json"),
                  R"({"monitors": [{"x": -32767, "y": 0, "width": 32767, "height": 600}]})");
        SimDesktop sim(path("impossible.json"), QString());
        writeJson(path("impossible.json"), "{\"monitors\": " + monitors + "}");
        sim.reloadConfig();
        QCOMPARE(sim.displays().monitorGeometries(), QVector<QRect>{QRect(-32767, 0, 32767, 600)});

        SimDesktop fresh(path("impossible.json"), QString());
        QCOMPARE(fresh.displays().monitorCount(), 1);
    }

    void fixedAndRunningClock()
    {
        writeJson(path("clock.json"),
                  R"({"clock": {"now": "2026-06-10T21:45:00+02:00", "running": false}})");
        SimDesktop sim(path("clock.json"), QString());
        const qint64 expected =
            QDateTime::fromString("2026-06-10T19:45:00Z", Qt::ISODate).toMSecsSinceEpoch();
        QCOMPARE(sim.clock().nowMs(), expected);

        writeJson(path("clock.json"), R"({"clock": {"now": 1000, "running": true}})");
        sim.reloadConfig();
        QVERIFY(sim.clock().nowMs() >= 1000);
        QVERIFY(sim.clock().nowMs() < 1000 + 60000);
    }

    void rereadsConfigWhenItChanges()
    {
        writeJson(path("live.json"),
                  R"({"monitors": [{"x": 0, "y": 0, "width": 800, "height": 600}]})");
        SimDesktop sim(path("live.json"), path("live-state.json"));
        QSignalSpy reloaded(&sim, &SimDesktop::configReloaded);
        writeJson(path("live.json"), R"({"monitors": [{"x": 0, "y": 0, "width": 800, "height": 600},
                                                       {"x": 800, "y": 0, "width": 800, "height": 600}]})");
        QTRY_COMPARE(sim.displays().monitorCount(), 2);
        QTRY_COMPARE(readJson(path("live-state.json"))["monitors"].toArray().size(), 2);
        // Writing the state beside the config does not count as a config change.
        const int reloads = reloaded.count();
        sim.writeState();
        QTest::qWait(200);
        QCOMPARE(reloaded.count(), reloads);
    }

    void registryIsSeededAndReported()
    {
        writeJson(path("registry.json"), R"({"registry": {
            "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\ICM": {"GdiIcmGammaRange": 256}}})");
        SimDesktop sim(path("registry.json"), path("registry-state.json"));
        IRegistry& registry = sim.registry();
        QCOMPARE(
            registry
                .value("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\ICM",
                       "GdiIcmGammaRange")
                .toInt(),
            256);
        QVERIFY(registry.setStartupProgram("Kavo", "/opt/kavo/kavo"));
        QCOMPARE(registry.startupProgram("Kavo"), QString("/opt/kavo/kavo"));
        const QJsonObject keys = readJson(path("registry-state.json"))["registry"].toObject();
        QCOMPARE(keys["HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run"]
                     .toObject()["Kavo"]
                     .toString(),
                 QString("\"/opt/kavo/kavo\""));
        QVERIFY(registry.removeStartupProgram("Kavo"));
        QVERIFY(registry.startupProgram("Kavo").isEmpty());
    }

    void x11StartsWithTheSessionThroughAutostart()
    {
        qputenv("XDG_CONFIG_HOME", m_dir.filePath("xdg").toUtf8());
        XdgRegistry registry;
        QVERIFY(registry.startupProgram("Kavo").isEmpty());
        const QString program = "/opt/my apps/kavo";
        QVERIFY(registry.setStartupProgram("Kavo", program));
        QCOMPARE(registry.startupProgram("Kavo"), program);

        QFile file(m_dir.filePath("xdg/autostart/Kavo.desktop"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString entry = QString::fromUtf8(file.readAll());
        QVERIFY(entry.startsWith("[Desktop Entry]\n"));
        QVERIFY(entry.contains("\nExec=\"/opt/my apps/kavo\"\n"));
        QVERIFY(entry.contains("\nType=Application\n"));
        file.close();

        QVERIFY(registry.removeStartupProgram("Kavo"));
        QVERIFY(!file.exists());
        QVERIFY(registry.removeStartupProgram("Kavo"));
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
