#include "screens/MainScreenForm.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QUrl>
#include <QWebView>

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

    webView = new QWebView(window);
    webView->setObjectName(QStringLiteral("webView"));
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    policy.setHorizontalStretch(0);
    policy.setVerticalStretch(0);
    webView->setSizePolicy(policy);
    webView->setProperty("url", QUrl(QString::fromLatin1(kMainPage)));
    webView->setProperty("zoomFactor", 1.0);
    gridLayout->addWidget(webView, 0, 0, 1, 1);

    retranslate(window);
}

void MainScreenForm::retranslate(QWidget* window)
{
    window->setWindowTitle(QCoreApplication::translate("MainScreen", "Form"));
}
