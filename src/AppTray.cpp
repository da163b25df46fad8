// The controller's tray icon and taskbar entry: they are created with the controller and
// follow its state on every status refresh.
#include "App.h"

#include "KavoLog.h"
#include "platform/Platform.h"
#include "system/TaskbarButton.h"
#include "system/TrayIcon.h"

#include <QTimer>

void App::create_tray_icon()
{
    m_tray_icon = std::make_unique<TrayIcon>(*this, Platform::current().tray());
    m_tray_icon->set_visible(true);

    m_taskbar_button = new TaskbarButton(*this, Platform::current().taskbar(), this);
    auto* minute_timer = new QTimer(this);
    connect(minute_timer, &QTimer::timeout, this, &App::refresh_taskbar_button);
    minute_timer->start(60000);
    refresh_taskbar_button();
}

void App::show_tray_icon_message(const QString& title, const QString& body)
{
    if (!m_tray_icon)
        return;
    // Without a notification area the message still reaches whoever follows Kavo's output.
    if (!m_tray_icon->is_visible())
        log_line(title + QStringLiteral(": ") + body);
    m_tray_icon->show_message(title, body);
}

void App::refresh_tray_icon()
{
    if (m_tray_icon)
        m_tray_icon->refresh_icon(0);
}

TaskbarButton::TimerView App::taskbar_timer_view() const
{
    // Filled from the rest timer once Kavo has one.
    TaskbarButton::TimerView timer;
    timer.timer_type = m_settings.value(QStringLiteral("TimerType")).toInt();
    return timer;
}

void App::refresh_taskbar_button()
{
    if (m_taskbar_button)
        m_taskbar_button->refresh(taskbar_timer_view(), {}, setting_flag("KavoPaused"));
}

void App::update_taskbar_button()
{
    if (m_taskbar_button)
        m_taskbar_button->update(taskbar_timer_view());
}
