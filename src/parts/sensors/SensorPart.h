#pragma once

#include "parts/ISensorPart.h"

#include <QObject>

// The sensor part: the camera thread, face and eye detection, the room light, and the camera
// sources that OpenCV reads (V4L2 devices, and the simulated camera's pictures and videos).
class SensorPart : public QObject, public ISensorPart
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ISensorPart_iid)
    Q_INTERFACES(ISensorPart)

public:
    SensorPart();

    std::unique_ptr<ICameraCapture> create_capture(CaptureState& state, ICaptureEvents& events,
                                                   const Capture& capture) override;
    std::unique_ptr<ICameraSource> open_device(int index, int width, int height) override;
    std::unique_ptr<ICameraSource> open_simulated(const SimulatedCamera& camera,
                                                  QStringList* unreadable) override;
};
