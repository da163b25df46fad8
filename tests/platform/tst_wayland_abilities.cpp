// What each page says on a Wayland desktop, from what its compositor and session bus offer:
// Debian 12's sway 1.7, KWin 5.27 and Mutter 43 as they were seen headless, a Hyprland-like
// wlroots compositor, and a bare one.
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
    offer.portalShortcuts = true;
    return offer;
}

WaylandOffer mutter()
{
    WaylandOffer offer;
    offer.globals = {"wl_compositor", "wl_seat", "wl_output"};
    offer.mutterIdleMonitor = true;
    return offer;
}

// A wlroots compositor with the newer idle protocol and a bar that hosts tray items.
WaylandOffer hyprland()
{
    WaylandOffer offer;
    offer.globals = {"wl_compositor",
                     "wl_seat",
                     "wl_output",
                     "zwlr_layer_shell_v1",
                     "zwlr_foreign_toplevel_manager_v1",
                     "ext_idle_notifier_v1",
                     "zwlr_gamma_control_manager_v1",
                     "hyprland_toplevel_export_manager_v1"};
    offer.trayWatcher = true;
    return offer;
}

WaylandOffer bare()
{
    WaylandOffer offer;
    offer.globals = {"wl_compositor", "wl_seat", "wl_output"};
    return offer;
}

// A page's note as a short code: "+" where the page works as everywhere, "-" where it does not,
// then a word of what it says.
QString said(const PageNote& note, const QString& words)
{
    return (note.works ? QStringLiteral("+") : QStringLiteral("-")) +
           (note.text.contains(words) ? words : QStringLiteral("?") + note.text);
}
} // namespace

Q_DECLARE_METATYPE(WaylandOffer)

class TestWaylandAbilities : public QObject
{
    Q_OBJECT

private slots:
    // One row per desktop; each column a page, "+" where it works, "-" where its note shows,
    // and the words its sentence must hold.
    void eachDesktopsPages_data()
    {
        QTest::addColumn<WaylandOffer>("offer");
        QTest::addColumn<QStringList>("pages");
        QTest::addColumn<QStringList>("expected");

        const QStringList pages = {"pausers", "inactivity",   "shortcuts", "overlay", "strict",
                                   "tray",    "idle-effects", "clicker",   "cursor"};
        QTest::newRow("sway") << sway() << pages
                              << QStringList{
                                     "+app_id",         "+idle",          "-bindsym",
                                     "+layer surfaces", "+layer surface", "-StatusNotifierWatcher",
                                     "-picture",        "-auto clicker",  "-software cursor"};
        QTest::newRow("KWin") << kwin() << pages
                              << QStringList{
                                     "+KWin script",    "+idle",          "+portal",
                                     "+layer surfaces", "+layer surface", "+StatusNotifierItem",
                                     "-picture",        "-auto clicker",  "-software cursor"};
        QTest::newRow("GNOME") << mutter() << pages
                               << QStringList{"-Shell extension",   "+idle",
                                              "-Hyprland",          "-lie over everything",
                                              "-take the keyboard", "-StatusNotifierWatcher",
                                              "-picture",           "-auto clicker",
                                              "-software cursor"};
        QTest::newRow("Hyprland-like")
            << hyprland() << pages
            << QStringList{"+app_id",         "+idle",          "-kavoctl shortcut",
                           "+layer surfaces", "+layer surface", "+StatusNotifierItem",
                           "-picture",        "-auto clicker",  "-software cursor"};
        QTest::newRow("bare") << bare() << pages
                              << QStringList{
                                     "-tells no program", "-does not stop", "-kavoctl shortcut",
                                     "-lightness spot",   "-strict breaks", "-no tray",
                                     "-picture",          "-auto clicker",  "-software cursor"};
    }

    void eachDesktopsPages()
    {
        QFETCH(WaylandOffer, offer);
        QFETCH(QStringList, pages);
        QFETCH(QStringList, expected);
        const WaylandAbilities abilities(offer);
        QStringList saying;
        for (int i = 0; i < pages.size(); ++i) {
            const PageNote note = abilities.note(pages.at(i));
            QCOMPARE(note.page, pages.at(i));
            saying << said(note, expected.at(i).mid(1));
        }
        QCOMPARE(saying, expected);
    }

    // What one bus service or global alone changes, from a bare compositor.
    void oneOfferChangesOnePage_data()
    {
        QTest::addColumn<QString>("global");
        QTest::addColumn<QString>("service");
        QTest::addColumn<QString>("page");

        QTest::newRow("layer shell: overlays") << "zwlr_layer_shell_v1"
                                               << ""
                                               << "overlay";
        QTest::newRow("layer shell: strict") << "zwlr_layer_shell_v1"
                                             << ""
                                             << "strict";
        QTest::newRow("foreign toplevels") << "zwlr_foreign_toplevel_manager_v1"
                                           << ""
                                           << "pausers";
        QTest::newRow("ext idle") << "ext_idle_notifier_v1"
                                  << ""
                                  << "inactivity";
        QTest::newRow("KDE idle") << "org_kde_kwin_idle"
                                  << ""
                                  << "inactivity";
        QTest::newRow("KWin scripting") << ""
                                        << "kwin"
                                        << "pausers";
        QTest::newRow("Mutter idle monitor") << ""
                                             << "mutter"
                                             << "inactivity";
        QTest::newRow("portal") << ""
                                << "portal"
                                << "shortcuts";
        QTest::newRow("tray watcher") << ""
                                      << "tray"
                                      << "tray";
    }

    void oneOfferChangesOnePage()
    {
        QFETCH(QString, global);
        QFETCH(QString, service);
        QFETCH(QString, page);
        WaylandOffer offer = bare();
        QVERIFY(!WaylandAbilities(offer).note(page).works);
        if (!global.isEmpty())
            offer.globals.insert(global);
        offer.kwinScripting = service == "kwin";
        offer.mutterIdleMonitor = service == "mutter";
        offer.portalShortcuts = service == "portal";
        offer.trayWatcher = service == "tray";
        const WaylandAbilities abilities(offer);
        QVERIFY(abilities.note(page).works);
        // No other page works or fails because of it.
        for (const PageNote& note : abilities.notes())
            if (note.page != page && note.page != "overlay" && note.page != "strict")
                QCOMPARE(note.works, WaylandAbilities(bare()).note(note.page).works);
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
