#pragma once

#include <QRect>
#include <QString>
#include <QVector>

#include <memory>

class DisplayEvents;
class WaylandConnection;
class WaylandDisplays;
class WaylandGlobals;
struct wl_compositor;
struct wl_output;
struct wl_shm;
struct zwlr_layer_shell_v1;

// The compositor's layer shell (zwlr_layer_shell_v1) on Kavo's own connection, with what layer
// surfaces need beside it: surfaces, shared memory and the outputs. Nothing is bound before the
// first surface asks for it, so a desktop that never shows an overlay pays nothing.
class LayerShell
{
public:
    // One output as a surface is placed on it.
    struct Output
    {
        wl_output* object = nullptr;
        QString name;
        QRect geometry; // in the compositor's logical coordinates
    };

    // Null when the compositor offers no layer shell, surfaces or shared memory.
    static std::unique_ptr<LayerShell> create(const WaylandGlobals& globals,
                                              WaylandDisplays& displays);
    ~LayerShell();
    LayerShell(const LayerShell&) = delete;
    LayerShell& operator=(const LayerShell&) = delete;

    WaylandConnection& connection() const { return m_connection; }
    const WaylandGlobals& globals() const { return m_globals; }
    // The outputs in the compositor's order.
    QVector<Output> outputs() const;
    // Where added, removed and changed outputs are announced.
    DisplayEvents& outputEvents() const;

    // Each bound at its first use.
    wl_compositor* compositor();
    wl_shm* shm();
    zwlr_layer_shell_v1* shell();

private:
    LayerShell(const WaylandGlobals& globals, WaylandDisplays& displays);

    WaylandConnection& m_connection;
    const WaylandGlobals& m_globals;
    WaylandDisplays& m_displays;
    wl_compositor* m_compositor = nullptr;
    wl_shm* m_shm = nullptr;
    zwlr_layer_shell_v1* m_shell = nullptr;
};
