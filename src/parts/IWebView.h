#pragma once

#include <QtPlugin>

#include <functional>

class QObject;
class QString;
class QUrl;
class QVariant;
class QWidget;

// A view that shows one of Kavo's pages. The web part makes them; the objects a page calls
// are ordinary objects of Kavo's, and the calls are synchronous and return values.
class IWebView
{
public:
    virtual ~IWebView() = default;

    // The view itself: a child of the widget it was made for, deleted with it.
    virtual QWidget* widget() = 0;

    // False for the view that stands in for a missing web part: it shows why, and no page.
    virtual bool shows_pages() const = 0;

    // Starts loading the page at `url`.
    virtual void load(const QUrl& url) = 0;

    // Runs `statement` in the page's main frame; its value (invalid without a page).
    virtual QVariant run(const QString& statement) = 0;

    // Every page of this view finds `object` as the window object `name` from its first
    // script on (again after each reload).
    virtual void expose(const QString& name, QObject* object) = 0;

    // Calls `loaded` with the outcome of each load as long as `context` lives. A load that
    // did not complete (the view was destroyed while loading) reports false.
    virtual void on_load_finished(QObject* context, std::function<void(bool)> loaded) = 0;

    // Where the page draws nothing it is transparent: what lies beneath the view shows.
    virtual void set_transparent_page() = 0;

    // Opens the web inspector on the page, in a window of its own.
    virtual void open_inspector() = 0;
};

// The web part: QtWebKit, and all that it brings, loaded with the first window.
class IWebPart
{
public:
    virtual ~IWebPart() = default;

    // A new view, child of `parent`.
    virtual IWebView* create_view(QWidget* parent) = 0;
};

#define IWebPart_iid "org.kavo.IWebPart/1"
Q_DECLARE_INTERFACE(IWebPart, IWebPart_iid)
