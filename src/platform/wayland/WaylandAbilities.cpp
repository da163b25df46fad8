#include "platform/wayland/WaylandAbilities.h"

QVector<PageNote> WaylandAbilities::notes() const
{
    const QString clicks = QStringLiteral(
        "Wayland lets no program click for the user: the auto clicker is not available.");
    const QString cursor = QStringLiteral(
        "Wayland lets no program draw the mouse cursor: the software cursor is not available.");
    const QString capture = QStringLiteral(
        "Wayland gives ordinary programs no picture of the screen: effects that work on a "
        "picture while the user is idle are not available.");
    return {pausers(),
            inactivity(),
            shortcuts(),
            overlay(),
            strict(),
            tray(),
            {QStringLiteral("clicker"), false, clicks},
            {QStringLiteral("cursor"), false, cursor},
            {QStringLiteral("idle-effects"), false, capture}};
}

PageNote WaylandAbilities::note(const QString& page) const
{
    for (const PageNote& note : notes())
        if (note.page == page)
            return note;
    return {};
}

PageNote WaylandAbilities::pausers() const
{
    const QString page = QStringLiteral("pausers");
    if (offers("zwlr_foreign_toplevel_manager_v1"))
        return {page, true,
                QStringLiteral("The compositor lists the windows: pausers and triggers match a "
                               "program by its Wayland app_id.")};
    if (m_offer.kwinScripting)
        return {page, true,
                QStringLiteral("A KWin script tells Kavo the window in front: pausers and "
                               "triggers match its program or its window class.")};
    return {page, false,
            m_offer.mutterIdleMonitor
                ? QStringLiteral("GNOME tells no program which window is in front (that needs "
                                 "a Shell extension): pausers and triggers cannot see programs.")
                : QStringLiteral("This compositor tells no program which window is in front: "
                                 "pausers and triggers cannot see programs.")};
}

PageNote WaylandAbilities::inactivity() const
{
    const QString page = QStringLiteral("inactivity");
    if (offers("ext_idle_notifier_v1") || offers("org_kde_kwin_idle") || m_offer.mutterIdleMonitor)
        return {page, true,
                QStringLiteral("The desktop says when the user is idle; keys and mouse count "
                               "alike.")};
    return {page, false,
            QStringLiteral("This desktop does not say when the user is idle: inactivity does "
                           "not stop the timer.")};
}

PageNote WaylandAbilities::shortcuts() const
{
    const QString page = QStringLiteral("shortcuts");
    if (m_offer.portalShortcuts)
        return {page, true,
                QStringLiteral("Shortcuts go through the desktop portal, which may ask you to "
                               "confirm them.")};
    return {page, false,
            QStringLiteral("This desktop keeps keys to itself: bind each shortcut in the "
                           "compositor's configuration to \"kavoctl shortcut ACTION\".")};
}

PageNote WaylandAbilities::overlay() const
{
    // Layer surfaces are not drawn yet: the overlay's colour goes through the colour route.
    const QString page = QStringLiteral("overlay");
    return {page, false,
            offers("zwlr_layer_shell_v1")
                ? QStringLiteral("On Wayland the overlay's colour goes through the screen's "
                                 "colours; its clear area and the lightness spot are not shown.")
                : QStringLiteral("This desktop lets no window lie over everything: the "
                                 "overlay's colour goes through the screen's colours.")};
}

PageNote WaylandAbilities::strict() const
{
    return {QStringLiteral("strict"), false,
            QStringLiteral("On Wayland a break cannot take the keyboard from other programs: "
                           "strict breaks are not strict.")};
}

PageNote WaylandAbilities::tray() const
{
    const QString page = QStringLiteral("tray");
    if (m_offer.trayWatcher)
        return {page, true, QStringLiteral("The tray icon shows through StatusNotifierItem.")};
    return {page, false,
            QStringLiteral("This desktop has no tray (no StatusNotifierWatcher): start Kavo "
                           "again to open its window.")};
}
