#pragma once

#include "screens/KavoWindow.h"

#include <QPointer>

class RestTimer;

// A window that covers one monitor during a rest. In a strict rest with keyboard blocking on,
// it swallows keys and refuses to close; Escape never closes it.
class IRestScreen : public KavoWindow
{
    Q_OBJECT

public:
    ~IRestScreen() override;

    // The window is on the primary monitor (the one that holds the keyboard in a strict rest).
    bool is_primary() const { return m_is_primary; }

public slots:
    // Ends the rest for every monitor.
    virtual void skip_rest();
    // The rest is over: the window offers to continue working.
    virtual void set_continue_button() {}

protected:
    IRestScreen(RestTimer* timer, bool is_primary);

    // Shows the window over `monitor`; the primary one takes the focus.
    void cover(const QRect& monitor);
    // Key presses and close requests of `widget` go through this window's filter too.
    void filter_input_of(QObject* widget);

    RestTimer* timer() const;
    bool is_strict() const;

    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void reject() override {}

private:
    QPointer<RestTimer> m_timer;
    bool m_is_primary;
};
