// What each page says on a Wayland desktop, from what its compositor and session bus offer:
// Debian 12's sway 1.7, KWin 5.27 and Mutter 43 as they were seen headless, and the edges.
#include "platform/wayland/WaylandAbilities.h"

#include <QtTest>

namespace {
WaylandOffer sway()
{
    WaylandOffer offer;
    offer.globals = {"wl_compositor",
                     "wl_seat",
                     "wl_output",
                     "zwlr_layer_shell_v1",
                     "zwlr_foreign_toplevel_manager_v1",
                     "org_kde_kwin_idle",
                     "zwlr_screencopy_manager_v1",
                     "zwlr_gamma_control_manager_v1"};
    return offer;
}

WaylandOffer kwin()
{
    WaylandOffer offer;
    offer.globals = {
        "wl_compositor",        "wl_seat",           "wl_output",           "zwlr_layer_shell_v1",
        "ext_idle_notifier_v1", "org_kde_kwin_idle", "org_kde_plasma_shell"};
    offer.kwinScripting = true;
    offer.trayWatcher = true;
    return offer;
}

WaylandOffer mutter()
{
    WaylandOffer offer;
    offer.globals = {"wl_compositor", "wl_seat", "wl_output"};
    offer.mutterIdleMonitor = true;
    return offer;
}
} // namespace

Q_DECLARE_METATYPE(WaylandOffer)

class TestWaylandAbilities : public QObject
{
    Q_OBJECT

private slots:
    void eachDesktopsPages_data()
    {
        QTest::addColumn<WaylandOffer>("offer");
        QTest::addColumn<QString>("page");
        QTest::addColumn<bool>("works");
        QTest::addColumn<QString>("says");

        QTest::newRow("sway pausers") << sway() << "pausers" << true << "app_id";
        QTest::newRow("sway inactivity") << sway() << "inactivity" << true << "idle";
        QTest::newRow("sway shortcuts") << sway() << "shortcuts" << false << "kavoctl shortcut";
        QTest::newRow("sway tray") << sway() << "tray" << false << "StatusNotifierWatcher";
        QTest::newRow("sway overlay") << sway() << "overlay" << false << "clear area";

        QTest::newRow("kwin pausers") << kwin() << "pausers" << true << "KWin script";
        QTest::newRow("kwin inactivity") << kwin() << "inactivity" << true << "idle";
        QTest::newRow("kwin tray") << kwin() << "tray" << true << "StatusNotifierItem";

        QTest::newRow("gnome pausers") << mutter() << "pausers" << false << "Shell extension";
        QTest::newRow("gnome inactivity") << mutter() << "inactivity" << true << "idle";
        QTest::newRow("gnome overlay") << mutter() << "overlay" << false << "lie over everything";

        WaylandOffer portal = mutter();
        portal.portalShortcuts = true;
        QTest::newRow("portal shortcuts") << portal << "shortcuts" << true << "portal";

        const WaylandOffer bare;
        QTest::newRow("bare pausers") << bare << "pausers" << false << "tells no program";
        QTest::newRow("bare inactivity") << bare << "inactivity" << false << "does not stop";
        QTest::newRow("strict everywhere") << kwin() << "strict" << false << "not strict";
        QTest::newRow("no clicks") << sway() << "clicker" << false << "auto clicker";
        QTest::newRow("no cursor") << kwin() << "cursor" << false << "software cursor";
        QTest::newRow("no pictures") << sway() << "idle-effects" << false << "picture";
    }

    void eachDesktopsPages()
    {
        QFETCH(WaylandOffer, offer);
        QFETCH(QString, page);
        QFETCH(bool, works);
        QFETCH(QString, says);
        const PageNote note = WaylandAbilities(offer).note(page);
        QCOMPARE(note.page, page);
        QCOMPARE(note.works, works);
        QVERIFY2(note.text.contains(says), qPrintable(note.text));
    }

    void everyPageOnceAndNothingForAnUnknownOne()
    {
        const QVector<PageNote> notes = WaylandAbilities(sway()).notes();
        QSet<QString> pages;
        for (const PageNote& note : notes) {
            QVERIFY(!note.text.isEmpty());
            pages.insert(note.page);
        }
        QCOMPARE(pages.size(), notes.size());
        QCOMPARE(WaylandAbilities(sway()).note("weather"), PageNote());
    }
};

QTEST_GUILESS_MAIN(TestWaylandAbilities)
#include "tst_wayland_abilities.moc"
