#pragma once

#include <QSet>
#include <QString>
#include <QVector>

// What a Wayland desktop lets Kavo do beyond colours, from what its compositor and session bus
// offer, and the sentence each page says about it: one table, so that every page tells the
// same truth and the log names it once at start.
struct WaylandOffer
{
    QSet<QString> globals;        // the compositor's global interfaces
    bool portalShortcuts = false; // a portal with org.freedesktop.portal.GlobalShortcuts
    bool kwinScripting = false;   // KWin's scripting service (the window in front)
    bool mutterIdleMonitor = false;
    bool trayWatcher = false; // a StatusNotifierWatcher
};

struct PageNote
{
    QString page; // "pausers", "inactivity", "shortcuts", "overlay", "strict", "tray", ...
    bool works = false;
    QString text;

    bool operator==(const PageNote& other) const
    {
        return page == other.page && works == other.works && text == other.text;
    }
};

class WaylandAbilities
{
public:
    explicit WaylandAbilities(WaylandOffer offer) : m_offer(std::move(offer)) {}

    // One note per page, in a fixed order.
    QVector<PageNote> notes() const;
    // The note of `page`; an empty note for an unknown page.
    PageNote note(const QString& page) const;
    const WaylandOffer& offer() const { return m_offer; }

private:
    bool offers(const char* global) const
    {
        return m_offer.globals.contains(QLatin1String(global));
    }
    PageNote pausers() const;
    PageNote inactivity() const;
    PageNote shortcuts() const;
    PageNote overlay() const;
    PageNote strict() const;
    PageNote tray() const;

    WaylandOffer m_offer;
};
