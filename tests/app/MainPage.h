#pragma once

#include <QEvent>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QVariant>

class App;
class QWebView;

// Kavo's main window with its page in the real web engine, driven as a user drives it: a page
// opened from the menu, controls clicked and sliders dragged. The window runs at the normal
// display scale (UiScale 1), where page coordinates are the view's.
class MainPage
{
public:
    explicit MainPage(App& app) : m_app(app) {}

    // Opens the window as "--show_ui" does, then the settings page titled `title`; returns once
    // the page shows (a test failure when it does not).
    void open(const QString& title);

    QWebView* view() const;
    // What the page's main frame runs `script` to.
    QVariant js(const QString& script) const;

    // The element `selector` finds, scrolled into view: its box in the view.
    QRect box_of(const QString& selector) const;
    void click(const QString& selector) const;
    // Drags the slider `selector` from `from` to `to` (fractions of its width), with the left
    // button, as a hand does.
    void drag(const QString& selector, double from, double to) const;

private:
    void send_mouse(QEvent::Type type, const QPoint& at, bool held) const;

    App& m_app;
};
