#include "sensors/ScreenContentSensor.h"

#include "platform/IScreenCapture.h"
#include "sensors/ScreenLuminance.h"
#include "sensors/SteppedValue.h"

#include <QImage>

ScreenContentSensor::ScreenContentSensor(IScreenCapture& capture, QObject* parent)
    : QObject(parent), m_capture(capture)
{
}

bool ScreenContentSensor::update(bool force)
{
    m_current = step_toward(m_current, m_target);
    const QString title = m_foreground_title;
    const bool changed = title != m_last_title;
    if (changed)
        m_last_title = title;
    if (force || (changed && measure_on_change(title)))
        measure();
    return force || changed;
}

bool ScreenContentSensor::measure_on_change(const QString& title) const
{
    return !title.isEmpty() && !title.contains(QLatin1String("Task Switching"));
}

void ScreenContentSensor::measure()
{
    const QImage screen = m_capture.grabPrimaryScreen();
    // A failed grab leaves the last measurement in place.
    if (screen.isNull() || screen.width() == 0 || screen.height() == 0)
        return;
    measured(ScreenLuminance::mean_luminance(screen));
}
