#pragma once

#include <QObject>
#include <QString>

class IWebView;
class KavoWindow;
class QGridLayout;

// The form of a window that shows one of Kavo's pages: a web view filling a grid without
// margins. The window is the page's "native_object" (again after every reload), and
// `on_loaded` runs each time the page has loaded completely.
class WebWindowForm : public QObject
{
    Q_OBJECT

public:
    struct Options
    {
        QString url;        // the page, "qrc:/html/..."
        QString styleSheet; // of the web view
        int spacing = 0;
    };

    WebWindowForm(KavoWindow& window, const Options& options, const char* on_loaded);

    IWebView* view() const { return m_view; }

    // Runs `statement` in the page's main frame; the result is not used.
    void run(const QString& statement) const;

private:
    QGridLayout* m_layout = nullptr;
    IWebView* m_view = nullptr;
};
