// Which programs pause colours, the timer and the software cursor, and how names in the lists
// match the names of running programs.
#include "system/PauserRules.h"
#include "system/ProcessNames.h"

#include <QtTest>

namespace {
PauserList on(const QString& entries, bool full_screen_apps = false)
{
    return PauserList{true, entries.split('\n'), full_screen_apps};
}

ProcessView program(const QString& name, bool visible, bool full_screen = false,
                    bool foreground = false)
{
    return ProcessView{name, visible, full_screen, foreground};
}
} // namespace

Q_DECLARE_METATYPE(ProcessView)

class TestPauserRules : public QObject
{
    Q_OBJECT

private slots:
    void namesMatchAsTheUserWritesThem_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("same");
        QTest::addColumn<bool>("mentioned");

        QTest::newRow("linux name") << "vlc"
                                    << "vlc" << true << true;
        QTest::newRow("list from windows") << "vlc.exe"
                                           << "vlc" << true << true;
        QTest::newRow("windows program") << "vlc"
                                         << "vlc.exe" << true << true;
        QTest::newRow("exact is case-sensitive") << "VLC"
                                                 << "vlc" << false << true;
        QTest::newRow("blanks around the entry") << " vlc \r"
                                                 << "vlc" << true << true;
        QTest::newRow("end of a longer name") << "notepad.exe"
                                              << "pad" << false << true;
        QTest::newRow("inside a word") << "Photoshop.exe"
                                       << "sh" << false << false;
        QTest::newRow("full-screen entry") << "vlc.exe fullscreen"
                                           << "vlc" << false << true;
        QTest::newRow("other program") << "player"
                                       << "vlc" << false << false;
        QTest::newRow("empty entry") << ""
                                     << "vlc" << false << false;
        QTest::newRow("empty name") << "vlc"
                                    << "" << false << false;
    }

    void namesMatchAsTheUserWritesThem()
    {
        QFETCH(QString, entry);
        QFETCH(QString, name);
        QFETCH(bool, same);
        QFETCH(bool, mentioned);
        QCOMPARE(ProcessNames::same(entry, name), same);
        QCOMPARE(ProcessNames::mentioned_in(entry, name), mentioned);
    }

    void ignoredAndCompetingPrograms_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("ignored");
        QTest::addColumn<bool>("competitor");

        QTest::newRow("nothing in front") << "" << true << false;
        QTest::newRow("kavo itself") << "kavo" << true << false;
        QTest::newRow("windows shell") << "explorer.exe" << true << false;
        QTest::newRow("a listed competitor") << "flux.exe" << false << true;
        QTest::newRow("a listed competitor without .exe") << "flux" << false << true;
        QTest::newRow("kavo mini family") << "kavo-mini-portable" << false << true;
        QTest::newRow("a longer name ending in flux") << "reflux" << false << false;
        QTest::newRow("ordinary program") << "text-editor" << false << false;
    }

    void ignoredAndCompetingPrograms()
    {
        QFETCH(QString, name);
        QFETCH(bool, ignored);
        QFETCH(bool, competitor);
        QCOMPARE(ProcessNames::is_ignored(name), ignored);
        QCOMPARE(ProcessNames::is_competitor(name), competitor);
    }

    // One program at a time, as the process monitor sees it, against the three lists.
    void pausesFollowTheProgramsAndLists_data()
    {
        QTest::addColumn<QString>("colorList");
        QTest::addColumn<QString>("exactList"); // the timer and the mouse list alike
        QTest::addColumn<bool>("fullScreenApps");
        QTest::addColumn<ProcessView>("process");
        QTest::addColumn<bool>("foregroundFullScreen");
        QTest::addColumn<bool>("colorPaused");
        QTest::addColumn<bool>("exactPaused");

        const QString colors = "painter\nvlc fullscreen\nmodeller.exe";
        QTest::newRow("listed and shown")
            << colors << "vlc" << false << program("painter", true) << false << true << false;
        QTest::newRow("listed but minimised")
            << colors << "vlc" << false << program("painter", false) << false << false << false;
        QTest::newRow("windows entry") << colors << "modeller.exe" << false
                                       << program("modeller", true) << false << true << true;
        QTest::newRow("full-screen entry, windowed")
            << colors << "vlc" << false << program("vlc", true, false, true) << false << false
            << true;
        QTest::newRow("full-screen entry, full screen")
            << colors << "vlc" << false << program("vlc", true, true) << false << true << true;
        QTest::newRow("full-screen entry, another window of it in front")
            << colors << "vlc" << false << program("vlc", true, false, true) << true << true
            << true;
        QTest::newRow("full-screen entry, full screen in the background")
            << colors << "" << false << program("vlc", true, true, false) << false << true << false;
        QTest::newRow("unlisted full screen in front, switch off")
            << colors << "vlc" << false << program("platformer", true, true, true) << true << false
            << false;
        QTest::newRow("unlisted full screen in front, switch on")
            << colors << "vlc" << true << program("platformer", true, true, true) << true << true
            << true;
        QTest::newRow("full screen in front does not pause without it")
            << colors << "vlc" << true << program("platformer", true, false, false) << false
            << false << false;
    }

    void pausesFollowTheProgramsAndLists()
    {
        QFETCH(QString, colorList);
        QFETCH(QString, exactList);
        QFETCH(bool, fullScreenApps);
        QFETCH(ProcessView, process);
        QFETCH(bool, foregroundFullScreen);
        QFETCH(bool, colorPaused);
        QFETCH(bool, exactPaused);

        PauserRules rules;
        rules.color = on(colorList, fullScreenApps);
        rules.timer = on(exactList, fullScreenApps);
        rules.mouse = on(exactList, fullScreenApps);
        PauseDecision decision;
        rules.add(process, foregroundFullScreen, decision);
        rules.add_full_screen_foreground(foregroundFullScreen, decision);
        QCOMPARE(decision.color, colorPaused);
        QCOMPARE(decision.timer, exactPaused);
        QCOMPARE(decision.mouse, exactPaused);
    }

    void aSwitchedOffListPausesNothing()
    {
        PauserRules rules;
        rules.color = on("painter", true);
        rules.color.on = false;
        PauseDecision decision;
        rules.add(program("painter", true, true, true), true, decision);
        rules.add_full_screen_foreground(true, decision);
        QVERIFY(!decision.color);
        QVERIFY(!rules.mentions("painter"));
    }

    void aWindowCoversItsMonitor_data()
    {
        QTest::addColumn<QRect>("window");
        QTest::addColumn<bool>("covers");
        QTest::newRow("first monitor") << QRect(0, 0, 1920, 1080) << true;
        QTest::newRow("second monitor") << QRect(1920, 0, 2560, 1440) << true;
        QTest::newRow("size of the other monitor") << QRect(1920, 0, 1920, 1080) << false;
        QTest::newRow("maximised, below a panel") << QRect(0, 30, 1920, 1050) << false;
        QTest::newRow("off every monitor") << QRect(9000, 0, 1920, 1080) << true;
        QTest::newRow("no size") << QRect() << false;
    }

    void aWindowCoversItsMonitor()
    {
        QFETCH(QRect, window);
        QFETCH(bool, covers);
        const QVector<QRect> monitors{QRect(0, 0, 1920, 1080), QRect(1920, 0, 2560, 1440)};
        QCOMPARE(PauserRules::covers_monitor(window, monitors), covers);
    }
};

QTEST_APPLESS_MAIN(TestPauserRules)
#include "tst_pauser_rules.moc"
