#pragma once

#include <QPointer>
#include <QRect>
#include <QVector>

class IRestScreen;
class RestTimer;

// The rest windows of one rest: one per monitor, each covering its monitor. Monitors plugged
// in during the rest get a window of their own; windows of monitors that went leave.
class RestScreens
{
public:
    ~RestScreens();

    // One window of `type` (RestScreenType) per monitor; replaces the windows of an earlier
    // rest. Another type opens none.
    void open(int type, RestTimer* timer);

    // Gives the monitors that appeared since open() a window, closes those of monitors gone.
    void follow_monitors(RestTimer* timer);

    // Every window leaves (deferred, as they may be inside their own handlers).
    void close_all();

    // Every window offers its continue control.
    void set_continue_button();

    bool is_empty() const;

    // The window on the primary monitor, if it is open.
    IRestScreen* primary() const;

    // The monitor each open window covers, in monitor order.
    QVector<QRect> covered_monitors() const;

private:
    struct Entry
    {
        QPointer<IRestScreen> window;
        QRect monitor;
    };

    void add(RestTimer* timer, int index, const QRect& monitor, bool primary);
    void forget_closed();

    QVector<Entry> m_entries;
    int m_type = 0;
};
