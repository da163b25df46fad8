#pragma once

#include "platform/IOverlays.h"

struct _XDisplay;

// Overlays on X11: windows the window manager leaves alone (override-redirect, so that no frame
// of its own catches clicks), with an empty input shape (Qt::WindowTransparentForInput), so that
// clicks reach the windows beneath, and the EWMH states "above", "skip taskbar" and "skip pager"
// for panels. Translucency needs a compositing manager (the owner of _NET_WM_CM_Sn).
class X11Overlays : public IOverlays
{
public:
    explicit X11Overlays(_XDisplay* display) : m_display(display) {}

    void prepare(QWidget& window) override;
    bool blendsTranslucentWindows() override;

private:
    _XDisplay* m_display;
};
