#pragma once

#include "Singleton.h"
#include "platform/Win32Types.h"

#include <QObject>
#include <QPoint>

class IInput;
class QTimer;
struct InputEvent;

// The mouse of the whole desktop: reports its events on demand (for inactivity and for
// dragging out an area of the screen) and drives the automatic left-clicker.
class SystemMouse : public QObject, public Singleton<SystemMouse>
{
    Q_OBJECT

public:
    // The shortest click interval: anything shorter would keep the desktop from the user.
    static constexpr int kShortestClickInterval = 10;

    explicit SystemMouse(IInput& input);
    ~SystemMouse() override;

    // On: installs the hook unless it exists; false when it cannot be installed. Off: removes
    // it (also when none exists).
    bool set_hook(bool on);
    bool is_hooked() const { return m_hooked; }

    // For other users of the mouse's events than set_hook's (an area being dragged out, the
    // software screen effects waiting for input): each on is matched by an off; the events
    // are reported while one of them or the hook wants them.
    void watch(bool on);

    // While on, the buttons reach no other program (dragging out an area); false when the
    // desktop refuses.
    bool grab_buttons(bool on);

    // Every movement is reported while on (dragging out an area); otherwise one per burst.
    void set_every_move(bool every_move);

    // Clicks the left button where the pointer is every `interval_ms` (at least
    // kShortestClickInterval) until stopped.
    void start_clicking(int interval_ms);
    void stop_clicking();
    bool is_clicking() const;
    int click_interval() const;

    QPoint cursor_position() const;

signals:
    // Declared for callers that want every message; never emitted.
    void mouse_event(UINT message, MSLLHOOKSTRUCT* mouseInfo);
    // Each carries the event's position; the record lives only during the direct call.
    void mouse_left_button_down_event(MSLLHOOKSTRUCT* mouseInfo);
    void mouse_left_button_up_event(MSLLHOOKSTRUCT* mouseInfo);
    void mouse_right_button_down_event(MSLLHOOKSTRUCT* mouseInfo);
    void mouse_right_button_up_event(MSLLHOOKSTRUCT* mouseInfo);
    void mouse_move_event(MSLLHOOKSTRUCT* mouseInfo);
    void mouse_wheel_event(MSLLHOOKSTRUCT* mouseInfo);
    // The clicker started or stopped.
    void clicking_changed(bool clicking);

private slots:
    void simulate_left_click();

private:
    void receive(const InputEvent& event);

    IInput& m_input;
    QTimer* m_click_timer;
    void refresh_watch();

    bool m_hooked = false;
    int m_watchers = 0;
    bool m_watching = false; // the desktop reports the mouse
};
