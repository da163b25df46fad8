// The keyboard and mouse services on the simulated desktop: hooks exactly while wanted, the
// events they report, and the auto clicker.
#include "SimDesktopFile.h"
#include "platform/VirtualKeys.h"
#include "system/SystemKeyboard.h"
#include "system/SystemMouse.h"

#include <QSignalSpy>
#include <QtTest>

namespace {
QJsonObject hooks(const SimDesktopFile& desktop)
{
    return desktop.state().value("hooks").toObject();
}

QJsonObject injecting(const QJsonArray& input)
{
    return QJsonObject{{"input", input}};
}
} // namespace

class TestSystemInput : public QObject
{
    Q_OBJECT

private slots:
    void theKeyboardHookExistsWhileAFlagIsOn_data()
    {
        QTest::addColumn<bool>("emitKeys");
        QTest::addColumn<bool>("blockZoomKeys");
        QTest::addColumn<bool>("zoomWorks");
        QTest::addColumn<bool>("hooked");
        QTest::addColumn<bool>("zoomKeysTaken");
        QTest::newRow("neither") << false << false << true << false << false;
        QTest::newRow("keys") << true << false << true << true << false;
        QTest::newRow("zoom keys") << false << true << true << true << true;
        QTest::newRow("zoom keys where nothing zooms") << false << true << false << true << false;
        QTest::newRow("both") << true << true << true << true << true;
    }

    void theKeyboardHookExistsWhileAFlagIsOn()
    {
        QFETCH(bool, emitKeys);
        QFETCH(bool, blockZoomKeys);
        QFETCH(bool, zoomWorks);
        QFETCH(bool, hooked);
        QFETCH(bool, zoomKeysTaken);
        SimDesktopFile desktop;
        SystemKeyboard keyboard(Platform::current().input(), zoomWorks);
        QCOMPARE(keyboard.set_emit_keys(emitKeys), emitKeys);
        QCOMPARE(keyboard.set_block_zoom_keys(blockZoomKeys), blockZoomKeys);
        QCOMPARE(keyboard.is_hooked(), hooked);
        QCOMPARE(hooks(desktop).value("keyboard").toBool(), hooked);
        QCOMPARE(hooks(desktop).value("zoom_keys_blocked").toBool(), zoomKeysTaken);
        keyboard.set_emit_keys(false);
        keyboard.set_block_zoom_keys(false);
        QVERIFY(!hooks(desktop).value("keyboard").toBool());
    }

    void injectedKeysArriveWhileKeysAreEmitted()
    {
        SimDesktopFile desktop;
        SystemKeyboard keyboard(Platform::current().input(), true);
        QSignalSpy pressed(&keyboard, &SystemKeyboard::key_pressed);
        QSignalSpy released(&keyboard, &SystemKeyboard::keyReleased);
        keyboard.set_block_zoom_keys(true);
        desktop.set(injecting({QJsonObject{{"key", "Ctrl+Alt+Num++"}}}));
        QTest::qWait(0);
        QCOMPARE(pressed.count(), 0); // hooked only to take the zoom keys

        keyboard.set_emit_keys(true);
        desktop.set(injecting(
            {QJsonObject{{"key", "Ctrl+Alt+Num++"}}, QJsonObject{{"key", "Ctrl+Alt+Up"}}}));
        QTRY_COMPARE(pressed.count(), 1);
        QCOMPARE(pressed.first().at(0).toUInt(), 0x26u); // the up arrow; the first ran before
        QCOMPARE(released.first().at(1).toUInt(), LLKHF_UP);
    }

    void mouseEventsArriveWhileHooked()
    {
        SimDesktopFile desktop;
        SystemMouse mouse(Platform::current().input());
        QSignalSpy moved(&mouse, &SystemMouse::mouse_move_event);
        QSignalSpy down(&mouse, &SystemMouse::mouse_left_button_down_event);
        QSignalSpy wheel(&mouse, &SystemMouse::mouse_wheel_event);
        QPoint lastMove;
        connect(&mouse, &SystemMouse::mouse_move_event, this,
                [&lastMove](MSLLHOOKSTRUCT* info) { lastMove = QPoint(info->pt.x, info->pt.y); });

        desktop.set(injecting({QJsonObject{{"move", QJsonArray{5, 6}}}}));
        QTest::qWait(0);
        QCOMPARE(moved.count(), 0);

        QVERIFY(mouse.set_hook(true));
        QVERIFY(hooks(desktop).value("mouse").toBool());
        desktop.set(injecting({QJsonObject{{"move", QJsonArray{5, 6}}},
                               QJsonObject{{"click", QJsonArray{300, 200}}},
                               QJsonObject{{"wheel", -120}}}));
        QTRY_COMPARE(wheel.count(), 1);
        QCOMPARE(moved.count(), 1); // the click's own move; the first entry ran before
        QCOMPARE(down.count(), 1);
        QCOMPARE(lastMove, QPoint(300, 200));
        QCOMPARE(mouse.cursor_position(), QPoint(300, 200));

        mouse.set_hook(false);
        QVERIFY(!hooks(desktop).value("mouse").toBool());
    }

    void theClickerClicksWhereThePointerIsUntilStopped()
    {
        SimDesktopFile desktop;
        desktop.set(injecting({QJsonObject{{"move", QJsonArray{40, 50}}}}));
        SystemMouse mouse(Platform::current().input());
        QSignalSpy running(&mouse, &SystemMouse::clicking_changed);
        mouse.start_clicking(20);
        QVERIFY(mouse.is_clicking());
        QTRY_VERIFY(desktop.state().value("synthetic_click_count").toInt() >= 3);
        QCOMPARE(desktop.state().value("synthetic_clicks").toArray().first(),
                 QJsonValue(QJsonArray{40, 50}));
        mouse.stop_clicking();
        const int clicks = desktop.state().value("synthetic_click_count").toInt();
        QTest::qWait(100);
        QCOMPARE(desktop.state().value("synthetic_click_count").toInt(), clicks);
        QCOMPARE(running.count(), 2);
        QCOMPARE(running.last().at(0).toBool(), false);
    }

    void aClickIntervalBelowTenMillisecondsIsRaised_data()
    {
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("used");
        QTest::newRow("zero") << 0 << 10;
        QTest::newRow("negative") << -5 << 10;
        QTest::newRow("one") << 1 << 10;
        QTest::newRow("ten") << 10 << 10;
        QTest::newRow("a second") << 1000 << 1000;
    }

    void aClickIntervalBelowTenMillisecondsIsRaised()
    {
        QFETCH(int, asked);
        QFETCH(int, used);
        SimDesktopFile desktop;
        SystemMouse mouse(Platform::current().input());
        mouse.start_clicking(asked);
        QCOMPARE(mouse.click_interval(), used);
    }

    void destroyingTheMouseStopsTheClicker()
    {
        SimDesktopFile desktop;
        {
            SystemMouse mouse(Platform::current().input());
            mouse.start_clicking(10);
        }
        const int clicks = desktop.state().value("synthetic_click_count").toInt();
        QTest::qWait(50);
        QCOMPARE(desktop.state().value("synthetic_click_count").toInt(), clicks);
    }
};

QTEST_GUILESS_MAIN(TestSystemInput)
#include "tst_system_input.moc"
