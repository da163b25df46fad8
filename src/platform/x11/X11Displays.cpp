#include "platform/x11/X11Displays.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

X11Displays::X11Displays(_XDisplay* display) : m_display(display) {}

int X11Displays::monitorCount() const
{
    return monitorGeometries().size();
}

QVector<QRect> X11Displays::monitorGeometries() const
{
    QVector<QRect> monitors;
    const Window root = RootWindow(m_display, DefaultScreen(m_display));
    XRRScreenResources* resources = XRRGetScreenResourcesCurrent(m_display, root);
    if (!resources)
        return monitors;
    for (int i = 0; i < resources->ncrtc; ++i) {
        XRRCrtcInfo* crtc = XRRGetCrtcInfo(m_display, resources, resources->crtcs[i]);
        if (!crtc)
            continue;
        if (crtc->mode != 0 && crtc->noutput > 0) {
            monitors.append(QRect(crtc->x, crtc->y, static_cast<int>(crtc->width),
                                  static_cast<int>(crtc->height)));
        }
        XRRFreeCrtcInfo(crtc);
    }
    XRRFreeScreenResources(resources);
    return monitors;
}
