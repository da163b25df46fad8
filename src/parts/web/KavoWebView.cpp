#include "parts/web/KavoWebView.h"

#include <QWebFrame>
#include <QWebInspector>
#include <QWebPage>
#include <QWebSettings>

KavoWebView::KavoWebView(QWidget* parent) : QWebView(parent)
{
    connect(page()->mainFrame(), &QWebFrame::javaScriptWindowObjectCleared, this,
            &KavoWebView::expose_all);
}

KavoWebView::~KavoWebView()
{
    disconnect(this, &QWebView::loadFinished, nullptr, nullptr);
}

void KavoWebView::load(const QUrl& url)
{
    setUrl(url);
}

QVariant KavoWebView::run(const QString& statement)
{
    return page()->mainFrame()->evaluateJavaScript(statement);
}

void KavoWebView::expose(const QString& name, QObject* object)
{
    m_exposed.append({name, object});
    page()->mainFrame()->addToJavaScriptWindowObject(name, object);
}

void KavoWebView::expose_all()
{
    for (const auto& [name, object] : qAsConst(m_exposed)) {
        if (object)
            page()->mainFrame()->addToJavaScriptWindowObject(name, object);
    }
}

void KavoWebView::on_load_finished(QObject* context, std::function<void(bool)> loaded)
{
    connect(this, &QWebView::loadFinished, context, std::move(loaded));
}

void KavoWebView::set_transparent_page()
{
    QPalette palette = page()->palette();
    palette.setBrush(QPalette::Base, Qt::transparent);
    page()->setPalette(palette);
}

void KavoWebView::open_inspector()
{
    page()->settings()->setAttribute(QWebSettings::DeveloperExtrasEnabled, true);
    auto* inspector = new QWebInspector;
    inspector->setAttribute(Qt::WA_DeleteOnClose);
    inspector->setPage(page());
    inspector->show();
}
