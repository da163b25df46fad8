#pragma once

#include "platform/IDisplays.h"

#include <QHash>
#include <QMap>
#include <QVector>

#include <memory>

struct _XDisplay;
union _XEvent;
class QSocketNotifier;
class X11EventSource;

// Monitors are the active XRandR CRTCs of the default screen, in CRTC order. Gamma ramps are
// resampled between Kavo's 256 entries and each CRTC's own gamma size. The CRTC list and the
// gamma sizes are kept and listed again only when the server reports a change of the screen,
// a CRTC or an output; a change that alters the list is announced. The platform's teardown
// gives every CRTC whose ramp Kavo changed exactly the ramp it had before the first change.
// On Xwayland no CRTC has gamma.
class X11Displays : public IDisplays
{
public:
    // With `events`, the RandR events come through the connection's shared event source;
    // without (kavoctl, the guardian), the queue is read on every call.
    explicit X11Displays(_XDisplay* display, X11EventSource* events = nullptr);
    ~X11Displays() override;

    int monitorCount() const override;
    QVector<QRect> monitorGeometries() const override;
    bool hasGamma(int index) const override;
    bool readRamp(int index, GammaRamp& ramp) const override;
    bool writeRamp(int index, const GammaRamp& ramp) override;
    // The CRTC's first output: its name and its "EDID" property.
    MonitorIdentity monitorIdentity(int index) const override;
    // "xrandr"; none on Xwayland, and for a CRTC without a gamma ramp.
    ColorRoute route(int index) const override;

    // Whether the server is Xwayland, whose ramps never reach the compositor's outputs: its
    // CRTCs then have no gamma, and nothing is read from them or written to them.
    bool isXwayland() const { return m_xwayland; }
    // Xwayland names its outputs XWAYLAND0, XWAYLAND1, ... and offers the XWAYLAND extension.
    static bool serverIsXwayland(_XDisplay* display);

    // Puts back the ramps the CRTCs had before Kavo changed them, unless Kavo put back what
    // they are to keep (keepShownRamps).
    void restoreOriginalRamps();
    void keepShownRamps() override { m_originals.clear(); }

    // Linear resampling of one channel to `size` entries (both ends kept).
    static QVector<quint16> resample(const quint16* levels, int count, int size);

private:
    struct CrtcRamp
    {
        QVector<quint16> red, green, blue;
    };
    struct Crtc
    {
        unsigned long id = 0;
        unsigned long output = 0; // the first output it drives
        // A new mode of the same size (another refresh rate) may load a ramp of its own.
        unsigned long mode = 0;
        QRect geometry;
        int gammaSize = 0; // 0: the CRTC has no gamma ramp
        bool operator==(const Crtc& other) const
        {
            return id == other.id && output == other.output && mode == other.mode &&
                   geometry == other.geometry && gammaSize == other.gammaSize;
        }
    };

    void listenForChanges();
    // Takes the events Xlib has queued (reading the connection too when `read`); a RandR
    // change makes the CRTC list stale.
    void takeEvents(bool read) const;
    // Whether `event` is a RandR change (which makes the CRTC list stale).
    bool takeEvent(_XEvent& event) const;
    // Announces a change when the CRTC list someone has read is no longer what it was.
    void announceIfChanged();
    // The active CRTCs, listed again when a change was reported since the last listing.
    const QVector<Crtc>& crtcs() const;
    QVector<Crtc> listCrtcs() const;
    const Crtc* crtcAt(int index) const;
    bool readCrtc(const Crtc& crtc, CrtcRamp& ramp) const;
    // The output's name and EDID, asked of the X server.
    MonitorIdentity readIdentity(const Crtc& crtc) const;
    // Sends `ramp` to `crtc`. Waits for the server's verdict only when `confirm` is true; an
    // unconfirmed write that fails makes the CRTC list stale when the error arrives.
    bool writeCrtc(unsigned long crtc, const CrtcRamp& ramp, bool confirm);

    _XDisplay* m_display;
    X11EventSource* m_events;
    bool m_xwayland = false;
    int m_randrEventBase = -1;
    bool m_checkQueued = false;
    std::unique_ptr<QSocketNotifier> m_notifier;
    mutable QVector<Crtc> m_crtcs;
    mutable bool m_stale = true;
    mutable bool m_listed = false;
    // The identities asked for since the CRTCs were last listed, by output.
    mutable QHash<unsigned long, MonitorIdentity> m_identities;
    QMap<unsigned long, CrtcRamp> m_originals;
};
