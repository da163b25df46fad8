#include "screens/WebWindowForm.h"

#include "KavoResources.h"
#include "parts/IWebView.h"
#include "parts/WebViews.h"
#include "screens/KavoWindow.h"

#include <QGridLayout>
#include <QUrl>
#include <QVariant>

WebWindowForm::WebWindowForm(KavoWindow& window, const Options& options, const char* on_loaded)
    : QObject(&window)
{
    register_kavo_resources();
    m_layout = new QGridLayout(&window);
    m_layout->setSpacing(options.spacing);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_view = WebViews::create(&window);
    QWidget* view = m_view->widget();
    m_layout->addWidget(view, 0, 0, 1, 1);
    view->setStyleSheet(options.styleSheet);
    view->setContextMenuPolicy(Qt::NoContextMenu);
    m_view->expose(QStringLiteral("native_object"), &window);
    // A load that did not complete is no page: the window stays as it is.
    m_view->on_load_finished(&window, [&window, on_loaded](bool ok) {
        if (ok)
            QMetaObject::invokeMethod(&window, on_loaded);
    });
    view->setProperty("zoomFactor", 1.0);
    m_view->load(QUrl(options.url));
}

void WebWindowForm::run(const QString& statement) const
{
    m_view->run(statement);
}
