#pragma once

#include <QObject>

// Counts the controller's update ticks without input. Past the limit the user counts as away:
// the rest timer stops until input comes back.
class InactivityWatch : public QObject
{
    Q_OBJECT

public:
    // Ticks without input after which the user is away.
    static constexpr int kLimitTicks = 120;

    explicit InactivityWatch(QObject* parent = nullptr);

    // The keyboard or mouse was used.
    void input_seen() { m_idle_ticks = 0; }

    // One update tick. `timer_paused`: the rest timer is paused by the user, and nothing is
    // counted. `watching`: keyboard or mouse inactivity is on.
    void tick(bool timer_paused, bool watching);

    // The inactivity settings changed: an away user gets the timer back at once.
    void settings_changed();

    bool is_idle() const { return m_idle_ticks > kLimitTicks; }
    int idle_ticks() const { return m_idle_ticks; }

signals:
    // On every tick past the limit: the user is (still) away.
    void user_inactive();
    // Once, when input comes back (or inactivity watching is switched off) after
    // user_inactive.
    void user_active_again();

private:
    void come_back();

    int m_idle_ticks = 0;
    bool m_announced = false;
};
