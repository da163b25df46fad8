#pragma once

#include <QObject>

class IWebView;
class QGridLayout;
class QWidget;

// The main window's form "MainScreen": one web view filling a grid without margins, showing
// the main page (or, without the web part, why it cannot). It lives as a child of the window it was built on.
class MainScreenForm : public QObject
{
    Q_OBJECT

public:
    static const char* const kMainPage; // "qrc:/html/main_screen.html"

    explicit MainScreenForm(QWidget* window);

    QGridLayout* gridLayout = nullptr;
    IWebView* webView = nullptr;

private:
    void retranslate(QWidget* window);
};
