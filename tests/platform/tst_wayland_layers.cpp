// Kavo's layer surfaces on a real wlroots compositor (Debian's sway 1.7, headless, run as an
// unprivileged user): overlay windows drawn over every window, which let every click through,
// and the strict break's hold on the keyboard. The same executable is the child process that a
// few cases start: an overlay shown through Qt's own Wayland connection, a keyboard grab that
// is killed.
#include "HeadlessSway.h"
#include "VirtualPointer.h"
#include "WaylandClientProcess.h"
#include "platform/wayland/LayerKeyboardGrab.h"
#include "platform/wayland/LayerMirror.h"
#include "platform/wayland/LayerShell.h"
#include "platform/wayland/ScreenOutputs.h"
#include "platform/wayland/WaylandConnection.h"
#include "platform/wayland/WaylandDisplays.h"
#include "platform/wayland/WaylandGlobals.h"
#include "platform/wayland/WaylandOverlays.h"
#include "platform/wayland/XkbKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QtTest>

#include <xkbcommon/xkbcommon-keysyms.h>

#include <cstdio>
#include <memory>

namespace {
constexpr int kWaitMs = 60000;
// The output has the size of Qt's offscreen screen, which the in-process windows are on.
const QRect kOutput(0, 0, 800, 600);
const QRect kClearArea(400, 300, 100, 100);
// Where the pixels are read: away from the cursor, which sway draws into the picture.
const QPoint kTinted(250, 420);
const QPoint kRightOfMiddle(500, 420);
const QPoint kClear(450, 350);

void say(const QByteArray& line)
{
    std::fputs(line.constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// An overlay of one colour with a clear rectangle, frameless and translucent as Kavo's own.
class TintWindow : public QWidget
{
public:
    TintWindow(const QRect& geometry, const QColor& colour)
        : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint), m_colour(colour)
    {
        setAttribute(Qt::WA_TranslucentBackground);
        setGeometry(geometry);
    }

    void setColour(const QColor& colour)
    {
        m_colour = colour;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(rect(), m_colour);
        painter.fillRect(kClearArea.translated(-pos()), Qt::transparent);
    }

private:
    QColor m_colour;
};

// A window that keeps the text of the keys it gets.
class KeyRecorder : public QWidget
{
public:
    QString typed;
    std::function<void(const QString&)> heard;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        typed += event->text();
        if (heard)
            heard(event->text());
    }
};

// `colour` (with its alpha) over a white window, as the compositor blends it.
QColor overWhite(const QColor& colour)
{
    const auto blend = [&](int channel) {
        return (channel * colour.alpha() + 255 * (255 - colour.alpha()) + 127) / 255;
    };
    return QColor(blend(colour.red()), blend(colour.green()), blend(colour.blue()));
}

bool near(const QImage& image, const QPoint& point, const QColor& expected)
{
    if (image.isNull() || !image.rect().contains(point))
        return false;
    const QColor seen = image.pixelColor(point);
    return qAbs(seen.red() - expected.red()) <= 3 && qAbs(seen.green() - expected.green()) <= 3 &&
           qAbs(seen.blue() - expected.blue()) <= 3;
}

QString describe(const QImage& image, const QPoint& point)
{
    return image.isNull() ? QStringLiteral("no screenshot")
                          : image.pixelColor(point).name() +
                                QStringLiteral(" at %1,%2").arg(point.x()).arg(point.y());
}

// Kavo's side of the compositor: its own connection, as WaylandPlatform opens it.
struct KavoSide
{
    explicit KavoSide(const QString& socket = QString())
        : connection(WaylandConnection::open(nullptr, socket)), globals(connection.get()),
          displays(connection.get()), shell(LayerShell::create(globals, displays))
    {
    }

    std::unique_ptr<WaylandConnection> connection;
    WaylandGlobals globals;
    WaylandDisplays displays;
    std::unique_ptr<LayerShell> shell;
};

// The child that shows an overlay over all of Qt's screens through Qt's own platform (Wayland or
// Xwayland) and says on how many outputs, each time a picture went to the compositor.
int showOverlay(int argc, char** argv)
{
    QApplication app(argc, argv);
    KavoSide kavo;
    if (!kavo.shell)
        return 2;
    WaylandOverlays overlays(kavo.shell.get());
    TintWindow window(QGuiApplication::primaryScreen()->virtualGeometry(), QColor(0, 0, 255, 128));
    window.winId();
    overlays.prepare(window);
    LayerMirror* mirror = WaylandOverlays::mirrorOf(window);
    QObject::connect(mirror, &LayerMirror::pictureShown,
                     [mirror] { say("shown on " + QByteArray::number(mirror->surfaceCount())); });
    window.show();
    return app.exec();
}

// The child that holds the keyboard for a window of its own and says what reaches it.
int holdKeyboard(int argc, char** argv)
{
    QApplication app(argc, argv);
    KavoSide kavo;
    if (!kavo.shell)
        return 2;
    LayerKeyboardGrab grab(*kavo.shell);
    QObject::connect(&grab, &LayerKeyboardGrab::keyboardHeld,
                     [](bool held) { say(held ? "holding" : "let go"); });
    KeyRecorder window;
    window.heard = [](const QString& text) { say("key " + text.toUtf8()); };
    window.show();
    grab.grab(window);
    return app.exec();
}
} // namespace

class TestWaylandLayers : public QObject
{
    Q_OBJECT

private:
    HeadlessSway m_sway;
    std::unique_ptr<VirtualPointer> m_pointer;
    std::unique_ptr<KavoSide> m_kavo;

    // A white window over the whole output, which reports clicks and keys.
    std::unique_ptr<WaylandClientProcess> startClient(const QString& appId)
    {
        auto client = std::make_unique<WaylandClientProcess>(
            m_sway.clientEnvironment(), appId, QStringList{QStringLiteral("--fullscreen")});
        if (!client->says("shown"))
            return nullptr;
        // The client shows white everywhere once sway made it full-screen.
        for (const QPoint point : {kTinted, kClear})
            if (!QTest::qWaitFor([&] { return near(m_sway.screenshot(), point, Qt::white); },
                                 kWaitMs))
                return nullptr;
        return client;
    }

    QProcess* startChild(const QString& mode, const QString& platform)
    {
        auto* child = new QProcess(this);
        QProcessEnvironment environment = m_sway.clientEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        child->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        if (platform == QLatin1String("xcb")) {
            environment.insert(QStringLiteral("DISPLAY"), m_sway.xDisplay());
            HeadlessSway::asUser(*child, QCoreApplication::applicationFilePath(), {mode});
        } else {
            child->setProgram(QCoreApplication::applicationFilePath());
            child->setArguments({mode});
        }
        child->setProcessEnvironment(environment);
        child->start();
        return child;
    }

    static bool childSays(QProcess& child, const QByteArray& line)
    {
        return QTest::qWaitFor(
            [&] {
                while (child.canReadLine())
                    if (child.readLine().trimmed() == line)
                        return true;
                child.waitForReadyRead(100);
                return false;
            },
            kWaitMs);
    }

    static void end(QProcess* child)
    {
        child->kill();
        child->waitForFinished(30000);
        delete child;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_sway.start(QStringLiteral("output HEADLESS-1 resolution 800x600\n"
                                             "xwayland enable")),
                 qPrintable(m_sway.problem()));
        QVERIFY(!m_sway.xDisplay().isEmpty());
        QVERIFY(m_sway.keepKeyboard());
        m_pointer = std::make_unique<VirtualPointer>(m_sway.socket());
        QVERIFY(m_pointer->isValid());
        m_kavo = std::make_unique<KavoSide>(m_sway.socket());
        QVERIFY(m_kavo->connection);
        QVERIFY2(m_kavo->shell, "sway offers a layer shell");
        QCOMPARE(m_kavo->displays.monitorGeometries(), QVector<QRect>{kOutput});
    }

    void cleanupTestCase()
    {
        m_kavo.reset();
        m_pointer.reset();
    }

    void anOverlayTintsTheOutputAndKeepsItsClearArea_data()
    {
        QTest::addColumn<QColor>("colour");
        QTest::newRow("red, half") << QColor(255, 0, 0, 128);
        QTest::newRow("green, a quarter") << QColor(0, 200, 0, 64);
        QTest::newRow("blue, opaque") << QColor(0, 0, 255, 255);
    }

    void anOverlayTintsTheOutputAndKeepsItsClearArea()
    {
        QFETCH(QColor, colour);
        const auto client = startClient(QStringLiteral("kavo-under-tint"));
        QVERIFY(client);
        WaylandOverlays overlays(m_kavo->shell.get());
        QVERIFY(overlays.blendsTranslucentWindows());
        TintWindow window(kOutput, colour);
        window.winId();
        overlays.prepare(window);
        overlays.prepare(window); // asked again, as after a monitor change: one mirror
        window.show();
        QCOMPARE(WaylandOverlays::mirrorOf(window)->surfaceCount(), 1);
        QImage shot;
        QTRY_VERIFY2_WITH_TIMEOUT(near(shot = m_sway.screenshot(), kTinted, overWhite(colour)),
                                  qPrintable(describe(shot, kTinted)), kWaitMs);
        QVERIFY2(near(shot, kClear, Qt::white), qPrintable(describe(shot, kClear)));
    }

    void theOverlayFollowsItsWindow()
    {
        const auto client = startClient(QStringLiteral("kavo-under-window"));
        QVERIFY(client);
        WaylandOverlays overlays(m_kavo->shell.get());
        auto window = std::make_unique<TintWindow>(kOutput, QColor(255, 0, 0, 255));
        overlays.prepare(*window);
        window->show();
        QTRY_VERIFY_WITH_TIMEOUT(near(m_sway.screenshot(), kTinted, Qt::red), kWaitMs);

        // A repaint of the window is drawn again.
        window->setColour(QColor(0, 255, 0, 255));
        QTRY_VERIFY_WITH_TIMEOUT(near(m_sway.screenshot(), kTinted, Qt::green), kWaitMs);

        window->hide();
        QCOMPARE(WaylandOverlays::mirrorOf(*window)->surfaceCount(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(near(m_sway.screenshot(), kTinted, Qt::white), kWaitMs);
        window->show();
        QTRY_VERIFY_WITH_TIMEOUT(near(m_sway.screenshot(), kTinted, Qt::green), kWaitMs);

        // Moved, the window takes its picture along: it now starts at the output's middle.
        window->move(kOutput.center().x(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(near(m_sway.screenshot(), kTinted, Qt::white), kWaitMs);
        QVERIFY(near(m_sway.screenshot(), kRightOfMiddle, Qt::green));

        window.reset();
        QTRY_VERIFY_WITH_TIMEOUT(near(m_sway.screenshot(), kRightOfMiddle, Qt::white), kWaitMs);
    }

    void clicksGoThroughTheOverlay()
    {
        const auto client = startClient(QStringLiteral("kavo-clicked"));
        QVERIFY(client);
        WaylandOverlays overlays(m_kavo->shell.get());
        const QColor colour(255, 0, 0, 200);
        TintWindow window(kOutput, colour);
        overlays.prepare(window);
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(near(m_sway.screenshot(), kTinted, overWhite(colour)), kWaitMs);
        QVERIFY(m_pointer->click(QPoint(120, 90), kOutput.size()));
        QVERIFY(client->says("click 120 90"));
    }

    void theStrictGrabTakesTheKeyboardAndGivesItBack()
    {
        const auto client = startClient(QStringLiteral("kavo-typist"));
        QVERIFY(client);
        QVERIFY(m_sway.type(QStringLiteral("a")));
        QVERIFY(client->says("key a"));

        LayerKeyboardGrab grab(*m_kavo->shell);
        KeyRecorder window;
        window.show();
        grab.grab(window);
        QVERIFY(grab.isGrabbed());
        QTRY_VERIFY_WITH_TIMEOUT(grab.holdsKeyboard(), kWaitMs);
        QVERIFY(m_sway.type(QStringLiteral("b7 ")));
        QTRY_COMPARE_WITH_TIMEOUT(window.typed, QStringLiteral("b7 "), kWaitMs);

        grab.release();
        QVERIFY(!grab.isGrabbed());
        QVERIFY(!grab.holdsKeyboard());
        QVERIFY(m_sway.type(QStringLiteral("c")));
        QVERIFY(client->says("key c"));
        // Keys come in order: what the grab had never reached the client.
        QVERIFY2(!client->heard().contains("key b"), client->heard().join(' ').constData());
    }

    void aGrabLeavesWithItsWindow()
    {
        const auto client = startClient(QStringLiteral("kavo-left-behind"));
        QVERIFY(client);
        LayerKeyboardGrab grab(*m_kavo->shell);
        auto window = std::make_unique<KeyRecorder>();
        window->show();
        grab.grab(*window);
        QTRY_VERIFY_WITH_TIMEOUT(grab.holdsKeyboard(), kWaitMs);
        window.reset();
        QVERIFY(!grab.isGrabbed());
        QVERIFY(m_sway.type(QStringLiteral("d")));
        QVERIFY(client->says("key d"));
    }

    void aKilledGrabberGivesTheKeyboardBack()
    {
        const auto client = startClient(QStringLiteral("kavo-survivor"));
        QVERIFY(client);
        QProcess* child =
            startChild(QStringLiteral("--hold-keyboard"), QStringLiteral("offscreen"));
        QVERIFY(childSays(*child, "holding"));
        QVERIFY(m_sway.type(QStringLiteral("x")));
        QVERIFY(childSays(*child, "key x"));
        end(child);
        QVERIFY(m_sway.type(QStringLiteral("y")));
        QVERIFY(client->says("key y"));
        QVERIFY(!client->heard().contains("key x"));
    }

    void qtNeverMapsTheOverlayItself_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::newRow("Qt on Wayland") << QStringLiteral("wayland");
        QTest::newRow("Qt on Xwayland") << QStringLiteral("xcb");
    }

    void qtNeverMapsTheOverlayItself()
    {
        QFETCH(QString, platform);
        const auto client = startClient(QStringLiteral("kavo-under-child"));
        QVERIFY(client);
        QProcess* child = startChild(QStringLiteral("--show-overlay"), platform);
        QVERIFY(childSays(*child, "shown on 1"));
        QTRY_VERIFY_WITH_TIMEOUT(
            near(m_sway.screenshot(), kTinted, overWhite(QColor(0, 0, 255, 128))), kWaitMs);
        // sway knows one window: the client's. The overlay is no window of its tree.
        const QByteArray tree = m_sway.swaymsg({QStringLiteral("-t"), QStringLiteral("get_tree")});
        QVERIFY(tree.contains("kavo-under-child"));
        QCOMPARE(tree.count("\"pid\""), 1);
        end(child);
        QTRY_VERIFY_WITH_TIMEOUT(near(m_sway.screenshot(), kTinted, Qt::white), kWaitMs);
    }

    // Last of the compositor's cases: it leaves sway with a second output.
    void eachOutputShowsItsPartOfTheWindow()
    {
        QVERIFY(!m_sway.swaymsg({QStringLiteral("create_output")}).isEmpty());
        QVERIFY(
            !m_sway.swaymsg({QStringLiteral("output HEADLESS-2 resolution 800x600 position 800 0")})
                 .isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(m_kavo->displays.monitorCount(), 2, kWaitMs);
        // Qt on Wayland has a screen for each output, named as the output: the child's window
        // spans both.
        QProcess* child = startChild(QStringLiteral("--show-overlay"), QStringLiteral("wayland"));
        QVERIFY(childSays(*child, "shown on 2"));
        // No window lies under the overlay: both outputs show sway's background, blended.
        const auto bluish = [](const QImage& shot) {
            const QColor seen = shot.pixelColor(kTinted);
            return !shot.isNull() && seen.blue() > seen.red() + 60;
        };
        QImage first;
        QTRY_VERIFY_WITH_TIMEOUT(bluish(first = m_sway.screenshot()), kWaitMs);
        QImage second;
        QTRY_VERIFY_WITH_TIMEOUT(bluish(second = m_sway.screenshot(QStringLiteral("HEADLESS-2"))),
                                 kWaitMs);
        QCOMPARE(second.pixelColor(kTinted), first.pixelColor(kTinted));
        // The window's clear area lies on the first output only.
        QVERIFY(first.pixelColor(kClear) != first.pixelColor(kTinted));
        QCOMPARE(second.pixelColor(kClear), second.pixelColor(kTinted));
        end(child);
    }

    void screensFindTheirOutputs_data()
    {
        QTest::addColumn<QStringList>("screens");
        QTest::addColumn<QStringList>("outputs");
        QTest::addColumn<QVector<int>>("expected");
        QTest::newRow("by name, in another order")
            << QStringList{"DP-2", "DP-1"} << QStringList{"DP-1", "DP-2"} << QVector<int>{1, 0};
        QTest::newRow("Xwayland's names: by order")
            << QStringList{"XWAYLAND0", "XWAYLAND1"} << QStringList{"DP-1", "DP-2"}
            << QVector<int>{0, 1};
        QTest::newRow("an output claimed by name is not taken by order")
            << QStringList{"X", "DP-1"} << QStringList{"DP-1", "DP-2"} << QVector<int>{-1, 0};
        QTest::newRow("more screens than outputs")
            << QStringList{"A", "B"} << QStringList{"DP-1"} << QVector<int>{0, -1};
        QTest::newRow("one name twice")
            << QStringList{"DP-1", "DP-1"} << QStringList{"DP-1", "DP-2"} << QVector<int>{0, 1};
        QTest::newRow("no outputs") << QStringList{"DP-1"} << QStringList{} << QVector<int>{-1};
    }

    void screensFindTheirOutputs()
    {
        QFETCH(QStringList, screens);
        QFETCH(QStringList, outputs);
        QFETCH(QVector<int>, expected);
        QCOMPARE(ScreenOutputs::match(screens, outputs), expected);
    }

    void keysBecomeQtKeys_data()
    {
        QTest::addColumn<uint>("keysym");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("key");
        QTest::newRow("Escape") << uint(XKB_KEY_Escape) << "\x1b" << int(Qt::Key_Escape);
        QTest::newRow("Return") << uint(XKB_KEY_Return) << "\r" << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << uint(XKB_KEY_KP_Enter) << "\r" << int(Qt::Key_Enter);
        QTest::newRow("space") << uint(XKB_KEY_space) << " " << int(Qt::Key_Space);
        QTest::newRow("Shift+Tab") << uint(XKB_KEY_ISO_Left_Tab) << "" << int(Qt::Key_Backtab);
        QTest::newRow("left arrow") << uint(XKB_KEY_Left) << "" << int(Qt::Key_Left);
        QTest::newRow("F11") << uint(XKB_KEY_F11) << "" << int(Qt::Key_F11);
        QTest::newRow("small letter") << uint(XKB_KEY_q) << "q" << int(Qt::Key_Q);
        QTest::newRow("Control+C") << uint(XKB_KEY_c) << "\x03" << int(Qt::Key_C);
        QTest::newRow("digit") << uint(XKB_KEY_7) << "7" << int(Qt::Key_7);
        QTest::newRow("Cyrillic letter") << uint(XKB_KEY_Cyrillic_ya) << "я" << int(0x042f);
        QTest::newRow("dead key") << uint(XKB_KEY_dead_acute) << "" << int(Qt::Key_unknown);
    }

    void keysBecomeQtKeys()
    {
        QFETCH(uint, keysym);
        QFETCH(QString, text);
        QFETCH(int, key);
        QCOMPARE(XkbKeys::qtKey(keysym, text), key);
    }
};

int main(int argc, char** argv)
{
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if (mode == "--show-overlay")
        return showOverlay(argc, argv);
    if (mode == "--hold-keyboard")
        return holdKeyboard(argc, argv);
    QApplication app(argc, argv);
    TestWaylandLayers test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_wayland_layers.moc"
