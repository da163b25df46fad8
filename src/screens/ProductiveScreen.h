#pragma once

#include "screens/NotificationWindow.h"

#include <QPointer>

class RestTimer;

// The productive timer type's countdown: a small window in the bottom-right corner that counts
// the work interval down, turns to its rest state during a rest, and starts or ends a rest on
// its button. The user cannot close it; it can be dragged by its top-left corner.
class ProductiveScreen : public NotificationWindow
{
    Q_OBJECT

public:
    explicit ProductiveScreen(RestTimer* timer);

public slots:
    void set_work_state();
    void set_rest_state();
    void have_a_rest_button_clicked();
    void translate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void load_finished() override;
    void update_ui() override;

private:
    QPointer<RestTimer> m_timer;
};
