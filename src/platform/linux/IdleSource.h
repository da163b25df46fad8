#pragma once

#include <QObject>
#include <QString>

// The desktop's own account of whether the user is there: it says when no key or pointer
// input came for a while, and when input comes again. It cannot tell keys from the pointer.
class IdleSource : public QObject
{
    Q_OBJECT

public:
    ~IdleSource() override = default;

    // What tells Kavo ("ext-idle-notify", "kde-idle", "mutter-idle-monitor").
    virtual QString name() const = 0;
    // Starts watching: idled() after `quietMs` without input, then resumed() at the next
    // input, and so on. False when the desktop refused.
    virtual bool start(int quietMs) = 0;
    // Stops watching; nothing stays with the desktop.
    virtual void stop() = 0;

signals:
    void idled();
    void resumed();
};
