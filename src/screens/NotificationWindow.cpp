#include "screens/NotificationWindow.h"

#include "KavoLog.h"
#include "screens/DesktopArea.h"
#include "screens/WebWindowForm.h"
#include "screens/WindowPlacement.h"

#include <QTimer>

NotificationWindow::NotificationWindow(const Page& page, QWidget* parent)
    : KavoWindow(parent), m_corner(page.corner)
{
    setGeometry(-10000, -10000, 0, 0);
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::ToolTip);
    setAttribute(Qt::WA_TranslucentBackground);
    resize(page.form_size);
    m_form = new WebWindowForm(*this, {page.url, QStringLiteral("background:transparent"), 0},
                               "load_finished");
    setWindowTitle(page.title);
}

void NotificationWindow::setScreenSize(int width, int height)
{
    if (!WindowPlacement::is_page_size(width, height)) {
        log_line(QStringLiteral("%1: page size %2 x %3 ignored")
                     .arg(windowTitle())
                     .arg(width)
                     .arg(height));
        return;
    }
    const QRect available = DesktopArea::primary_available_area();
    const QRect place = m_corner == Corner::BottomRight
                            ? WindowPlacement::bottom_right(available, width, height)
                            : WindowPlacement::top_right(available, width, height);
    setFixedSize(place.size());
    move(place.topLeft());
}

void NotificationWindow::run(const QString& statement) const
{
    m_form->run(statement);
}

void NotificationWindow::start_update_timer()
{
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &NotificationWindow::update_ui);
    timer->start(1000);
}
