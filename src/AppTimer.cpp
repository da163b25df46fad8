// The break timer's page surface: the App slots of the timer, rest screen and exercises
// pages, the timer buttons of the tray and taskbar, session lock and inactivity.
#include "App.h"

#include "KavoLog.h"
#include "platform/Platform.h"
#include "screens/NewVersionNotification.h"
#include "screens/NotificationScreen.h"
#include "settings/SaveManager.h"
#include "settings/SettingsStore.h"
#include "timer/RestTimer.h"
#include "timer/RestTimerHost.h"
#include "timer/TimerTypes.h"

namespace {
SaveManager* save_manager()
{
    return SaveManager::instance();
}

// What the timer asks of the controller.
class AppRestTimerHost final : public RestTimerHost
{
public:
    explicit AppRestTimerHost(App& app) : m_app(app) {}

    bool is_timer_held() const override
    {
        return m_app.is_timer_paused() || m_app.is_timer_paused_by_pauser();
    }
    bool setting_flag(const char* key) const override
    {
        return m_app.settings_map().value(QLatin1String(key)).toBool();
    }
    QWidget* notice_parent() override { return &m_app; }

private:
    App& m_app;
};

// `value` for timer setting `key` within the range the store keeps it in.
int valid_timer_value(const char* key, int value)
{
    SettingsMap probe{{QLatin1String(key), value}};
    SettingsStore::validate(probe, 0);
    return probe.value(QLatin1String(key)).toInt();
}

QString bool_text(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}
} // namespace

// ---- The timer's life ----

void App::create_new_rest_timer()
{
    if (m_rest_timer)
        return;
    if (!m_rest_timer_host)
        m_rest_timer_host = std::make_unique<AppRestTimerHost>(*this);
    m_rest_timer = new RestTimer(*m_rest_timer_host, this);
    connect_rest_timer();
    m_rest_timer->set_times(m_settings.value(QStringLiteral("WorkTime")).toInt(),
                            m_settings.value(QStringLiteral("RestTime")).toInt(), 3);
    m_rest_timer->set_automatically_close_rest_screen(
        m_settings.value(QStringLiteral("AutoCloseRest")).toBool());
    m_rest_timer->set_timer_type(m_settings.value(QStringLiteral("TimerType")).toInt());
    m_rest_timer->set_use_sounds(m_settings.value(QStringLiteral("UseSounds")).toBool());
    m_rest_timer->set_rest_screen_type(m_settings.value(QStringLiteral("RestScreenType")).toInt());
    // The type starts the timer; a timer the user paused stays stopped across restarts.
    if (is_timer_paused())
        m_rest_timer->stop_timer();
    start_rest_timer();
}

void App::connect_rest_timer()
{
    connect(m_rest_timer, &RestTimer::remaining_time_changed, this, [this] {
        send_timer_texts();
        update_tray_icon_tooltip();
    });
    connect(m_rest_timer, &RestTimer::timer_message_changed, this, &App::send_timer_texts);
    connect(m_rest_timer, &RestTimer::big_rest_incoming, this, &App::show_tray_icon_message);
}

// The timer says its texts every second; the page gets them only while the window is shown,
// and only when they changed (the window's show event makes it send again).
void App::send_timer_texts()
{
    if (!m_rest_timer || !is_page_loaded() || !isVisible())
        return;
    const QStringList texts = m_rest_timer->get_timer_strings();
    if (texts == m_timer_texts_sent)
        return;
    m_timer_texts_sent = texts;
    // Without a phase the timer counts nothing now: the page shows its message.
    if (texts.value(2).isEmpty())
        emit set_timer_message(texts.value(0));
    else
        emit set_remaining_time(texts.value(0), texts.value(1), texts.value(2));
}

RestTimer* App::rest_timer() const
{
    return m_rest_timer;
}

void App::delete_rest_timer()
{
    delete m_rest_timer.data();
}

void App::apply_timer_times()
{
    if (m_rest_timer) {
        m_rest_timer->set_times(m_settings.value(QStringLiteral("WorkTime")).toInt(),
                                m_settings.value(QStringLiteral("RestTime")).toInt(),
                                m_settings.value(QStringLiteral("PostponeTime")).toInt());
    }
}

void App::store_timer_state()
{
    if (save_manager())
        save_manager()->write_state();
}

// ---- Starting, stopping, pausing ----

void App::start_rest()
{
    if (m_rest_timer && m_rest_timer->is_rest_started())
        return;
    apply_timer_times();
    if (save_manager()) {
        if (save_manager()->is_autosave_enabled())
            save_manager()->save_settings();
        save_manager()->load_settings();
        save_manager()->publish_settings();
    }
    if (m_rest_timer)
        m_rest_timer->start_rest();
    m_settings.insert(QStringLiteral("TimerPaused"), false);
    store_timer_state();
    if (m_settings.value(QStringLiteral("TimerType")).toInt() == TimerType::Off)
        timer_type_changed(TimerType::Normal);
    update_ui();
}

void App::start_rest_timer()
{
    if (!is_timer_paused() && m_rest_timer)
        m_rest_timer->start_timer();
}

void App::stop_rest_timer()
{
    if (m_rest_timer)
        m_rest_timer->stop_timer();
}

void App::toggle_rest_timer(bool stop)
{
    if (stop)
        stop_rest_timer();
    else
        start_rest_timer();
}

void App::pause_rest_timer(bool checked)
{
    m_settings.insert(QStringLiteral("TimerPaused"), checked);
    if (checked)
        stop_rest_timer();
    else
        start_rest_timer();
    if (save_manager())
        save_manager()->save_settings();
    store_timer_state();
}

bool App::is_timer_paused()
{
    return m_settings.value(QStringLiteral("TimerPaused"), true).toBool();
}

void App::automatic_timer_pause(bool checked)
{
    if (is_timer_paused())
        return;
    if (checked) {
        if (m_timer_paused_by_pauser)
            return;
        m_timer_paused_by_pauser = true;
        stop_rest_timer();
    } else if (m_timer_paused_by_pauser) {
        m_timer_paused_by_pauser = false;
        start_rest_timer();
    }
}

void App::toggle_timer()
{
    if (m_rest_timer)
        m_rest_timer->toggle_timer();
}

void App::reset_timer()
{
    if (m_rest_timer)
        m_rest_timer->reset_timer();
}

void App::pause_resume_timer()
{
    if (m_rest_timer)
        m_rest_timer->pause_resume_timer();
}

// ---- Setters of the timer and rest screen pages ----

void App::timer_type_changed(int value)
{
    if (m_settings.value(QStringLiteral("TimerType")).toInt() == value)
        return;
    log_line(QStringLiteral("TIMER_TYPE: ") + QString::number(value));
    m_settings.insert(QStringLiteral("TimerType"), value);
    if (m_rest_timer)
        m_rest_timer->set_timer_type(value);
    m_settings.insert(QStringLiteral("TimerPaused"), value == TimerType::Off);
    if (save_manager())
        save_manager()->save_settings();
    store_timer_state();
    apply_timer_times();
    update_ui();
}

void App::work_time_changed(int value)
{
    if (store_setting(QStringLiteral("WorkTime"), valid_timer_value("WorkTime", value),
                      "work_time_changed: "))
        apply_timer_times();
}

void App::rest_time_changed(int value)
{
    if (store_setting(QStringLiteral("RestTime"), valid_timer_value("RestTime", value),
                      "rest_time_changed: "))
        apply_timer_times();
}

void App::postpone_time_changed(int value)
{
    // The timer takes it at the next apply_timer_times().
    store_setting(QStringLiteral("PostponeTime"), valid_timer_value("PostponeTime", value),
                  "postpone_time_changed:");
}

void App::automatically_close_rest_screen_changed(bool value)
{
    if (store_setting(QStringLiteral("AutoCloseRest"), value,
                      "AUTOMATICALLY_CLOSE_REST_SCREEN: ") &&
        m_rest_timer)
        m_rest_timer->set_automatically_close_rest_screen(value);
}

void App::rest_screen_type_changed(int value)
{
    if (store_setting(QStringLiteral("RestScreenType"), value, "REST_SCREEN_TYPE: ") &&
        m_rest_timer)
        m_rest_timer->set_rest_screen_type(value);
}

void App::use_sounds_changed(bool value)
{
    if (m_settings.value(QStringLiteral("UseSounds")).toBool() == value)
        return;
    log_line(QStringLiteral("use_sounds: ") + bool_text(value));
    m_settings.insert(QStringLiteral("UseSounds"), value);
    if (m_rest_timer)
        m_rest_timer->set_use_sounds(value);
}

// ---- Exercises and the new-version notice ----

void App::start_eye_exercises()
{
    new NotificationScreen(QStringLiteral("eye_exercises"), this);
}

void App::start_neck_exercises()
{
    new NotificationScreen(QStringLiteral("neck_exercises"), this);
}

void App::start_back_exercises()
{
    new NotificationScreen(QStringLiteral("back_exercises"), this);
}

void App::new_version_available(const QString& version)
{
    if (!m_new_version_notification)
        m_new_version_notification = new NewVersionNotification(version);
}

// ---- Session lock and inactivity ----

void App::follow_session()
{
    ISession& session = Platform::current().session();
    connect(&session, &ISession::locked, this, &App::session_locked);
    connect(&session, &ISession::unlocked, this, &App::session_unlocked);
}

void App::session_locked()
{
    stop_rest_timer();
}

void App::session_unlocked()
{
    // A timer the user paused, or one a timer pauser holds, stays stopped.
    if (is_timer_paused() || m_timer_paused_by_pauser)
        return;
    start_rest_timer();
    apply_timer_times();
}

void App::inactivity_tick()
{
    const bool watching =
        setting_flag("UseMouseInactivity") || setting_flag("UseKeyboardInactivity");
    switch (m_inactivity.tick(watching, is_timer_paused(), m_rest_timer,
                              m_rest_timer && m_rest_timer->is_rest_started())) {
    case InactivityWatch::Action::StopTimer:
        stop_rest_timer();
        break;
    case InactivityWatch::Action::StartTimer:
        start_rest_timer();
        break;
    case InactivityWatch::Action::None:
        break;
    }
}

void App::reset_idle_time()
{
    m_inactivity.reset();
}

bool App::is_idle() const
{
    return m_inactivity.is_idle();
}

// ---- What the tray and kavoctl show ----

QString App::timer_tooltip_text() const
{
    if (!m_rest_timer)
        return {};
    const QString countdown = m_rest_timer->countdown_text();
    if (countdown.isEmpty())
        return {};
    return QStringLiteral(" / ") + countdown;
}

QJsonObject App::timer_status_json() const
{
    if (m_rest_timer)
        return m_rest_timer->status_json();
    return {{QStringLiteral("type"), m_settings.value(QStringLiteral("TimerType")).toInt()},
            {QStringLiteral("phase"), QStringLiteral("off")},
            {QStringLiteral("paused"), true},
            {QStringLiteral("remaining_work_s"), 0},
            {QStringLiteral("remaining_rest_s"), 0}};
}
