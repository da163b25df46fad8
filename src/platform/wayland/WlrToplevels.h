#pragma once

#include <QObject>

#include <memory>

class ToplevelWindows;
class WaylandGlobals;
struct zwlr_foreign_toplevel_manager_v1;

// A wlroots compositor's list of every program's windows (wlr-foreign-toplevel-management:
// sway, Hyprland, labwc, river, wayfire with its plugin): app_id, title, and whether each is
// active, full screen or minimised, told to a ToplevelWindows while it watches.
class WlrToplevels
{
public:
    // Null when the compositor offers no such list.
    static std::unique_ptr<WlrToplevels> create(const WaylandGlobals& globals,
                                                ToplevelWindows& windows);
    ~WlrToplevels();

    // Binds the list (the compositor then tells every window) or lets it go.
    void setWatching(bool on);

    struct Handle;

private:
    WlrToplevels(const WaylandGlobals& globals, ToplevelWindows& windows);
    friend struct WlrToplevelListeners;

    void add(struct zwlr_foreign_toplevel_handle_v1* handle);
    void close(Handle* handle);

    const WaylandGlobals& m_globals;
    ToplevelWindows& m_windows;
    zwlr_foreign_toplevel_manager_v1* m_manager = nullptr;
    std::vector<std::unique_ptr<Handle>> m_handles;
    quint64 m_nextId = 1;
};
