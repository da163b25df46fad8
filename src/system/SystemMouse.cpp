#include "system/SystemMouse.h"

#include "KavoLog.h"
#include "platform/IInput.h"

#include <QTimer>

#include <algorithm>

SystemMouse::SystemMouse(IInput& input) : m_input(input), m_click_timer(new QTimer(this))
{
    // Signal spies know the mouse signals' arguments by these names.
    qRegisterMetaType<UINT>("UINT");
    qRegisterMetaType<MSLLHOOKSTRUCT*>("MSLLHOOKSTRUCT*");
    m_input.setMouseListener([this](const InputEvent& event) { receive(event); });
}

SystemMouse::~SystemMouse()
{
    stop_clicking();
    set_hook(false);
    m_input.setMouseListener({});
}

bool SystemMouse::set_hook(bool on)
{
    if (!on) {
        m_hooked = false;
        refresh_watch();
        return true;
    }
    if (!m_hooked) {
        m_hooked = m_watching || m_input.watchMouse(true);
        m_watching = m_watching || m_hooked;
        if (!m_hooked)
            log_line(QStringLiteral("The mouse hook could not be installed"));
    }
    return m_hooked;
}

void SystemMouse::watch(bool on)
{
    m_watchers = std::max(0, m_watchers + (on ? 1 : -1));
    refresh_watch();
}

void SystemMouse::refresh_watch()
{
    const bool wanted = m_hooked || m_watchers > 0;
    if (wanted && !m_watching)
        m_watching = m_input.watchMouse(true);
    else if (!wanted) {
        m_input.watchMouse(false);
        m_watching = false;
    }
}

bool SystemMouse::grab_buttons(bool on)
{
    return m_input.grabPointer(on);
}

void SystemMouse::set_every_move(bool every_move)
{
    m_input.setMotion(every_move ? IInput::Motion::Every : IInput::Motion::Bursts);
}

void SystemMouse::start_clicking(int interval_ms)
{
    int interval = interval_ms;
    if (interval < kShortestClickInterval) {
        log_line(QStringLiteral("Click interval %1 ms raised to %2 ms")
                     .arg(interval_ms)
                     .arg(kShortestClickInterval));
        interval = kShortestClickInterval;
    }
    m_click_timer->setInterval(interval);
    m_click_timer->setSingleShot(false);
    m_click_timer->stop();
    disconnect(m_click_timer, &QTimer::timeout, nullptr, nullptr);
    connect(m_click_timer, &QTimer::timeout, this, &SystemMouse::simulate_left_click);
    m_click_timer->start();
    emit clicking_changed(true);
}

void SystemMouse::stop_clicking()
{
    disconnect(m_click_timer, &QTimer::timeout, nullptr, nullptr);
    const bool was_clicking = m_click_timer->isActive();
    m_click_timer->stop();
    if (was_clicking)
        emit clicking_changed(false);
}

bool SystemMouse::is_clicking() const
{
    return m_click_timer->isActive();
}

int SystemMouse::click_interval() const
{
    return m_click_timer->interval();
}

QPoint SystemMouse::cursor_position() const
{
    return m_input.pointerPosition();
}

void SystemMouse::simulate_left_click()
{
    if (!m_input.leftClick()) {
        log_line(QStringLiteral("The desktop refuses synthetic clicks: the auto clicker stops"));
        stop_clicking();
    }
}

void SystemMouse::receive(const InputEvent& event)
{
    if (!m_hooked && m_watchers == 0)
        return;
    MSLLHOOKSTRUCT info;
    info.pt.x = event.position.x();
    info.pt.y = event.position.y();
    // The wheel's delta sits in the high word, as Windows reports it.
    info.mouseData = static_cast<DWORD>(static_cast<std::uint16_t>(event.wheelDelta)) << 16;
    switch (event.type) {
    case InputEvent::MouseMove:
        emit mouse_move_event(&info);
        break;
    case InputEvent::LeftButtonDown:
        emit mouse_left_button_down_event(&info);
        break;
    case InputEvent::LeftButtonUp:
        emit mouse_left_button_up_event(&info);
        break;
    case InputEvent::RightButtonDown:
        emit mouse_right_button_down_event(&info);
        break;
    case InputEvent::RightButtonUp:
        emit mouse_right_button_up_event(&info);
        break;
    case InputEvent::Wheel:
        emit mouse_wheel_event(&info);
        break;
    default:
        break;
    }
}
