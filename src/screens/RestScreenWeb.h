#pragma once

#include "screens/IRestScreen.h"

class QTimer;
class WebWindowForm;

// A rest window showing the rest page: the countdown, a skip control (not in a strict rest),
// the continue control once the rest is over, and an optional "background.jpg" from Kavo's
// folder. The page draws the variant whose load statement it is given.
class RestScreenWeb : public IRestScreen
{
    Q_OBJECT

public slots:
    void set_timer();
    void set_continue_button() override;
    QString get_current_path();

protected:
    // `load_statement`: the variant's page statement, run at load and every second.
    RestScreenWeb(RestTimer* timer, int index, const QRect& monitor, bool is_primary,
                  const QString& load_statement);

private slots:
    void load_finished();
    void update_ui();
    void set_screen_type();

private:
    void run(const QString& statement) const;

    WebWindowForm* m_form = nullptr;
    QTimer* m_update_timer = nullptr;
    QString m_load_statement;
    bool m_continue = false;
};

// The simple rest page: the countdown and the controls.
class RestScreenSimple : public RestScreenWeb
{
    Q_OBJECT

public:
    RestScreenSimple(RestTimer* timer, int index, const QRect& monitor, bool is_primary);
};

// The standard rest page: the countdown, the clock and a suggestion for the rest.
class RestScreenStandard : public RestScreenWeb
{
    Q_OBJECT

public:
    RestScreenStandard(RestTimer* timer, int index, const QRect& monitor, bool is_primary);
};
