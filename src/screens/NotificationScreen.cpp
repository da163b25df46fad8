#include "screens/NotificationScreen.h"

NotificationScreen::NotificationScreen(const QString& type, QWidget* parent)
    : NotificationWindow({QStringLiteral("qrc:/html/notifications/notification_screen.html"),
                          QStringLiteral("Notification"), QSize(633, 375), Corner::TopRight},
                         parent),
      m_type(type)
{
    show();
    report_page_view(QStringLiteral("notification_screen.html"),
                     QStringLiteral("Notification screen"));
}

void NotificationScreen::deleteWindow()
{
    deleteLater();
}
