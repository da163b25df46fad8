#include "screens/KavoWindow.h"

#include "KavoLog.h"

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

QString KavoWindow::translated(const QString& text)
{
    return QCoreApplication::translate("Translator", text.toUtf8().constData());
}
