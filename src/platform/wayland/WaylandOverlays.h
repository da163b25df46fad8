#pragma once

#include "platform/IOverlays.h"

#include <QPointer>
#include <QVector>

class LayerMirror;
class LayerShell;

// Overlays on Wayland. Where the compositor has a layer shell (wlroots compositors, KWin), each
// overlay window is shown through a layer mirror: surfaces on the overlay layer above every
// window, which every click goes through. Without one (Mutter) no window may lie over
// everything: overlays report that nothing blends, so that their colour goes through the
// colour route instead, and a window shown anyway is kept from the focus and the mouse.
class WaylandOverlays : public IOverlays
{
public:
    // `shell` null: the compositor has no layer shell.
    explicit WaylandOverlays(LayerShell* shell) : m_shell(shell) {}
    ~WaylandOverlays() override;
    WaylandOverlays(const WaylandOverlays&) = delete;
    WaylandOverlays& operator=(const WaylandOverlays&) = delete;

    // Gives the window its layer mirror (once), or without a layer shell keeps it from the
    // focus and the mouse.
    void prepare(QWidget& window) override;
    // Every Wayland compositor blends; but only on the overlay layer does a window lie over
    // everything, so without a layer shell this says false.
    bool blendsTranslucentWindows() override { return m_shell != nullptr; }

    // The mirror that shows `window`; null when it has none.
    static LayerMirror* mirrorOf(const QWidget& window);

private:
    LayerShell* m_shell;
    QVector<QPointer<LayerMirror>> m_mirrors;
};
