#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the GUI thread, so that a session
// ending or Ctrl+C runs Kavo's own quit (save, then leave the event loop) and its teardown.
// The handler itself only writes one byte to a socket pair. It stays in place until the
// process ends: a second signal during the teardown (Ctrl+C twice) must not end Kavo before
// every monitor has its colours back.
class QuitSignals : public QObject
{
    Q_OBJECT

public:
    // Catches the signals from now on, and makes writes to a closed pipe (standard output
    // read by a program that ended, say) fail instead of ending Kavo. A quit signal that
    // arrives before a QuitSignals object exists waits in the socket pair until the event
    // loop reads it.
    static void catch_signals();

    explicit QuitSignals(QObject* parent = nullptr);
    ~QuitSignals() override;

signals:
    // Once, for the first quit signal: later ones find the quit under way.
    void quit_requested(int signal_number);

private:
    void on_readable();

    QSocketNotifier* m_notifier = nullptr;
    bool m_quitting = false;
};
