#pragma once

#include "screens/IRestScreen.h"

class QLabel;
class QPushButton;

// The light rest window: no page, a dark veil with the remaining time and a Skip button
// (hidden in a strict rest) that becomes Continue when the rest is over.
class RestScreenLite : public IRestScreen
{
    Q_OBJECT

public:
    RestScreenLite(RestTimer* timer, int index, const QRect& monitor, bool is_primary);

public slots:
    void on_pushButton_clicked();
    void set_continue_button() override;

private slots:
    void update_ui();
    void set_screen_type();

private:
    void build_form();

    QLabel* m_label = nullptr;
    QPushButton* m_button = nullptr;
};
