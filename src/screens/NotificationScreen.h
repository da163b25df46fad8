#pragma once

#include "screens/NotificationWindow.h"

// An exercise notification in the top-right corner: the page shows the eye, neck or back
// exercises its type names, and closes itself.
class NotificationScreen : public NotificationWindow
{
    Q_OBJECT

public:
    // `type`: "eye_exercises", "neck_exercises" or "back_exercises".
    NotificationScreen(const QString& type, QWidget* parent);

public slots:
    QString get_notification_type() { return m_type; }
    void deleteWindow();
    // The exercises offer nothing to postpone.
    void postpone_clicked() {}
    void close_postpone() {}

private:
    QString m_type;
};
