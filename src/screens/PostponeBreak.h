#pragma once

#include "screens/NotificationWindow.h"

#include <QPointer>

class RestTimer;

// The offer, ten seconds before a rest, to postpone it: "Break is coming in" and the seconds
// left, a Postpone button and a close button.
class PostponeBreak : public NotificationWindow
{
    Q_OBJECT

public:
    PostponeBreak(RestTimer* timer, QWidget* parent);

public slots:
    void postpone_clicked();
    void close_postpone();

private slots:
    void load_finished() override;
    void update_ui() override;

private:
    QPointer<RestTimer> m_timer;
};
