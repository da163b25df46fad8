#pragma once

#include <QObject>

class QGridLayout;
class QWebView;
class QWidget;

// The main window's form "MainScreen": one web view filling a grid without margins, showing
// the main page. It lives as a child of the window it was built on.
class MainScreenForm : public QObject
{
    Q_OBJECT

public:
    static const char* const kMainPage; // "qrc:/html/main_screen.html"

    explicit MainScreenForm(QWidget* window);

    QGridLayout* gridLayout = nullptr;
    QWebView* webView = nullptr;

private:
    void retranslate(QWidget* window);
};
