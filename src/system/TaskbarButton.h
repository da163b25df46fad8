#pragma once

#include "platform/ITaskbar.h"

#include <QObject>
#include <QString>

class QWidget;

// The main window's entry in the task bar or dock: a progress bar that shows the break timer
// (with the productive timer type) or a download, the window title that says what the timer
// does, and the three timer actions (work/break, reset, pause/resume).
class TaskbarButton : public QObject
{
    Q_OBJECT

public:
    // What the rest timer shows; `exists` is false while Kavo has no rest timer.
    struct TimerView
    {
        bool exists = false;
        int timer_type = 0;
        bool paused = false;
        int work_remaining = 0; // seconds
        int rest_remaining = 0; // seconds
        int work_interval = 0;  // seconds
        int rest_interval = 0;  // seconds
        QString work_text;      // the remaining work time as the timer formats it
        QString rest_text;
    };

    // A download of a new version in progress, in percent.
    struct DownloadView
    {
        bool downloading = false;
        int percent = 0;
    };

    // The timer type whose countdown the entry shows.
    static constexpr int kProductiveTimerType = 5;

    TaskbarButton(QWidget& window, ITaskbar& taskbar, QObject* parent = nullptr);

    // The progress for a download, else a full bar (paused while Kavo is paused), unless the
    // timer countdown applies.
    void refresh(const TimerView& timer, const DownloadView& download, bool kavo_paused);
    // The timer countdown: progress and window title.
    void update(const TimerView& timer);

    // The entry's context-menu actions: each runs Kavo with a console command.
    static QList<ITaskbar::Action> actions();

private:
    static bool shows_timer(const TimerView& timer);

    QWidget& m_window;
    ITaskbar& m_taskbar;
    ITaskbar::Progress m_progress;
};
