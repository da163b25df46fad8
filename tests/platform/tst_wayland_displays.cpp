#include "TestCompositor.h"
#include "color/WindowsGamma.h"
#include "platform/sim/SimDesktop.h"
#include "platform/wayland/WaylandConnection.h"
#include "platform/wayland/WaylandDisplays.h"
#include "platform/x11/X11Displays.h"

#include <QSignalSpy>
#include <QtTest>

#include <unistd.h>

namespace {
// The compositor's table for a 256-entry ramp, as X11Displays resamples it for a CRTC.
QByteArray x11Table(const GammaRamp& ramp, int size)
{
    QByteArray table;
    for (int c = 0; c < 3; ++c) {
        const QVector<quint16> levels = X11Displays::resample(ramp.channel(c).data(), 256, size);
        table.append(reinterpret_cast<const char*>(levels.constData()), 2 * size);
    }
    return table;
}

// The ramp Kavo's gamma device gives monitor `index` of `displays` for `settings`.
void applyThroughGammaDevice(IDisplays& displays, const RampSettings& settings)
{
    WindowsGamma gamma(displays);
    gamma.init();
    gamma.save_current_ramps();
    QCOMPARE(gamma.set_temperature(settings, {}, 0), 0);
}
} // namespace

// Kavo's own connection to a compositor that offers wlr-gamma-control: the ramps it sends,
// outputs that come and go, a control that fails, and what the end of the connection gives
// back.
class TestWaylandDisplays : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestCompositor> m_compositor;
    std::unique_ptr<WaylandConnection> m_connection;

    std::unique_ptr<WaylandDisplays> connect()
    {
        QString problem;
        m_connection = WaylandConnection::open(&problem, m_compositor->socketPath());
        if (!m_connection)
            qWarning() << problem;
        return std::make_unique<WaylandDisplays>(m_connection.get(), problem);
    }

    static QStringList names(const IDisplays& displays)
    {
        QStringList names;
        for (int i = 0; i < displays.monitorCount(); ++i)
            names << displays.monitorIdentity(i).output;
        return names;
    }

private slots:
    void init()
    {
        m_compositor = std::make_unique<TestCompositor>();
        QVERIFY(m_compositor->start());
        m_compositor->addOutput({"DP-1", QRect(0, 0, 1920, 1080), 256});
        m_compositor->addOutput({"HDMI-A-1", QRect(1920, 0, 1280, 1024), 1024});
    }

    void cleanup()
    {
        m_connection.reset();
        m_compositor.reset();
    }

    void ramps_matchX11_data()
    {
        QTest::addColumn<int>("temperature");
        QTest::addColumn<int>("percent");
        QTest::newRow("daylight") << 6500 << 100;
        QTest::newRow("evening") << 3400 << 85;
        QTest::newRow("candle, dim") << 1900 << 40;
        QTest::newRow("cool, bright") << 9000 << 120;
    }

    // Both outputs get, byte for byte, the tables the X11 path loads into CRTCs of the same
    // sizes, starting from the identity that the protocol leaves each output with.
    void ramps_matchX11()
    {
        QFETCH(int, temperature);
        QFETCH(int, percent);
        const RampSettings settings{temperature, 1.0f, 1.0f, 1.0f, percent / 100.0f};
        auto displays = connect();
        QCOMPARE(names(*displays), QStringList({"DP-1", "HDMI-A-1"}));
        QCOMPARE(displays->monitorGeometries(),
                 QVector<QRect>({QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)}));
        QCOMPARE(displays->route(1).name, QString("wlr-gamma-control"));
        applyThroughGammaDevice(*displays, settings);

        QTemporaryDir dir;
        SimDesktop x11Like(dir.filePath("absent.json"), QString());
        applyThroughGammaDevice(x11Like.displays(), settings);
        GammaRamp expected;
        QVERIFY(x11Like.displays().readRamp(0, expected));

        QTRY_COMPARE(m_compositor->writes().size(), 2);
        const QVector<TestCompositor::GammaWrite> writes = m_compositor->writes();
        QCOMPARE(writes[0].output, QString("DP-1"));
        QCOMPARE(writes[0].table, x11Table(expected, 256));
        QCOMPARE(writes[1].output, QString("HDMI-A-1"));
        QCOMPARE(writes[1].table.size(), 6 * 1024);
        QCOMPARE(writes[1].table, x11Table(expected, 1024));
        QCOMPARE(writes[1].client, QCoreApplication::applicationPid());
    }

    void outputsComeAndGo()
    {
        auto displays = connect();
        QSignalSpy changed(&displays->events(), &DisplayEvents::monitorsChanged);
        m_compositor->addOutput({"DP-2", QRect(3200, 0, 800, 600), 512});
        QTRY_COMPARE(displays->monitorCount(), 3);
        QTRY_VERIFY(displays->hasGamma(2));
        QCOMPARE(names(*displays), QStringList({"DP-1", "HDMI-A-1", "DP-2"}));
        QVERIFY(changed.count() >= 1);
        QVERIFY(displays->writeRamp(2, GammaRamp::identity()));
        QTRY_COMPARE(m_compositor->writes().size(), 1);
        QCOMPARE(m_compositor->writes().constLast().table.size(), 6 * 512);

        const int before = changed.count();
        m_compositor->removeOutput("DP-1");
        QTRY_COMPARE(displays->monitorCount(), 2);
        QTRY_VERIFY(changed.count() > before);
        QCOMPARE(names(*displays), QStringList({"HDMI-A-1", "DP-2"}));
        QCOMPARE(displays->monitorGeometries().constFirst(), QRect(1920, 0, 1280, 1024));
    }

    // An output whose control fails is left out and said so, and asked again when the outputs
    // change; the others keep their colours.
    void failedControlIsSkippedAndTriedAgain()
    {
        m_compositor->setRefusesGamma("HDMI-A-1", true);
        auto displays = connect();
        QCOMPARE(displays->monitorCount(), 2);
        QVERIFY(displays->hasGamma(0));
        QVERIFY(!displays->hasGamma(1));
        QVERIFY(!displays->writeRamp(1, GammaRamp::identity()));
        GammaRamp ramp;
        QVERIFY(!displays->readRamp(1, ramp));
        const ColorRoute route = displays->route(1);
        QCOMPARE(route.name, QString("none"));
        QVERIFY2(route.reason.contains("refused gamma control"), qPrintable(route.reason));

        m_compositor->setRefusesGamma("HDMI-A-1", false);
        m_compositor->addOutput({"DP-3", QRect(0, 1080, 640, 480), 256});
        QTRY_VERIFY(displays->hasGamma(1));
        QCOMPARE(displays->route(1).name, QString("wlr-gamma-control"));
        QVERIFY(displays->writeRamp(1, GammaRamp::identity()));
        QTRY_COMPARE(m_compositor->writes().size(), 1);
        QCOMPARE(m_compositor->writes().constFirst().output, QString("HDMI-A-1"));
    }

    // One client at a time holds an output: a second one is refused, and gets it once the
    // first connection has ended and the compositor has put the tables back.
    void endOfConnectionRestoresAndFreesTheOutputs()
    {
        auto displays = connect();
        QTRY_COMPARE(m_compositor->controlCount(), 2);
        QString problem;
        auto second = WaylandConnection::open(&problem, m_compositor->socketPath());
        QVERIFY(second);
        {
            WaylandDisplays refused(second.get());
            QVERIFY(!refused.hasGamma(0));
            QVERIFY(refused.route(0).isNone());
        }
        displays.reset();
        m_connection.reset();
        QTRY_COMPARE(m_compositor->restoredCount("DP-1"), 1);
        QCOMPARE(m_compositor->restoredCount("HDMI-A-1"), 1);
        WaylandDisplays next(second.get());
        QVERIFY(next.hasGamma(0));
    }

    void withoutCompositorThereAreNoMonitors()
    {
        const QString socket = m_compositor->socketPath() + "-absent";
        QString problem;
        QVERIFY(!WaylandConnection::open(&problem, socket));
        QVERIFY(problem.contains(socket));
        WaylandDisplays displays(nullptr, problem);
        QCOMPARE(displays.monitorCount(), 0);
        QCOMPARE(displays.route(0), ColorRoute::none(problem));
    }

    // The tables go out as the protocol wants them: red, green, blue, each `size` entries.
    void tableLayout()
    {
        GammaRamp ramp;
        for (int i = 0; i < GammaRamp::kSize; ++i) {
            ramp.red[i] = quint16(i);
            ramp.green[i] = quint16(1000 + i);
            ramp.blue[i] = quint16(2000 + i);
        }
        const QByteArray table = WaylandDisplays::gammaTable(ramp, 256);
        QCOMPARE(table.size(), 6 * 256);
        const auto* levels = reinterpret_cast<const quint16*>(table.constData());
        QCOMPARE(levels[0], quint16(0));
        QCOMPARE(levels[255], quint16(255));
        QCOMPARE(levels[256], quint16(1000));
        QCOMPARE(levels[767], quint16(2255));

        const int fd = WaylandDisplays::sealedFile(table);
        QVERIFY(fd >= 0);
        QByteArray read(table.size(), Qt::Uninitialized);
        QCOMPARE(pread(fd, read.data(), size_t(read.size()), 0), ssize_t(table.size()));
        QCOMPARE(read, table);
        // Sealed: nothing can change the tables under the compositor.
        QVERIFY(ftruncate(fd, 0) != 0);
        close(fd);
    }
};

QTEST_GUILESS_MAIN(TestWaylandDisplays)
#include "tst_wayland_displays.moc"
