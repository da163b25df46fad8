#include "platform/x11/X11DesktopInfo.h"

#include "platform/x11/X11ErrorTrap.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

namespace {
// The property's items as 8-bit text; empty when the window lacks it.
QByteArray text_property(Display* display, Window window, Atom property, Atom type)
{
    Atom actual_type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long bytes_after = 0;
    unsigned char* data = nullptr;
    QByteArray text;
    if (XGetWindowProperty(display, window, property, 0, 1024, False, type, &actual_type, &format,
                           &items, &bytes_after, &data) == Success &&
        data && format == 8)
        text = QByteArray(reinterpret_cast<const char*>(data), static_cast<int>(items));
    if (data)
        XFree(data);
    return text;
}

Window window_property(Display* display, Window window, Atom property)
{
    Atom actual_type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long bytes_after = 0;
    unsigned char* data = nullptr;
    Window found = None;
    if (XGetWindowProperty(display, window, property, 0, 1, False, XA_WINDOW, &actual_type, &format,
                           &items, &bytes_after, &data) == Success &&
        data && format == 32 && items == 1)
        found = *reinterpret_cast<const Window*>(data);
    if (data)
        XFree(data);
    return found;
}
} // namespace

DesktopDescription X11DesktopInfo::describe() const
{
    DesktopDescription description;
    description.kind = QStringLiteral("X11");
    description.server = QString::fromLocal8Bit(ServerVendor(m_display)) + QStringLiteral(" ") +
                         QString::number(VendorRelease(m_display));
    description.window_manager = window_manager();
    description.compositor = compositor();
    description.monitors = monitors();
    return description;
}

QString X11DesktopInfo::window_name(unsigned long window) const
{
    X11ErrorTrap trap(m_display);
    const Atom utf8 = XInternAtom(m_display, "UTF8_STRING", False);
    QByteArray name =
        text_property(m_display, window, XInternAtom(m_display, "_NET_WM_NAME", False), utf8);
    if (name.isEmpty())
        name = text_property(m_display, window, XA_WM_NAME, XA_STRING);
    if (trap.failed())
        return {};
    return QString::fromUtf8(name);
}

QString X11DesktopInfo::window_manager() const
{
    const Atom check = XInternAtom(m_display, "_NET_SUPPORTING_WM_CHECK", False);
    Window child = None;
    {
        X11ErrorTrap trap(m_display);
        child = window_property(m_display, DefaultRootWindow(m_display), check);
        // The check window names itself too; one left behind by a window manager that is gone
        // does not.
        if (child != None && window_property(m_display, child, check) != child)
            child = None;
        if (trap.failed())
            child = None;
    }
    return child == None ? QString() : window_name(child);
}

QString X11DesktopInfo::compositor() const
{
    const QByteArray selection = "_NET_WM_CM_S" + QByteArray::number(DefaultScreen(m_display));
    const Window owner =
        XGetSelectionOwner(m_display, XInternAtom(m_display, selection.constData(), False));
    if (owner == None)
        return {};
    const QString name = window_name(owner);
    return name.isEmpty() ? QStringLiteral("running (unnamed)") : name;
}

QVector<MonitorGammaInfo> X11DesktopInfo::monitors() const
{
    QVector<MonitorGammaInfo> monitors;
    X11ErrorTrap trap(m_display);
    XRRScreenResources* resources =
        XRRGetScreenResourcesCurrent(m_display, DefaultRootWindow(m_display));
    if (!resources)
        return monitors;
    for (int i = 0; i < resources->ncrtc; ++i) {
        XRRCrtcInfo* crtc = XRRGetCrtcInfo(m_display, resources, resources->crtcs[i]);
        if (!crtc)
            continue;
        if (crtc->mode != 0 && crtc->noutput > 0) {
            MonitorGammaInfo monitor;
            if (XRROutputInfo* output = XRRGetOutputInfo(m_display, resources, crtc->outputs[0])) {
                monitor.name = QString::fromLocal8Bit(output->name, output->nameLen);
                XRRFreeOutputInfo(output);
            }
            monitor.gamma_size = XRRGetCrtcGammaSize(m_display, resources->crtcs[i]);
            monitors.append(monitor);
        }
        XRRFreeCrtcInfo(crtc);
    }
    XRRFreeScreenResources(resources);
    if (trap.failed())
        monitors.clear();
    return monitors;
}
