#include "screens/KavoWindow.h"

#include "KavoLog.h"
#include "network/Utils.h"

#include <QCoreApplication>

KavoWindow::KavoWindow(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags)
{
}

KavoWindow::~KavoWindow()
{
    delete m_owned_child;
}

void KavoWindow::set_owned_child(QObject* child)
{
    if (child == m_owned_child)
        return;
    delete m_owned_child;
    m_owned_child = child;
}

void KavoWindow::log(const QString& message)
{
    log_line(message);
}

void KavoWindow::report_page_view(const QString& page, const QString& title)
{
    if (Utils* utils = Utils::instance())
        utils->register_analytics_page_view(page, title);
}

QString KavoWindow::translated(const QString& text)
{
    return QCoreApplication::translate("Translator", text.toUtf8().constData());
}
