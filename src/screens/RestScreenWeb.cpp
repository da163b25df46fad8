#include "screens/RestScreenWeb.h"

#include "ShownText.h"
#include "parts/IWebView.h"
#include "screens/WebWindowForm.h"
#include "timer/RestTimer.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>
#include <QUrl>

namespace {
// The rest page's port number (it offers a WebSocket connection there, which Kavo does not
// serve: the page falls back to "native_object").
constexpr int kFirstPort = 12415;
const QString kBackgroundImage = QStringLiteral("background.jpg");

QString page_url(int index)
{
    return QStringLiteral("qrc:/html/rest_screen.html?port=") + QString::number(kFirstPort + index);
}
} // namespace

RestScreenWeb::RestScreenWeb(RestTimer* timer, int index, const QRect& monitor, bool is_primary,
                             const QString& load_statement)
    : IRestScreen(timer, is_primary), m_load_statement(load_statement)
{
    setAttribute(Qt::WA_NoSystemBackground);
    m_form = new WebWindowForm(*this,
                               {page_url(index), QStringLiteral("background: rgba(0,0,0,2%);"), 0},
                               "load_finished");
    m_form->view()->widget()->setAttribute(Qt::WA_NoSystemBackground);
    filter_input_of(m_form->view()->widget());
    cover(monitor);
    setWindowTitle(ShownText::tr("Rest screen"));
}

RestScreenSimple::RestScreenSimple(RestTimer* timer, int index, const QRect& monitor,
                                   bool is_primary)
    : RestScreenWeb(timer, index, monitor, is_primary,
                    QStringLiteral("rest_screen_simple_load_finished();"))
{
    report_page_view(QStringLiteral("rest_screen_simple.html"),
                     QStringLiteral("Rest screen simple"));
}

RestScreenStandard::RestScreenStandard(RestTimer* timer, int index, const QRect& monitor,
                                       bool is_primary)
    : RestScreenWeb(timer, index, monitor, is_primary,
                    QStringLiteral("rest_screen_standard_load_finished();"))
{
    report_page_view(QStringLiteral("rest_screen_standart.html"),
                     QStringLiteral("Rest screen standart"));
}

void RestScreenWeb::run(const QString& statement) const
{
    m_form->run(statement);
}

void RestScreenWeb::load_finished()
{
    if (!m_update_timer) {
        m_update_timer = new QTimer(this);
        connect(m_update_timer, &QTimer::timeout, this, &RestScreenWeb::update_ui);
        m_update_timer->start(1000);
    }
    update_ui();
}

void RestScreenWeb::update_ui()
{
    set_timer();
    set_screen_type();
    run(m_load_statement);
}

void RestScreenWeb::set_timer()
{
    const int seconds = timer() ? timer()->get_remaining_rest_int() / 1000 : 0;
    run(QStringLiteral("set_timer(") + QString::number(seconds) + QStringLiteral(");"));
}

void RestScreenWeb::set_screen_type()
{
    if (m_continue) {
        run(QStringLiteral("set_continue_button();"));
        return;
    }
    run(is_strict() ? QStringLiteral("set_strict_screen();")
                    : QStringLiteral("set_normal_screen();"));
    const QFileInfo background(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                               kBackgroundImage);
    if (background.exists() && background.isFile())
        run(QStringLiteral("set_background_image(\"") + kBackgroundImage + QStringLiteral("\");"));
}

void RestScreenWeb::set_continue_button()
{
    m_continue = true;
    set_screen_type();
}

QString RestScreenWeb::get_current_path()
{
    return QUrl::fromUserInput(QCoreApplication::applicationDirPath()).toString(QUrl::FullyEncoded);
}
