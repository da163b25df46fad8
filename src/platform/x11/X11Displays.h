#pragma once

#include "platform/IDisplays.h"

struct _XDisplay;

// Monitors are the active XRandR CRTCs of the default screen, in CRTC order.
class X11Displays : public IDisplays
{
public:
    explicit X11Displays(_XDisplay* display);

    int monitorCount() const override;
    QVector<QRect> monitorGeometries() const override;

private:
    _XDisplay* m_display;
};
