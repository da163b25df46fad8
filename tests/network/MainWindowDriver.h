#pragma once

#include <QPoint>
#include <QString>
#include <QVariant>

class App;
class QWebView;

// Drives Kavo's main window as a user would: opens it, opens pages, clicks and types.
class MainWindowDriver
{
public:
    explicit MainWindowDriver(App& app) : m_app(app) {}

    // Opens the window the way "--show_ui" does; returns once the page is ready.
    bool show();
    bool open_page(const QString& title);

    QVariant js(const QString& script) const;
    QString text_of(const QString& selector) const;
    void click(const QString& selector);
    // Clicks into the field, replaces its text by `text` and leaves it with Tab.
    void type(const QString& selector, const QString& text);
    // Chooses the option with `value` in a drop-down, as a change by the user.
    void choose(const QString& selector, const QString& value);

private:
    QWebView* view() const;
    QPoint centre_of(const QString& selector) const;

    App& m_app;
};
