// The controller's tray icon and taskbar entry: they are created with the controller and
// follow its state on every status refresh.
#include "App.h"

#include "KavoLog.h"
#include "network/Updater.h"
#include "platform/Platform.h"
#include "system/TaskbarButton.h"
#include "system/TrayIcon.h"
#include "timer/RestTimer.h"

#include <algorithm>

void App::create_tray_icon()
{
    m_tray_icon = std::make_unique<TrayIcon>(*this, Platform::current().tray());
    m_tray_icon->set_visible(true);
    // The pauser switches, their lists and the programs in front shape the menu.
    connect(this, &App::tray_menu_changed, this, [this] {
        m_tray_icon->set_recent_processes(get_recent_processes());
        m_tray_icon->rebuild_menu();
    });
    connect(this, &App::translate, this, [this] { m_tray_icon->retranslate(); });

    m_taskbar_button = new TaskbarButton(*this, Platform::current().taskbar(), this);
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
    TaskbarButton::TimerView timer;
    timer.timer_type = m_settings.value(QStringLiteral("TimerType")).toInt();
    RestTimer* rest_timer = m_rest_timer.data();
    if (!rest_timer)
        return timer;
    timer.exists = true;
    timer.paused = rest_timer->is_paused();
    timer.work_remaining = std::max(0, rest_timer->get_remaining_work_int()) / 1000;
    timer.rest_remaining = std::max(0, rest_timer->get_remaining_rest_int()) / 1000;
    timer.work_interval = rest_timer->get_work_time_minutes() * 60;
    timer.rest_interval = rest_timer->get_rest_time_minutes() * 60;
    timer.work_text = rest_timer->get_remaining_work_string();
    timer.rest_text = rest_timer->get_remaining_rest_string();
    return timer;
}

void App::refresh_taskbar_button()
{
    if (!m_taskbar_button)
        return;
    TaskbarButton::DownloadView download;
    if (const Updater* updater = Updater::instance()) {
        download.downloading = updater->is_downloading();
        download.percent = updater->download_percent();
    }
    m_taskbar_button->refresh(taskbar_timer_view(), download, setting_flag("KavoPaused"));
}

void App::update_taskbar_button()
{
    if (m_taskbar_button)
        m_taskbar_button->update(taskbar_timer_view());
}
