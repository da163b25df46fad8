#pragma once

#include "parts/IWebView.h"

#include <QList>
#include <QPair>
#include <QPointer>
#include <QWebView>

// A QtWebKit view of one of Kavo's pages.
class KavoWebView : public QWebView, public IWebView
{
    Q_OBJECT

public:
    explicit KavoWebView(QWidget* parent);
    // Reports no load any more: a view destroyed while loading would report a failed one to
    // a window that is half gone.
    ~KavoWebView() override;

    QWidget* widget() override { return this; }
    bool shows_pages() const override { return true; }
    void load(const QUrl& url) override;
    QVariant run(const QString& statement) override;
    void expose(const QString& name, QObject* object) override;
    void on_load_finished(QObject* context, std::function<void(bool)> loaded) override;
    void set_transparent_page() override;
    void open_inspector() override;

private:
    void expose_all();

    QList<QPair<QString, QPointer<QObject>>> m_exposed;
};
