#include "platform/wayland/WaylandAbilities.h"

// A page shows its sentence only where it does not work as everywhere, in the user's language:
// those sentences are marked here and looked up where the pages' texts are (the context
// "Translator"); the log keeps them in English.
namespace {
PageNote says(const char* page, bool works, const char* text)
{
    return {QLatin1String(page), works, QString::fromUtf8(text)};
}
} // namespace

QVector<PageNote> WaylandAbilities::notes() const
{
    return {pausers(),
            inactivity(),
            shortcuts(),
            overlay(),
            strict(),
            tray(),
            says("clicker", false,
                 QT_TRANSLATE_NOOP("Translator", "Wayland lets no program click for the user: the "
                                                 "auto clicker is not available.")),
            says("cursor", false,
                 QT_TRANSLATE_NOOP("Translator", "Wayland lets no program draw the mouse cursor: "
                                                 "the software cursor is not available.")),
            says("idle-effects", false,
                 QT_TRANSLATE_NOOP("Translator",
                                   "Wayland gives ordinary programs no picture of the screen: "
                                   "effects that work on a picture while you are idle are not "
                                   "available."))};
}

PageNote WaylandAbilities::note(const QString& page) const
{
    for (const PageNote& each : notes())
        if (each.page == page)
            return each;
    return {};
}

PageNote WaylandAbilities::pausers() const
{
    if (offers("zwlr_foreign_toplevel_manager_v1"))
        return says("pausers", true,
                    "The compositor lists the windows: pausers and triggers match a program by its "
                    "Wayland app_id.");
    if (m_offer.kwinScripting)
        return says("pausers", true,
                    "A KWin script tells Kavo the window in front: pausers and triggers match "
                    "its program or its window class.");
    if (m_offer.mutterIdleMonitor)
        return says("pausers", false,
                    QT_TRANSLATE_NOOP("Translator",
                                      "GNOME tells no program which window is in front (that "
                                      "needs a Shell extension): pausers and triggers cannot see "
                                      "programs."));
    return says("pausers", false,
                QT_TRANSLATE_NOOP("Translator", "This compositor tells no program which window is "
                                                "in front: pausers and triggers cannot see "
                                                "programs."));
}

PageNote WaylandAbilities::inactivity() const
{
    if (offers("ext_idle_notifier_v1") || offers("org_kde_kwin_idle") || m_offer.mutterIdleMonitor)
        return says("inactivity", true,
                    "The desktop says when you are idle; keys and mouse count alike.");
    return says("inactivity", false,
                QT_TRANSLATE_NOOP("Translator", "This desktop does not say when you are idle: "
                                                "inactivity does not stop the timer."));
}

PageNote WaylandAbilities::shortcuts() const
{
    if (m_offer.portalShortcuts)
        return says("shortcuts", true,
                    "Shortcuts go through the desktop portal, which may ask you to confirm them.");
    return says("shortcuts", false,
                QT_TRANSLATE_NOOP("Translator",
                                  "This desktop keeps keys to itself: bind each shortcut in the "
                                  "compositor's configuration, for example in sway \"bindsym "
                                  "Ctrl+Alt+End exec kavoctl shortcut pause-resume\" or in "
                                  "Hyprland \"bind = CTRL ALT, End, exec, kavoctl shortcut "
                                  "pause-resume\" (kavoctl --help lists the actions)."));
}

// Layer surfaces lie over every window and take the keyboard when asked; without them an
// ordinary window is tiled or stacked like any other.
PageNote WaylandAbilities::overlay() const
{
    if (offers("zwlr_layer_shell_v1"))
        return says("overlay", true,
                    "Overlays lie over everything as layer surfaces of the compositor.");
    return says("overlay", false,
                QT_TRANSLATE_NOOP("Translator", "This desktop lets no window lie over everything: "
                                                "the overlay's colour goes through the screen's "
                                                "colours, and the lightness spot is not shown."));
}

PageNote WaylandAbilities::strict() const
{
    if (offers("zwlr_layer_shell_v1"))
        return says("strict", true,
                    "A strict break takes the keyboard through a layer surface of the compositor.");
    return says("strict", false,
                QT_TRANSLATE_NOOP("Translator", "This desktop lets no program take the keyboard: "
                                                "strict breaks cannot keep other programs from "
                                                "keys."));
}

PageNote WaylandAbilities::tray() const
{
    if (m_offer.trayWatcher)
        return says("tray", true, "The tray icon shows through StatusNotifierItem.");
    return says("tray", false,
                QT_TRANSLATE_NOOP("Translator", "This desktop has no tray (no "
                                                "StatusNotifierWatcher): start Kavo again to open "
                                                "its window."));
}
