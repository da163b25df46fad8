#include "platform/x11/X11Displays.h"
#include "platform/x11/X11ErrorTrap.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <cmath>

X11Displays::X11Displays(_XDisplay* display) : m_display(display)
{
}

template <typename Visit> void X11Displays::forEachActiveCrtc(Visit visit) const
{
    const Window root = RootWindow(m_display, DefaultScreen(m_display));
    X11ErrorTrap trap(m_display);
    XRRScreenResources* resources = XRRGetScreenResourcesCurrent(m_display, root);
    if (!resources)
        return;
    for (int i = 0; i < resources->ncrtc; ++i) {
        XRRCrtcInfo* crtc = XRRGetCrtcInfo(m_display, resources, resources->crtcs[i]);
        if (!crtc)
            continue;
        if (crtc->mode != 0 && crtc->noutput > 0)
            visit(resources->crtcs[i], *crtc);
        XRRFreeCrtcInfo(crtc);
    }
    XRRFreeScreenResources(resources);
}

QVector<unsigned long> X11Displays::activeCrtcs() const
{
    QVector<unsigned long> crtcs;
    forEachActiveCrtc([&](unsigned long id, const XRRCrtcInfo&) { crtcs.append(id); });
    return crtcs;
}

int X11Displays::monitorCount() const
{
    return activeCrtcs().size();
}

QVector<QRect> X11Displays::monitorGeometries() const
{
    QVector<QRect> monitors;
    forEachActiveCrtc([&](unsigned long, const XRRCrtcInfo& crtc) {
        monitors.append(
            QRect(crtc.x, crtc.y, static_cast<int>(crtc.width), static_cast<int>(crtc.height)));
    });
    return monitors;
}

int X11Displays::gammaSize(unsigned long crtc) const
{
    X11ErrorTrap trap(m_display);
    const int size = XRRGetCrtcGammaSize(m_display, crtc);
    return trap.failed() ? 0 : size;
}

QVector<quint16> X11Displays::resample(const quint16* levels, int count, int size)
{
    QVector<quint16> result(size);
    if (count <= 0 || size <= 0)
        return result;
    for (int j = 0; j < size; ++j) {
        const double position = size == 1 ? 0.0 : double(j) * (count - 1) / (size - 1);
        const int below = static_cast<int>(position);
        const int above = below + 1 < count ? below + 1 : below;
        const double weight = position - below;
        const double level = levels[below] * (1.0 - weight) + levels[above] * weight;
        result[j] = static_cast<quint16>(std::lround(level));
    }
    return result;
}

bool X11Displays::readCrtc(unsigned long crtc, CrtcRamp& ramp) const
{
    const int size = gammaSize(crtc);
    if (size <= 0)
        return false;
    X11ErrorTrap trap(m_display);
    XRRCrtcGamma* gamma = XRRGetCrtcGamma(m_display, crtc);
    if (!gamma || trap.failed()) {
        if (gamma)
            XRRFreeGamma(gamma);
        return false;
    }
    ramp.red = QVector<quint16>(gamma->red, gamma->red + size);
    ramp.green = QVector<quint16>(gamma->green, gamma->green + size);
    ramp.blue = QVector<quint16>(gamma->blue, gamma->blue + size);
    XRRFreeGamma(gamma);
    return true;
}

bool X11Displays::writeCrtc(unsigned long crtc, const CrtcRamp& ramp)
{
    XRRCrtcGamma* gamma = XRRAllocGamma(ramp.red.size());
    if (!gamma)
        return false;
    std::copy(ramp.red.begin(), ramp.red.end(), gamma->red);
    std::copy(ramp.green.begin(), ramp.green.end(), gamma->green);
    std::copy(ramp.blue.begin(), ramp.blue.end(), gamma->blue);
    X11ErrorTrap trap(m_display);
    XRRSetCrtcGamma(m_display, crtc, gamma);
    XRRFreeGamma(gamma);
    return !trap.failed();
}

bool X11Displays::readRamp(int index, GammaRamp& ramp) const
{
    const QVector<unsigned long> crtcs = activeCrtcs();
    CrtcRamp levels;
    if (index < 0 || index >= crtcs.size() || !readCrtc(crtcs[index], levels))
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
    const QVector<unsigned long> crtcs = activeCrtcs();
    if (index < 0 || index >= crtcs.size())
        return false;
    const unsigned long crtc = crtcs[index];
    const int size = gammaSize(crtc);
    if (size <= 0)
        return false;
    if (!m_originals.contains(crtc)) {
        CrtcRamp original;
        if (!readCrtc(crtc, original))
            return false;
        m_originals.insert(crtc, original);
    }
    CrtcRamp levels;
    levels.red = resample(ramp.red.data(), GammaRamp::kSize, size);
    levels.green = resample(ramp.green.data(), GammaRamp::kSize, size);
    levels.blue = resample(ramp.blue.data(), GammaRamp::kSize, size);
    return writeCrtc(crtc, levels);
}

MonitorIdentity X11Displays::monitorIdentity(int index) const
{
    QVector<RROutput> outputs;
    forEachActiveCrtc(
        [&](unsigned long, const XRRCrtcInfo& crtc) { outputs.append(crtc.outputs[0]); });
    if (index < 0 || index >= outputs.size())
        return {};
    const RROutput output = outputs[index];
    MonitorIdentity identity;
    X11ErrorTrap trap(m_display);
    const Window root = RootWindow(m_display, DefaultScreen(m_display));
    if (XRRScreenResources* resources = XRRGetScreenResourcesCurrent(m_display, root)) {
        if (XRROutputInfo* info = XRRGetOutputInfo(m_display, resources, output)) {
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
    if (XRRGetOutputProperty(m_display, output, edid, 0, 8192, False, False, AnyPropertyType, &type,
                             &format, &count, &remaining, &data) == Success &&
        data && format == 8)
        identity.edid = QByteArray(reinterpret_cast<const char*>(data), static_cast<int>(count));
    if (data)
        XFree(data);
    return identity;
}

void X11Displays::restoreOriginalRamps()
{
    for (auto it = m_originals.begin(); it != m_originals.end(); ++it)
        writeCrtc(it.key(), it.value());
    m_originals.clear();
}
