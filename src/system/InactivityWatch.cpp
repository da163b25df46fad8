#include "system/InactivityWatch.h"

InactivityWatch::InactivityWatch(QObject* parent) : QObject(parent)
{
}

void InactivityWatch::tick(bool timer_paused, bool watching)
{
    if (timer_paused)
        return;
    if (watching) {
        ++m_idle_ticks;
        if (is_idle()) {
            m_announced = true;
            emit user_inactive();
            return;
        }
    }
    come_back();
}

void InactivityWatch::settings_changed()
{
    // Whoever changes a setting is there.
    m_idle_ticks = 0;
    come_back();
}

void InactivityWatch::come_back()
{
    if (!m_announced)
        return;
    m_announced = false;
    emit user_active_again();
}
