#pragma once

#include "screens/NotificationWindow.h"

// Tells that a newer Kavo exists and offers to install it.
class NewVersionNotification : public NotificationWindow
{
    Q_OBJECT

public:
    explicit NewVersionNotification(const QString& version);

public slots:
    void installClicked();
    void closeNotification();

private slots:
    void load_finished() override;

private:
    QString m_version;
};
