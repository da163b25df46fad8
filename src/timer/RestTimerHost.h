#pragma once

class QWidget;

// What the break timer needs from the controller that owns it.
class RestTimerHost
{
public:
    virtual ~RestTimerHost() = default;

    // The user turned the timer off or paused it (TimerPaused), or a timer pauser holds it:
    // the page shows no remaining time.
    virtual bool is_timer_held() const = 0;

    // A boolean setting of the settings map (UseSounds, UsePostponeNotification,
    // UseBigRestIncomingNotification, UseKeyboardBlocking).
    virtual bool setting_flag(const char* key) const = 0;

    // The window the postpone offer belongs to.
    virtual QWidget* notice_parent() = 0;
};
