#include "screens/WebWindowForm.h"

#include "KavoResources.h"
#include "screens/KavoWindow.h"

#include <QGridLayout>
#include <QUrl>
#include <QWebFrame>
#include <QWebPage>
#include <QWebView>

WebWindowForm::WebWindowForm(KavoWindow& window, const Options& options, const char* on_loaded)
    : QObject(&window), m_window(window)
{
    register_kavo_resources();
    m_layout = new QGridLayout(&window);
    m_layout->setSpacing(options.spacing);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_view = new QWebView(&window);
    m_layout->addWidget(m_view, 0, 0, 1, 1);
    m_view->setStyleSheet(options.styleSheet);
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    attach();
    connect(m_view->page()->mainFrame(), &QWebFrame::javaScriptWindowObjectCleared, this,
            &WebWindowForm::attach);
    // A load that did not complete is no page (the view reports one when it is destroyed
    // while loading): the window stays as it is.
    connect(m_view, &QWebView::loadFinished, &window, [&window, on_loaded](bool ok) {
        if (ok)
            QMetaObject::invokeMethod(&window, on_loaded);
    });
    m_view->setProperty("url", QUrl(options.url));
    m_view->setProperty("zoomFactor", 1.0);
}

QWebPage* WebWindowForm::page() const
{
    return m_view->page();
}

void WebWindowForm::attach()
{
    m_window.addToJavaScriptWindowObject(QStringLiteral("native_object"), m_view->page());
}

void WebWindowForm::run(const QString& statement) const
{
    m_view->page()->mainFrame()->evaluateJavaScript(statement);
}
