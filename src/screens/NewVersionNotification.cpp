#include "screens/NewVersionNotification.h"

#include "network/Updater.h"
#include "KavoLog.h"
#include "screens/PageScript.h"

NewVersionNotification::NewVersionNotification(const QString& version)
    : NotificationWindow({QStringLiteral("qrc:/html/notifications/new_version_screen.html"),
                          QStringLiteral("New version available"), QSize(400, 300),
                          Corner::BottomRight},
                         nullptr),
      m_version(version)
{
    show();
    report_page_view(QStringLiteral("new_version_notification.html"),
                     QStringLiteral("New version notification"));
}

void NewVersionNotification::load_finished()
{
    // The version comes from the network: it reaches the page as a string, never as code.
    run(PageScript::call(QStringLiteral("setNewVersion"), {m_version}));
}

void NewVersionNotification::installClicked()
{
    if (Updater* updater = Updater::instance())
        updater->download_new_version();
    else
        log_line(QStringLiteral("No updater to download Kavo ") + m_version);
}

void NewVersionNotification::closeNotification()
{
    deleteLater();
}
