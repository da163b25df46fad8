#include "screens/IRestScreen.h"

#include "platform/Platform.h"
#include "timer/RestTimer.h"
#include "timer/TimerTypes.h"

#include <QEvent>

IRestScreen::IRestScreen(RestTimer* timer, bool is_primary)
    : KavoWindow(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_timer(timer), m_is_primary(is_primary)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAttribute(Qt::WA_TranslucentBackground);
    installEventFilter(this);
}

IRestScreen::~IRestScreen() = default;

void IRestScreen::cover(const QRect& monitor)
{
    Platform::current().windows().coverMonitor(*this, monitor);
    if (m_is_primary) {
        activateWindow();
        Platform::current().windows().bringToFront(*this);
    }
}

RestTimer* IRestScreen::timer() const
{
    return m_timer;
}

void IRestScreen::filter_input_of(QObject* widget)
{
    widget->installEventFilter(this);
}

bool IRestScreen::is_strict() const
{
    return m_timer && m_timer->get_timer_type() == TimerType::Strict;
}

bool IRestScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (m_timer && m_timer->blocks_keyboard()) {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
            return true;
        case QEvent::Close:
            event->ignore();
            return true;
        default:
            break;
        }
    }
    return KavoWindow::eventFilter(watched, event);
}

void IRestScreen::hideEvent(QHideEvent* event)
{
    KavoWindow::hideEvent(event);
    // Hidden by the window manager or closed: it holds the keyboard no longer.
    if (m_timer)
        m_timer->rest_screen_closed();
}

void IRestScreen::skip_rest()
{
    if (m_timer)
        m_timer->end_rest();
}
