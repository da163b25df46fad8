#include "sensors/DutyCycle.h"

DutyCycle::DutyCycle(double share) : m_rest_per_work((1.0 - share) / share)
{
    m_clock.start();
}

bool DutyCycle::due() const
{
    return m_clock.nsecsElapsed() >= m_next;
}

void DutyCycle::begin()
{
    m_started = m_clock.nsecsElapsed();
}

void DutyCycle::end()
{
    const qint64 now = m_clock.nsecsElapsed();
    m_next = now + static_cast<qint64>(static_cast<double>(now - m_started) * m_rest_per_work);
}
