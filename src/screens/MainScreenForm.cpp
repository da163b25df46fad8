#include "screens/MainScreenForm.h"

#include "parts/IWebView.h"
#include "parts/WebViews.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QUrl>
#include <QVariant>
#include <QWidget>

const char* const MainScreenForm::kMainPage = "qrc:/html/main_screen.html";

MainScreenForm::MainScreenForm(QWidget* window) : QObject(window)
{
    if (window->objectName().isEmpty())
        window->setObjectName(QStringLiteral("MainScreen"));
    window->resize(495, 475);
    QFont font = window->font();
    font.setFamily(QStringLiteral("Lucida Grande"));
    window->setFont(font);

    gridLayout = new QGridLayout(window);
    gridLayout->setObjectName(QStringLiteral("gridLayout"));
    gridLayout->setSpacing(0);
    gridLayout->setContentsMargins(0, 0, 0, 0);

    webView = WebViews::create(window);
    QWidget* view = webView->widget();
    view->setObjectName(QStringLiteral("webView"));
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    policy.setHorizontalStretch(0);
    policy.setVerticalStretch(0);
    view->setSizePolicy(policy);
    view->setProperty("zoomFactor", 1.0);
    webView->load(QUrl(QString::fromLatin1(kMainPage)));
    gridLayout->addWidget(view, 0, 0, 1, 1);

    retranslate(window);
}

void MainScreenForm::retranslate(QWidget* window)
{
    window->setWindowTitle(QCoreApplication::translate("MainScreen", "Form"));
}
