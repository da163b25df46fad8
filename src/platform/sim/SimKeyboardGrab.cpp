#include "platform/sim/SimKeyboardGrab.h"

void SimKeyboardGrab::grab(QWidget&)
{
    if (m_grabbed)
        return;
    m_grabbed = true;
    changed();
}

void SimKeyboardGrab::release()
{
    if (!m_grabbed)
        return;
    m_grabbed = false;
    changed();
}

void SimKeyboardGrab::addState(QJsonObject& state) const
{
    state.insert(QStringLiteral("keyboard_grabbed"), m_grabbed);
}
