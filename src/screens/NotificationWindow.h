#pragma once

#include "screens/KavoWindow.h"

#include <QSize>

class WebWindowForm;

// The small always-on-top windows that show a page of Kavo's (the productive countdown, the
// postpone offer, the exercise and new-version notifications). A window stays out of sight
// until its page has measured itself and called setScreenSize(); it then sits in a corner of
// the primary monitor's free area.
class NotificationWindow : public KavoWindow
{
    Q_OBJECT

public:
    enum class Corner
    {
        BottomRight,
        TopRight
    };

    struct Page
    {
        QString url;
        QString title;
        QSize form_size;
        Corner corner;
    };

public slots:
    // The page's content box: the window takes its size and its corner.
    void setScreenSize(int width, int height);

protected:
    NotificationWindow(const Page& page, QWidget* parent);

protected slots:
    // The page has loaded.
    virtual void load_finished() {}
    // Once a second after start_update_timer().
    virtual void update_ui() {}

protected:
    // Runs `statement` in the page.
    void run(const QString& statement) const;
    // Calls update_ui() every second from now on.
    void start_update_timer();

private:
    WebWindowForm* m_form = nullptr;
    Corner m_corner;
};
