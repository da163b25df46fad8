#pragma once

#include "platform/IDisplays.h"

#include <QMap>
#include <QVector>

struct _XDisplay;

// Monitors are the active XRandR CRTCs of the default screen, in CRTC order. Gamma ramps are
// resampled between Kavo's 256 entries and each CRTC's own gamma size. The platform's teardown
// gives every CRTC whose ramp Kavo changed exactly the ramp it had before the first change.
class X11Displays : public IDisplays
{
public:
    explicit X11Displays(_XDisplay* display);

    int monitorCount() const override;
    QVector<QRect> monitorGeometries() const override;
    bool readRamp(int index, GammaRamp& ramp) const override;
    bool writeRamp(int index, const GammaRamp& ramp) override;
    // The CRTC's first output: its name and its "EDID" property.
    MonitorIdentity monitorIdentity(int index) const override;

    // Puts back the ramps the CRTCs had before Kavo changed them.
    void restoreOriginalRamps();

    // Linear resampling of one channel to `size` entries (both ends kept).
    static QVector<quint16> resample(const quint16* levels, int count, int size);

private:
    struct CrtcRamp
    {
        QVector<quint16> red, green, blue;
    };

    template <typename Visit>
    void forEachActiveCrtc(Visit visit) const;
    QVector<unsigned long> activeCrtcs() const;
    // The CRTC's gamma size; 0 when it has none or is gone.
    int gammaSize(unsigned long crtc) const;
    bool readCrtc(unsigned long crtc, CrtcRamp& ramp) const;
    bool writeCrtc(unsigned long crtc, const CrtcRamp& ramp);

    _XDisplay* m_display;
    QMap<unsigned long, CrtcRamp> m_originals;
};
