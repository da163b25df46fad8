// The colour trigger list: parsing with good and bad lines, and which step the colour update
// takes as programs come to the front.
#include "system/ColorTriggers.h"

#include <QtTest>

class TestColorTriggers : public QObject
{
    Q_OBJECT

private slots:
    void linesBecomeTriggers_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("program");
        QTest::addColumn<int>("temperature"); // -1: no trigger
        QTest::addColumn<int>("brightness");

        QTest::newRow("plain") << "vlc = 6500 120"
                               << "vlc" << 6500 << 120;
        QTest::newRow("clamped high") << "vlc.exe = 20000 5"
                                      << "vlc.exe" << 10000 << 10;
        QTest::newRow("clamped low") << "player = -300 999"
                                     << "player" << 0 << 150;
        QTest::newRow("no blanks") << "player=4000 90"
                                   << "player" << 4000 << 90;
        QTest::newRow("name with blanks") << "Media Player = 5000 100"
                                          << "Media Player" << 5000 << 100;
        QTest::newRow("a word for colours") << "vlc.exe = night"
                                            << "vlc.exe" << -1 << 0;
        QTest::newRow("one value") << "vlc = 6500"
                                   << "vlc" << -1 << 0;
        QTest::newRow("three values") << "vlc = 6500 100 3"
                                      << "vlc" << -1 << 0;
        QTest::newRow("no name") << "= 6500 100"
                                 << "" << -1 << 0;
        QTest::newRow("no equals sign") << "vlc 6500 100"
                                        << "vlc" << -1 << 0;
        QTest::newRow("beyond any number") << "vlc = 99999999999999999999 1"
                                           << "vlc" << -1 << 0;
    }

    void linesBecomeTriggers()
    {
        QFETCH(QString, line);
        QFETCH(QString, program);
        QFETCH(int, temperature);
        QFETCH(int, brightness);
        ColorTriggers triggers;
        triggers.refresh({line});
        const std::optional<ColorTrigger> found = triggers.find(program);
        QCOMPARE(found.has_value(), temperature >= 0);
        QCOMPARE(triggers.problems().size(), temperature >= 0 ? 0 : 1);
        if (found) {
            QCOMPARE(found->temperature, temperature);
            QCOMPARE(found->brightness, brightness);
        }
    }

    void aBadLineKeepsTheOthersAndIsReported()
    {
        ColorTriggers triggers;
        triggers.refresh(
            {"vlc = 6500 120", "", "vlc = night", "player = 5000 90", "player = 4000 80"});
        QCOMPARE(triggers.size(), 2);
        QCOMPARE(triggers.find("player")->temperature, 4000); // a later line replaces
        QCOMPARE(triggers.problems(),
                 QStringList{"Line 3 is not \"program = temperature brightness\": vlc = night"});
    }

    void windowsAndLinuxNamesFindEachOther()
    {
        ColorTriggers triggers;
        triggers.refresh({"vlc.exe = 6500 120", "player = 5000 90"});
        QVERIFY(triggers.find("vlc"));
        QVERIFY(triggers.find("player.exe"));
        QVERIFY(!triggers.find("VLC"));
    }

    // The program in front over time and the step each update takes.
    void theUpdateFollowsTheProgramInFront()
    {
        ColorTriggers triggers;
        triggers.refresh({"vlc = 6500 120"});
        const auto step = [&triggers](const QString& front, bool use = true, bool paused = false) {
            triggers.set_current_process(front);
            return triggers.next_step(use, paused).kind;
        };
        QCOMPARE(step("browser"), TriggerStep::None);
        QCOMPARE(step("vlc"), TriggerStep::Apply);
        QCOMPARE(step("vlc"), TriggerStep::Keep);
        QCOMPARE(step("browser"), TriggerStep::Restore);
        QCOMPARE(step("browser"), TriggerStep::None);
        // Nothing in front (the desktop clicked) ends the trigger too, and it comes back.
        QCOMPARE(step("vlc"), TriggerStep::Apply);
        QCOMPARE(step(""), TriggerStep::Restore);
        QCOMPARE(step("vlc"), TriggerStep::Apply);
        // Switched off: the colours go back once; on again, the trigger applies again.
        QCOMPARE(step("vlc", false), TriggerStep::Restore);
        QCOMPARE(step("vlc", false), TriggerStep::None);
        QCOMPARE(step("vlc"), TriggerStep::Apply);
        // A pause takes the colours; afterwards the trigger applies again.
        QCOMPARE(step("vlc", true, true), TriggerStep::None);
        QCOMPARE(step("vlc"), TriggerStep::Apply);
        triggers.forget_applied();
        const TriggerStep applied = triggers.next_step(true, false);
        QCOMPARE(applied.trigger.temperature, 6500);
        QCOMPARE(applied.trigger.brightness, 120);
    }
};

QTEST_APPLESS_MAIN(TestColorTriggers)
#include "tst_color_triggers.moc"
