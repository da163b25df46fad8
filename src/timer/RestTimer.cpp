#include "timer/RestTimer.h"

#include "ShownText.h"
#include "platform/Platform.h"
#include "screens/IRestScreen.h"
#include "screens/PostponeBreak.h"
#include "screens/ProductiveScreen.h"
#include "timer/BigRestMessage.h"
#include "timer/RestTimerHost.h"
#include "timer/TimeFormat.h"
#include "timer/TimerTypes.h"

#include <limits>

namespace {
// QTimer counts in int milliseconds, and its remaining time overflows close to the int limit:
// a longer wait (a huge postpone time) waits about twelve days.
constexpr qint64 kLongestWait = std::numeric_limits<int>::max() / 2;

int timer_ms(qint64 ms)
{
    return static_cast<int>(qBound<qint64>(0, ms, kLongestWait));
}

qint64 remaining(const QTimer& timer)
{
    return timer.isActive() ? timer.remainingTime() : -1;
}

// Seconds left before the postpone offer shows.
constexpr qint64 kPostponeOfferSeconds = 10;
// Seconds left in which the bip sounds.
constexpr qint64 kBipSeconds = 3;
} // namespace

RestTimer::RestTimer(RestTimerHost& host, QObject* parent) : QObject(parent), m_host(host)
{
    // The remaining times are shown to the second: coarse timers would round them.
    m_work_timer.setTimerType(Qt::PreciseTimer);
    m_rest_timer.setTimerType(Qt::PreciseTimer);
    m_work_timer.setSingleShot(true);
    m_rest_timer.setSingleShot(true);
    connect(&m_work_timer, &QTimer::timeout, this, &RestTimer::start_rest);
    connect(&m_rest_timer, &QTimer::timeout, this, &RestTimer::call_end_rest);
    m_tick = new QTimer(this);
    m_tick->setInterval(1000);
    connect(m_tick, &QTimer::timeout, this, &RestTimer::update_rest_timer);
}

RestTimer::~RestTimer()
{
    delete m_productive;
    delete_postpone();
    close_rest_screens();
    refresh_keyboard_block();
}

// ---- Settings ----

void RestTimer::set_times(int work_minutes, int rest_seconds, int postpone_minutes)
{
    set_intervals(qint64(work_minutes) * 60000, qint64(rest_seconds) * 1000,
                  qint64(postpone_minutes) * 60000);
}

void RestTimer::set_intervals(qint64 work_ms, qint64 rest_ms, qint64 postpone_ms)
{
    if (work_ms == m_work_interval && rest_ms == m_rest_interval &&
        postpone_ms == m_postpone_interval)
        return;
    m_work_interval = work_ms;
    m_rest_interval = rest_ms;
    m_postpone_interval = postpone_ms;
    if (m_work_timer.isActive()) {
        start_work(m_work_interval);
    } else if (m_rest_timer.isActive()) {
        m_rest_timer.start(timer_ms(m_rest_interval));
        m_sounds.stop_tick();
    }
}

void RestTimer::set_timer_type(int type)
{
    m_timer_type = type;
    set_use_sounds(m_use_sounds);
    switch (type) {
    case TimerType::Off:
        stop_timer();
        break;
    case TimerType::Normal:
    case TimerType::Strict:
        delete_productive();
        delete_postpone();
        start_timer();
        break;
    case TimerType::Productive:
        delete_postpone();
        start_timer();
        break;
    default:
        break;
    }
    follow_phase();
}

void RestTimer::set_use_sounds(bool on)
{
    m_use_sounds = on;
    m_tick_during_work = m_timer_type == TimerType::Productive && on;
    if (!m_tick_during_work)
        m_sounds.stop_tick();
    else if (m_work_timer.isActive())
        m_sounds.play_tick();
}

void RestTimer::set_automatically_close_rest_screen(bool on)
{
    m_auto_close = on;
}

void RestTimer::set_rest_screen_type(int type)
{
    m_rest_screen_type = type;
}

// ---- Phases ----

void RestTimer::start_work(qint64 ms)
{
    m_rest_timer.stop();
    m_work_timer.start(timer_ms(ms));
    apply_tick_rule();
    refresh_tick();
}

void RestTimer::apply_tick_rule()
{
    if (m_tick_during_work)
        m_sounds.play_tick();
    else
        m_sounds.stop_tick();
}

void RestTimer::start_timer()
{
    if (!m_work_timer.isActive() && !m_rest_timer.isActive()) {
        start_work(m_work_interval);
        // A fresh interval: nothing paused earlier is resumed later.
        m_saved_work = -1;
        m_saved_rest = -1;
    }
    if (m_timer_type == TimerType::Productive)
        show_productive_screen();
    m_paused = false;
}

void RestTimer::stop_timer()
{
    m_sounds.stop_tick();
    delete_productive();
    delete_postpone();
    m_work_timer.stop();
    m_rest_timer.stop();
    m_paused = true;
    follow_phase();
}

void RestTimer::start_rest()
{
    if (m_rest_timer.isActive())
        return;
    m_work_timer.stop();
    m_rest_timer.start(timer_ms(m_rest_interval));
    m_sounds.stop_tick();
    // A rest that runs is not paused, however the timer stood before.
    m_paused = false;
    m_saved_work = -1;
    m_saved_rest = -1;
    if (m_timer_type == TimerType::Productive) {
        if (m_productive)
            m_productive->set_rest_state();
        return;
    }
    delete_postpone();
    m_rest_screens.open(m_rest_screen_type, this);
    m_continue_offered = false;
    m_rest_clock.start();
    follow_phase();
}

void RestTimer::call_end_rest()
{
    if (m_timer_type >= TimerType::Productive) {
        if (m_timer_type == TimerType::Productive && m_productive)
            m_productive->set_work_state();
        start_work(m_work_interval);
    } else if (m_auto_close || m_rest_screens.is_empty()) {
        // Without a window to wait on, nobody could continue: the rest ends by itself.
        end_rest();
    } else {
        m_rest_timer.stop();
        m_rest_screens.set_continue_button();
        m_continue_offered = true;
    }
    follow_phase();
}

void RestTimer::end_rest()
{
    if (m_timer_type < TimerType::Productive)
        close_rest_screens();
    else if (m_timer_type == TimerType::Productive && m_productive)
        m_productive->set_work_state();
    m_rest_timer.stop();
    if (m_paused) {
        // Ended while paused or stopped: work starts when the timer does.
        m_saved_rest = -1;
        m_saved_work = m_work_interval;
    } else {
        start_work(m_work_interval);
    }
    follow_phase();
}

void RestTimer::toggle_timer()
{
    if (m_work_timer.isActive())
        start_rest();
    else if (m_rest_timer.isActive())
        end_rest();
}

void RestTimer::reset_timer()
{
    if (m_work_timer.isActive()) {
        start_work(m_work_interval);
    } else if (m_rest_timer.isActive()) {
        m_rest_timer.start(timer_ms(m_rest_interval));
        m_rest_clock.start();
        m_sounds.stop_tick();
    }
}

void RestTimer::pause_resume_timer()
{
    if (m_paused) {
        // Turned off, paused by the user or held by a timer pauser: only they resume it.
        if (m_host.is_timer_held())
            return;
        m_paused = false;
        if (m_saved_work != -1) {
            start_work(m_saved_work);
        } else if (m_saved_rest != -1) {
            m_rest_timer.start(timer_ms(m_saved_rest));
            m_sounds.stop_tick();
        } else {
            start_timer();
        }
        m_saved_work = -1;
        m_saved_rest = -1;
    } else {
        m_paused = true;
        m_sounds.stop_tick();
        m_saved_work = remaining(m_work_timer);
        m_saved_rest = remaining(m_rest_timer);
        m_work_timer.stop();
        m_rest_timer.stop();
    }
    follow_phase();
}

void RestTimer::postpone_rest()
{
    delete_postpone();
    if (m_work_timer.isActive())
        start_work(remaining(m_work_timer) + m_postpone_interval);
    else if (m_paused && m_saved_work != -1)
        m_saved_work += m_postpone_interval;
}

// ---- Windows ----

void RestTimer::show_productive_screen()
{
    if (!m_productive)
        m_productive = new ProductiveScreen(this);
    m_productive->show();
    if (!m_work_timer.isActive())
        m_productive->set_rest_state();
}

void RestTimer::offer_postpone()
{
    m_postpone = new PostponeBreak(this, m_host.notice_parent());
    m_postpone->show();
}

void RestTimer::delete_postpone()
{
    if (m_postpone)
        m_postpone->deleteLater();
    m_postpone = nullptr;
}

ProductiveScreen* RestTimer::productive_screen() const
{
    return m_productive;
}

void RestTimer::delete_productive()
{
    delete m_productive;
}

void RestTimer::close_rest_screens()
{
    m_rest_screens.close_all();
    m_continue_offered = false;
}

bool RestTimer::is_waiting_for_continue() const
{
    return m_continue_offered && !m_rest_screens.is_empty() && !m_rest_timer.isActive() &&
           !m_work_timer.isActive();
}

// A rest whose windows stay up longer than the rest itself, because the timer was paused or
// stopped meanwhile, must not shut the user out: it ends as a rest ends.
void RestTimer::finish_overdue_rest()
{
    if (m_auto_close) {
        close_rest_screens();
        if (m_saved_rest != -1) {
            m_saved_rest = -1;
            m_saved_work = m_work_interval;
        }
    } else {
        m_rest_screens.set_continue_button();
        m_continue_offered = true;
    }
    follow_phase();
}

bool RestTimer::blocks_keyboard() const
{
    return m_timer_type == TimerType::Strict && m_host.setting_flag("UseKeyboardBlocking");
}

void RestTimer::rest_screen_closed()
{
    follow_phase();
}

// After every change of phase: the tick runs while there is something to count down or a rest
// window to look after, and the keyboard is held or given back.
void RestTimer::follow_phase()
{
    refresh_tick();
    refresh_keyboard_block();
}

// A timer that is off or paused costs nothing: no tick, once the texts show it stopped.
void RestTimer::refresh_tick()
{
    const bool wanted =
        m_work_timer.isActive() || m_rest_timer.isActive() || !m_rest_screens.is_empty();
    if (wanted == m_tick->isActive())
        return;
    if (wanted) {
        m_tick->start();
        return;
    }
    m_tick->stop();
    update_timer_ui();
}

// The keyboard is held only while a strict rest counts down, by the window on the primary
// monitor; at any other moment it is given back.
void RestTimer::refresh_keyboard_block()
{
    IRestScreen* primary = m_rest_screens.primary();
    const bool wanted =
        primary && primary->isVisible() && m_rest_timer.isActive() && blocks_keyboard();
    IKeyboardGrab& keyboard = Platform::current().keyboardGrab();
    if (wanted)
        keyboard.grab(*primary);
    else if (keyboard.isGrabbed())
        keyboard.release();
}

// ---- Remaining times ----

QString RestTimer::get_remaining_rest_string()
{
    return TimeFormat::long_text(remaining(m_rest_timer));
}

QString RestTimer::get_remaining_rest_productive()
{
    return TimeFormat::short_text(remaining(m_rest_timer));
}

QString RestTimer::get_remaining_work_string()
{
    return TimeFormat::long_text(remaining(m_work_timer));
}

QString RestTimer::get_remaining_work_productive()
{
    return TimeFormat::short_text(remaining(m_work_timer));
}

int RestTimer::get_remaining_work_int() const
{
    if (m_work_timer.isActive())
        return m_work_timer.remainingTime();
    return m_paused ? static_cast<int>(m_saved_work) : -1;
}

int RestTimer::get_remaining_rest_int() const
{
    if (m_rest_timer.isActive())
        return m_rest_timer.remainingTime();
    return m_paused ? static_cast<int>(m_saved_rest) : -1;
}

bool RestTimer::is_rest_started()
{
    return m_rest_timer.isActive();
}

void RestTimer::delete_rest_timer()
{
    auto* later = new QTimer(this);
    later->setSingleShot(true);
    connect(later, &QTimer::timeout, this, &QObject::deleteLater);
    later->start(1000);
}

RestTimer::Phase RestTimer::phase() const
{
    if (m_timer_type == TimerType::Off)
        return Phase::Off;
    if (m_rest_timer.isActive() || (m_paused && m_saved_rest != -1) || is_waiting_for_continue())
        return Phase::Rest;
    if (m_work_timer.isActive() || (m_paused && m_saved_work != -1))
        return Phase::Work;
    return Phase::Off;
}

int RestTimer::get_work_time_minutes() const
{
    return static_cast<int>(m_work_interval / 60 / 1000);
}

int RestTimer::get_rest_time_minutes() const
{
    return static_cast<int>(m_rest_interval / 60 / 1000);
}

QStringList RestTimer::get_timer_strings() const
{
    return {m_remaining_text, m_until_text, m_phase_text};
}

void RestTimer::play_bip()
{
    m_sounds.play_bip();
}

QJsonObject RestTimer::status_json() const
{
    static const char* const kPhases[] = {"off", "work", "rest"};
    return {{QStringLiteral("type"), m_timer_type},
            {QStringLiteral("phase"), QLatin1String(kPhases[static_cast<int>(phase())])},
            {QStringLiteral("paused"), m_paused},
            {QStringLiteral("remaining_work_s"), qMax(0, get_remaining_work_int()) / 1000},
            {QStringLiteral("remaining_rest_s"), qMax(0, get_remaining_rest_int()) / 1000}};
}

// ---- The tick ----

void RestTimer::update_rest_timer()
{
    if (m_host.setting_flag("UsePostponeNotification") &&
        remaining(m_work_timer) / 1000 == kPostponeOfferSeconds &&
        m_timer_type < TimerType::Productive && !m_postpone)
        offer_postpone();
    if (!m_rest_screens.is_empty()) {
        m_rest_screens.follow_monitors(this);
        if (!m_continue_offered && !m_rest_timer.isActive() &&
            m_rest_clock.elapsed() > m_rest_interval)
            finish_overdue_rest();
        refresh_keyboard_block();
    }
    update_timer_ui();
}

void RestTimer::update_timer_ui()
{
    m_remaining_text = QStringLiteral(" ");
    m_until_text = ShownText::tr("until");
    m_phase_text.clear();
    m_countdown_text.clear();
    if (m_host.is_timer_held() || m_paused) {
        emit timer_message_changed(m_remaining_text);
        return;
    }
    const bool use_sounds = m_host.setting_flag("UseSounds");
    if (get_remaining_work_int() > 0) {
        m_phase_text = ShownText::tr("rest");
        m_remaining_text = get_remaining_work_string();
        m_countdown_text = ShownText::tr("%1 until rest").arg(m_remaining_text);
        emit remaining_time_changed(m_remaining_text, m_until_text, m_phase_text);
        if (m_host.setting_flag("UseBigRestIncomingNotification")) {
            if (const auto message =
                    big_rest_message(m_timer_type, remaining(m_work_timer), m_work_interval))
                emit big_rest_incoming(ShownText::tr("Big rest incoming"), *message);
        }
        if (use_sounds && get_remaining_work_int() / 1000 < kBipSeconds)
            play_bip();
        return;
    }
    m_phase_text = ShownText::tr("work");
    m_remaining_text = get_remaining_rest_string();
    m_countdown_text = ShownText::tr("%1 until work").arg(m_remaining_text);
    emit remaining_time_changed(m_remaining_text, m_until_text, m_phase_text);
    // While the rest windows wait for the user the bip sounds on every tick.
    if (use_sounds && get_remaining_rest_int() / 1000 < kBipSeconds)
        play_bip();
}
