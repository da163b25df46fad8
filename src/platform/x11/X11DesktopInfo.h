#pragma once

#include "platform/IDesktopInfo.h"

struct _XDisplay;

// The X server, the window manager that announces itself through _NET_SUPPORTING_WM_CHECK,
// the compositor that owns the _NET_WM_CM_Sn selection, and the gamma size of each active
// XRandR CRTC.
class X11DesktopInfo : public IDesktopInfo
{
public:
    explicit X11DesktopInfo(_XDisplay* display) : m_display(display) {}

    DesktopDescription describe() const override;

private:
    QString window_manager() const;
    QString compositor() const;
    QVector<MonitorGammaInfo> monitors() const;
    // The window's _NET_WM_NAME, else its WM_NAME; empty when it has neither or is gone.
    QString window_name(unsigned long window) const;

    _XDisplay* m_display;
};
