#include "screens/RestScreenLite.h"

#include "ShownText.h"
#include "timer/RestTimer.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

RestScreenLite::RestScreenLite(RestTimer* timer, int, const QRect& monitor, bool is_primary)
    : IRestScreen(timer, is_primary)
{
    build_form();
    cover(monitor);
    setWindowTitle(ShownText::tr("Rest screen"));
    auto* ticker = new QTimer(this);
    connect(ticker, &QTimer::timeout, this, &RestScreenLite::update_ui);
    ticker->start(1000);
    update_ui();
    set_screen_type();
    report_page_view(QStringLiteral("rest_screen_lite.html"), QStringLiteral("Rest screen lite"));
}

void RestScreenLite::build_form()
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* container = new QWidget(this);
    container->setObjectName(QStringLiteral("bgContainer"));
    container->setAttribute(Qt::WA_StyledBackground);
    container->setStyleSheet(QStringLiteral("#bgContainer\n{\n\tbackground: rgba(0,0,0,0.8);\n}"));
    outer->addWidget(container);

    auto* layout = new QVBoxLayout(container);
    layout->addStretch();
    m_label = new QLabel(QCoreApplication::applicationName(), container);
    m_label->setObjectName(QStringLiteral("label"));
    m_label->setStyleSheet(QStringLiteral("font: 18pt;\ncolor: white;\n"));
    m_label->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_label);
    m_button = new QPushButton(ShownText::tr("Skip"), container);
    m_button->setObjectName(QStringLiteral("pushButton"));
    layout->addWidget(m_button, 0, Qt::AlignHCenter);
    layout->addStretch();
    connect(m_button, &QPushButton::clicked, this, &RestScreenLite::on_pushButton_clicked);
    filter_input_of(m_button);
}

void RestScreenLite::update_ui()
{
    if (timer())
        m_label->setText(ShownText::tr("Remaining %1").arg(timer()->get_remaining_rest_string()));
}

void RestScreenLite::set_screen_type()
{
    if (is_strict())
        m_button->hide();
}

void RestScreenLite::set_continue_button()
{
    m_button->setText(ShownText::tr("Continue"));
    m_button->show();
}

void RestScreenLite::on_pushButton_clicked()
{
    skip_rest();
}
