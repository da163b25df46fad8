#include "screens/ProductiveScreen.h"

#include "App.h"
#include "screens/DragWidget.h"
#include "screens/PageScript.h"
#include "timer/RestTimer.h"

#include <QEvent>

ProductiveScreen::ProductiveScreen(RestTimer* timer)
    : NotificationWindow({QStringLiteral("qrc:/html/notifications/productive_screen.html"),
                          QStringLiteral("Productive screen"), QSize(400, 300),
                          Corner::BottomRight},
                         nullptr),
      m_timer(timer)
{
    installEventFilter(this);
    auto* handle = new DragWidget(this);
    handle->setGeometry(0, 0, 190, 80);
    if (App* app = App::instance())
        connect(app, &App::translate, this, &ProductiveScreen::translate);
    report_page_view(QStringLiteral("productive_screen.html"), QStringLiteral("Productive screen"));
}

bool ProductiveScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == this && event->type() == QEvent::KeyPress)
        return true;
    if (watched == this && event->type() == QEvent::Close) {
        event->ignore();
        return true;
    }
    return NotificationWindow::eventFilter(watched, event);
}

void ProductiveScreen::load_finished()
{
    run(QStringLiteral("kavo_load_finished();"));
    start_update_timer();
    if (m_timer && m_timer->get_remaining_work_int() <= 0)
        run(QStringLiteral("set_rest_state();"));
    update_ui();
}

void ProductiveScreen::update_ui()
{
    if (!m_timer)
        return;
    const QString text = m_timer->get_remaining_work_int() <= 0
                             ? m_timer->get_remaining_rest_productive()
                             : m_timer->get_remaining_work_productive();
    run(QStringLiteral("set_remaining_work('") + text + QStringLiteral(" ');"));
}

void ProductiveScreen::set_work_state()
{
    run(QStringLiteral("set_work_state();"));
}

void ProductiveScreen::set_rest_state()
{
    run(QStringLiteral("set_rest_state();"));
}

void ProductiveScreen::have_a_rest_button_clicked()
{
    if (!m_timer)
        return;
    if (m_timer->get_remaining_work_int() <= 0)
        m_timer->end_rest();
    else
        m_timer->start_rest();
    update_ui();
}

void ProductiveScreen::translate()
{
    run(QStringLiteral("translate();"));
}
