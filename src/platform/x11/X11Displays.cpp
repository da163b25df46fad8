#include "platform/x11/X11Displays.h"

// Qt's headers before X11's, whose macros (None, Bool) clash with Qt's names.
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include "platform/GammaTable.h"
#include "platform/x11/X11ErrorTrap.h"
#include "platform/x11/X11EventSource.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

X11Displays::X11Displays(_XDisplay* display, X11EventSource* events)
    : m_display(display), m_events(events), m_xwayland(serverIsXwayland(display))
{
    listenForChanges();
}

X11Displays::~X11Displays()
{
    X11LateErrors::forget(&m_stale);
}

bool X11Displays::serverIsXwayland(_XDisplay* display)
{
    int opcode = 0;
    int event = 0;
    int error = 0;
    if (XQueryExtension(display, "XWAYLAND", &opcode, &event, &error))
        return true;
    X11ErrorTrap trap(display);
    XRRScreenResources* resources =
        XRRGetScreenResourcesCurrent(display, RootWindow(display, DefaultScreen(display)));
    if (!resources)
        return false;
    bool xwayland = false;
    for (int i = 0; i < resources->noutput && !xwayland; ++i) {
        if (XRROutputInfo* info = XRRGetOutputInfo(display, resources, resources->outputs[i])) {
            xwayland = QByteArray(info->name, info->nameLen).startsWith("XWAYLAND");
            XRRFreeOutputInfo(info);
        }
    }
    XRRFreeScreenResources(resources);
    return xwayland;
}

void X11Displays::listenForChanges()
{
    int errorBase = 0;
    if (!XRRQueryExtension(m_display, &m_randrEventBase, &errorBase)) {
        m_randrEventBase = -1;
        return;
    }
    XRRSelectInput(m_display, RootWindow(m_display, DefaultScreen(m_display)),
                   RRScreenChangeNotifyMask | RRCrtcChangeNotifyMask | RROutputChangeNotifyMask);
    XFlush(m_display);
    if (m_events) {
        m_events->addHandler([this](XEvent& event) {
            if (!takeEvent(event))
                return false;
            // A burst of RandR events is looked at once, after the burst.
            if (!m_checkQueued) {
                m_checkQueued = true;
                QTimer::singleShot(0, m_events, [this] {
                    m_checkQueued = false;
                    announceIfChanged();
                });
            }
            return true;
        });
        return;
    }
    // Without an application (kavoctl, say) the queue is still read on every call.
    if (!QCoreApplication::instance())
        return;
    m_notifier =
        std::make_unique<QSocketNotifier>(ConnectionNumber(m_display), QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(), [this] {
        takeEvents(true);
        announceIfChanged();
    });
}

void X11Displays::announceIfChanged()
{
    if (!m_stale || !m_listed)
        return; // a list nobody has read yet changes for nobody
    const QVector<Crtc> before = m_crtcs;
    if (crtcs() != before)
        announceMonitorsChanged();
}

bool X11Displays::takeEvent(XEvent& event) const
{
    if (m_randrEventBase < 0)
        return false;
    if (event.type == m_randrEventBase + RRScreenChangeNotify) {
        XRRUpdateConfiguration(&event);
        m_stale = true;
        return true;
    }
    if (event.type == m_randrEventBase + RRNotify) {
        m_stale = true;
        return true;
    }
    return false;
}

void X11Displays::takeEvents(bool read) const
{
    // The shared source hands every event to its reader; taking them here would steal them.
    if (m_events) {
        m_events->dispatchQueued();
        return;
    }
    while (XEventsQueued(m_display, read ? QueuedAfterReading : QueuedAlready) > 0) {
        XEvent event;
        XNextEvent(m_display, &event);
        takeEvent(event);
    }
}

QVector<X11Displays::Crtc> X11Displays::listCrtcs() const
{
    QVector<Crtc> crtcs;
    const Window root = RootWindow(m_display, DefaultScreen(m_display));
    X11ErrorTrap trap(m_display);
    XRRScreenResources* resources = XRRGetScreenResourcesCurrent(m_display, root);
    if (!resources)
        return crtcs;
    for (int i = 0; i < resources->ncrtc; ++i) {
        XRRCrtcInfo* info = XRRGetCrtcInfo(m_display, resources, resources->crtcs[i]);
        if (!info)
            continue;
        if (info->mode != 0 && info->noutput > 0) {
            Crtc crtc;
            crtc.id = resources->crtcs[i];
            crtc.output = info->outputs[0];
            crtc.mode = info->mode;
            crtc.geometry = QRect(info->x, info->y, static_cast<int>(info->width),
                                  static_cast<int>(info->height));
            crtcs.append(crtc);
        }
        XRRFreeCrtcInfo(info);
    }
    XRRFreeScreenResources(resources);
    for (Crtc& crtc : crtcs) {
        X11ErrorTrap sizeTrap(m_display);
        const int size = XRRGetCrtcGammaSize(m_display, crtc.id);
        crtc.gammaSize = m_xwayland || sizeTrap.failed() || size < 0 ? 0 : size;
    }
    return crtcs;
}

const QVector<X11Displays::Crtc>& X11Displays::crtcs() const
{
    takeEvents(false);
    if (m_stale) {
        // Cleared first: a change reported while listing makes the list stale again.
        m_stale = false;
        m_listed = true;
        m_crtcs = listCrtcs();
        m_identities.clear();
        takeEvents(false);
    }
    return m_crtcs;
}

const X11Displays::Crtc* X11Displays::crtcAt(int index) const
{
    const QVector<Crtc>& all = crtcs();
    return index >= 0 && index < all.size() ? &all[index] : nullptr;
}

int X11Displays::monitorCount() const
{
    return crtcs().size();
}

QVector<QRect> X11Displays::monitorGeometries() const
{
    QVector<QRect> monitors;
    for (const Crtc& crtc : crtcs())
        monitors.append(crtc.geometry);
    return monitors;
}

bool X11Displays::hasGamma(int index) const
{
    const Crtc* crtc = crtcAt(index);
    return crtc && crtc->gammaSize > 0;
}

QVector<quint16> X11Displays::resample(const quint16* levels, int count, int size)
{
    return resampleGammaLevels(levels, count, size);
}

bool X11Displays::readCrtc(const Crtc& crtc, CrtcRamp& ramp) const
{
    if (crtc.gammaSize <= 0)
        return false;
    X11ErrorTrap trap(m_display);
    XRRCrtcGamma* gamma = XRRGetCrtcGamma(m_display, crtc.id);
    // A CRTC whose gamma size changed since it was listed gives a ramp of another size.
    if (!gamma || trap.failed() || gamma->size != crtc.gammaSize) {
        if (gamma)
            XRRFreeGamma(gamma);
        m_stale = true;
        return false;
    }
    ramp.red = QVector<quint16>(gamma->red, gamma->red + gamma->size);
    ramp.green = QVector<quint16>(gamma->green, gamma->green + gamma->size);
    ramp.blue = QVector<quint16>(gamma->blue, gamma->blue + gamma->size);
    XRRFreeGamma(gamma);
    return true;
}

bool X11Displays::writeCrtc(unsigned long crtc, const CrtcRamp& ramp, bool confirm)
{
    XRRCrtcGamma* gamma = XRRAllocGamma(ramp.red.size());
    if (!gamma)
        return false;
    std::copy(ramp.red.begin(), ramp.red.end(), gamma->red);
    std::copy(ramp.green.begin(), ramp.green.end(), gamma->green);
    std::copy(ramp.blue.begin(), ramp.blue.end(), gamma->blue);
    if (!confirm) {
        // The update tick's ramp: a CRTC gone meanwhile is listed again on the next call, so
        // Kavo does not wait for the server on every tick.
        X11LateErrors::expect(m_display, NextRequest(m_display), &m_stale);
        XRRSetCrtcGamma(m_display, crtc, gamma);
        XRRFreeGamma(gamma);
        XFlush(m_display);
        return true;
    }
    X11ErrorTrap trap(m_display);
    XRRSetCrtcGamma(m_display, crtc, gamma);
    XRRFreeGamma(gamma);
    if (!trap.failed())
        return true;
    m_stale = true; // gone, or another gamma size: list the CRTCs again next time
    return false;
}

bool X11Displays::readRamp(int index, GammaRamp& ramp) const
{
    const Crtc* crtc = crtcAt(index);
    CrtcRamp levels;
    if (!crtc || !readCrtc(*crtc, levels))
        return false;
    const QVector<quint16>* channels[] = {&levels.red, &levels.green, &levels.blue};
    for (int c = 0; c < 3; ++c) {
        const QVector<quint16> resampled =
            resample(channels[c]->constData(), channels[c]->size(), GammaRamp::kSize);
        std::copy(resampled.begin(), resampled.end(), ramp.channel(c).begin());
    }
    return true;
}

bool X11Displays::writeRamp(int index, const GammaRamp& ramp)
{
    const Crtc* found = crtcAt(index);
    if (!found || found->gammaSize <= 0)
        return false;
    const Crtc crtc = *found;
    if (!m_originals.contains(crtc.id)) {
        CrtcRamp original;
        if (!readCrtc(crtc, original))
            return false;
        m_originals.insert(crtc.id, original);
    }
    CrtcRamp levels;
    levels.red = resample(ramp.red.data(), GammaRamp::kSize, crtc.gammaSize);
    levels.green = resample(ramp.green.data(), GammaRamp::kSize, crtc.gammaSize);
    levels.blue = resample(ramp.blue.data(), GammaRamp::kSize, crtc.gammaSize);
    return writeCrtc(crtc.id, levels, false);
}

MonitorIdentity X11Displays::monitorIdentity(int index) const
{
    const Crtc* crtc = crtcAt(index);
    if (!crtc)
        return {};
    const auto known = m_identities.constFind(crtc->output);
    if (known != m_identities.cend())
        return *known;
    const MonitorIdentity identity = readIdentity(*crtc);
    m_identities.insert(crtc->output, identity);
    return identity;
}

MonitorIdentity X11Displays::readIdentity(const Crtc& crtc) const
{
    MonitorIdentity identity;
    X11ErrorTrap trap(m_display);
    const Window root = RootWindow(m_display, DefaultScreen(m_display));
    if (XRRScreenResources* resources = XRRGetScreenResourcesCurrent(m_display, root)) {
        if (XRROutputInfo* info = XRRGetOutputInfo(m_display, resources, crtc.output)) {
            identity.output = QString::fromUtf8(info->name, info->nameLen);
            XRRFreeOutputInfo(info);
        }
        XRRFreeScreenResources(resources);
    }
    const Atom edid = XInternAtom(m_display, "EDID", True);
    if (edid == None)
        return identity;
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    // An EDID has at most 256 blocks of 128 bytes: 8192 32-bit units.
    if (XRRGetOutputProperty(m_display, crtc.output, edid, 0, 8192, False, False, AnyPropertyType,
                             &type, &format, &count, &remaining, &data) == Success &&
        data && format == 8)
        identity.edid = QByteArray(reinterpret_cast<const char*>(data), static_cast<int>(count));
    if (data)
        XFree(data);
    return identity;
}

ColorRoute X11Displays::route(int index) const
{
    if (m_xwayland)
        return ColorRoute::none(
            QStringLiteral("Xwayland passes no gamma ramp on to the Wayland compositor"));
    if (!hasGamma(index))
        return ColorRoute::none(QStringLiteral("the monitor has no gamma ramp"));
    return {QStringLiteral("xrandr"), {}};
}

void X11Displays::restoreOriginalRamps()
{
    for (auto it = m_originals.begin(); it != m_originals.end(); ++it)
        writeCrtc(it.key(), it.value(), true);
    m_originals.clear();
}
