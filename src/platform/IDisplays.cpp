#include "platform/IDisplays.h"

#include <QTimer>

void IDisplays::announceMonitorsChanged()
{
    if (m_announcing)
        return;
    m_announcing = true;
    QTimer::singleShot(0, &m_events, [this] {
        m_announcing = false;
        emit m_events.monitorsChanged();
    });
}
