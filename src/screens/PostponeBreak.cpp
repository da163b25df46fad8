#include "screens/PostponeBreak.h"

#include "timer/RestTimer.h"

PostponeBreak::PostponeBreak(RestTimer* timer, QWidget* parent)
    : NotificationWindow({QStringLiteral("qrc:/html/notifications/postpone_screen.html"),
                          QStringLiteral("Incoming break"), QSize(400, 300), Corner::BottomRight},
                         parent),
      m_timer(timer)
{
    report_page_view(QStringLiteral("postpone_break_screen.html"),
                     QStringLiteral("Postpone break screen"));
}

void PostponeBreak::load_finished()
{
    start_update_timer();
    update_ui();
}

void PostponeBreak::update_ui()
{
    if (m_timer) {
        run(QStringLiteral("set_remaining_work(") +
            QString::number(m_timer->get_remaining_work_int() / 1000) + QStringLiteral(");"));
    }
}

void PostponeBreak::postpone_clicked()
{
    if (m_timer)
        m_timer->postpone_rest();
}

void PostponeBreak::close_postpone()
{
    if (m_timer)
        m_timer->delete_postpone();
}
