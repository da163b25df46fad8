#include "platform/IDisplays.h"

#include <QCoreApplication>
#include <QTimer>

void IDisplays::announceMonitorsChanged()
{
    // Without an event loop (kavoctl) nobody listens.
    if (m_announcing || !QCoreApplication::instance())
        return;
    m_announcing = true;
    QTimer::singleShot(0, &m_events, [this] {
        m_announcing = false;
        emit m_events.monitorsChanged();
    });
}
