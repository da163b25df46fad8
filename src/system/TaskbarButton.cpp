#include "system/TaskbarButton.h"

#include "ShownText.h"

#include <QCoreApplication>
#include <QWidget>

TaskbarButton::TaskbarButton(QWidget& window, ITaskbar& taskbar, QObject* parent)
    : QObject(parent), m_window(window), m_taskbar(taskbar)
{
    m_taskbar.setActions(actions());
}

QList<ITaskbar::Action> TaskbarButton::actions()
{
    return {
        {QStringLiteral("work-break"), tr("Work/Break"), QStringLiteral("toggle timer")},
        {QStringLiteral("reset-timer"), tr("Reset timer"), QStringLiteral("reset timer")},
        {QStringLiteral("pause-resume"), tr("Pause/Resume"), QStringLiteral("pause resume timer")}};
}

bool TaskbarButton::shows_timer(const TimerView& timer)
{
    return timer.exists && timer.timer_type == kProductiveTimerType;
}

void TaskbarButton::refresh(const TimerView& timer, const DownloadView& download, bool kavo_paused)
{
    if (download.downloading) {
        m_progress = {true, download.percent, 100, ITaskbar::ProgressState::Running};
        m_taskbar.setProgress(m_progress);
        return;
    }
    if (shows_timer(timer)) {
        update(timer);
        return;
    }
    m_progress = {true, 100, 100,
                  kavo_paused ? ITaskbar::ProgressState::Paused : ITaskbar::ProgressState::Running};
    m_taskbar.setProgress(m_progress);
}

void TaskbarButton::update(const TimerView& timer)
{
    if (!shows_timer(timer)) {
        m_taskbar.setTitle(m_window, QStringLiteral("Kavo"));
        return;
    }
    m_progress.visible = true;
    const bool resting = timer.work_remaining < 1 && timer.rest_remaining > 0;
    if (resting) {
        m_progress.maximum = timer.rest_interval;
        m_progress.value = timer.rest_remaining;
    } else {
        m_progress.maximum = timer.work_interval;
        m_progress.value = timer.work_remaining;
    }
    if (timer.paused) {
        m_progress.state = ITaskbar::ProgressState::Paused;
        m_taskbar.setTitle(m_window, tr("Timer paused"));
    } else if (resting) {
        m_progress.state = ITaskbar::ProgressState::Stopped;
        m_taskbar.setTitle(m_window, ShownText::tr("%1 until work").arg(timer.rest_text));
    } else {
        m_progress.state = ITaskbar::ProgressState::Running;
        m_taskbar.setTitle(m_window, ShownText::tr("%1 until rest").arg(timer.work_text));
    }
    m_taskbar.setProgress(m_progress);
}
