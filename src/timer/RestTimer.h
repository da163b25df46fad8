#pragma once

#include "timer/RestScreens.h"
#include "timer/TimerSounds.h"

#include <QElapsedTimer>
#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

class PostponeBreak;
class ProductiveScreen;
class RestTimerHost;

// The work/rest cycle of the break reminder. A work interval counts down; at its end a rest
// begins: rest windows cover every monitor (timer types normal and strict) or the productive
// countdown window turns to its rest state (productive). After the rest the next work
// interval starts at once, or when the user presses the continue control. A tick every second
// composes the remaining-time texts, offers to postpone ten seconds before a rest, announces
// big rests and plays the warning sounds.
//
// The tray and the taskbar drive it through toggle_timer(), reset_timer() and
// pause_resume_timer(), and read it through is_paused(), phase(), get_timer_strings() and the
// get_remaining_* operations.
class RestTimer : public QObject
{
    Q_OBJECT

public:
    // Where the cycle stands, as the tray and "kavoctl status" show it.
    enum class Phase
    {
        Off,
        Work,
        Rest
    };

    RestTimer(RestTimerHost& host, QObject* parent = nullptr);
    ~RestTimer() override;

    // Work and postpone times in minutes, rest time in seconds.
    void set_times(int work_minutes, int rest_seconds, int postpone_minutes);
    // The same in milliseconds. A running interval starts over at its new length.
    void set_intervals(qint64 work_ms, qint64 rest_ms, qint64 postpone_ms);
    void set_timer_type(int type);
    void set_use_sounds(bool on);
    void set_automatically_close_rest_screen(bool on);
    // Takes effect at the next rest.
    void set_rest_screen_type(int type);

    // Starts a full work interval unless an interval runs already; no longer paused.
    void start_timer();
    // Stops both intervals and closes the postpone offer and the productive window.
    void stop_timer();
    // The postpone offer's button: the running work interval gets the postpone time added.
    void postpone_rest();

    int get_timer_type() const { return m_timer_type; }
    bool is_paused() const { return m_paused; }
    Phase phase() const;
    int get_work_time_minutes() const;
    int get_rest_time_minutes() const;
    // The remaining text, the word "until" and the next phase's name, as the page shows them.
    QStringList get_timer_strings() const;
    // The same as one sentence ("12 min 5 sec until rest"), or empty when the timer counts
    // nothing: what the tray shows.
    QString countdown_text() const { return m_countdown_text; }
    void play_bip();

    // Whether a rest window may take the keyboard and refuse to close: strict timer type with
    // keyboard blocking on.
    bool blocks_keyboard() const;
    // Called by a rest window that closes on its own (the window manager, say).
    void rest_screen_closed();

    // {"type", "phase", "paused", "remaining_work_s", "remaining_rest_s"}.
    QJsonObject status_json() const;

    qint64 work_interval() const { return m_work_interval; }
    qint64 rest_interval() const { return m_rest_interval; }
    qint64 postpone_interval() const { return m_postpone_interval; }
    bool is_waiting_for_continue() const;
    bool has_postpone_window() const { return !m_postpone.isNull(); }
    ProductiveScreen* productive_screen() const;
    const RestScreens& rest_screens() const { return m_rest_screens; }

public slots:
    void start_rest();
    void end_rest();
    void toggle_timer();
    void reset_timer();
    void pause_resume_timer();
    void call_end_rest();
    QString get_remaining_rest_string();
    QString get_remaining_rest_productive();
    QString get_remaining_work_string();
    QString get_remaining_work_productive();
    int get_remaining_work_int() const;
    int get_remaining_rest_int() const;
    void delete_postpone();
    void delete_productive();
    bool is_rest_started();
    void delete_rest_timer();
    void update_rest_timer();
    void update_timer_ui();

signals:
    // Each second of a work or rest interval: what the page's glance shows.
    void remaining_time_changed(const QString& remaining, const QString& until,
                                const QString& phase);
    // While the timer is held or paused (each second of a held interval; once when the timer
    // stops ticking): the page shows `message` (a blank).
    void timer_message_changed(const QString& message);
    // A big rest comes soon: a tray message.
    void big_rest_incoming(const QString& title, const QString& text);

private:
    void start_work(qint64 ms);
    void apply_tick_rule();
    void show_productive_screen();
    void offer_postpone();
    void finish_overdue_rest();
    void close_rest_screens();
    void follow_phase();
    void refresh_tick();
    void refresh_keyboard_block();

    RestTimerHost& m_host;
    QTimer m_work_timer;
    QTimer m_rest_timer;
    QTimer* m_tick = nullptr;
    TimerSounds m_sounds;
    RestScreens m_rest_screens;
    QPointer<PostponeBreak> m_postpone;
    QPointer<ProductiveScreen> m_productive;

    QString m_remaining_text = QStringLiteral(" ");
    QString m_until_text;
    QString m_phase_text;
    QString m_countdown_text;

    qint64 m_work_interval = 0;
    qint64 m_rest_interval = 0;
    qint64 m_postpone_interval = 0;
    int m_timer_type = 0;
    int m_rest_screen_type = 0;
    bool m_auto_close = false;
    bool m_paused = true;
    qint64 m_saved_work = -1;
    qint64 m_saved_rest = -1;
    bool m_use_sounds = false;
    bool m_tick_during_work = false;

    // Wall time since the rest windows opened, and whether they offer to continue.
    QElapsedTimer m_rest_clock;
    bool m_continue_offered = false;
};
