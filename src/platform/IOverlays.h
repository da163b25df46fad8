#pragma once

class QWidget;

// What an overlay window shows, kept by the window as dynamic properties for the desktops
// that report it: its opacity (double, 0..1) and the last statement its page ran (text).
inline constexpr char kOverlayOpacityProperty[] = "kavoOverlayOpacity";
inline constexpr char kOverlayStatementProperty[] = "kavoPageStatement";

// What the desktop does for windows that lie over everything else: Kavo's overlays, the
// lightness spot and the software screen effects.
class IOverlays
{
public:
    virtual ~IOverlays() = default;

    // Keeps the shown top-level `window` above the other windows, out of the taskbar and the
    // pager, without the focus, and lets every mouse event through to the windows beneath.
    virtual void prepare(QWidget& window) = 0;

    // Whether translucent windows are blended with what lies beneath them (a compositing
    // manager runs); without that they are drawn opaque.
    virtual bool blendsTranslucentWindows() = 0;
};
