#pragma once

#include <QEvent>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QVariant>

class App;
class QWebView;

// Kavo's main window with its page in the real web engine, driven as a user drives it: the
// window opened, a page opened from the menu, controls clicked, typed into and sliders dragged.
// The window runs at the display scale the settings give (UiScale 1: page coordinates are the
// view's).
class MainPage
{
public:
    explicit MainPage(App& app) : m_app(app) {}

    // Opens the window as "--show_ui" does; true once its menu is on the page.
    bool show();
    // Opens the settings page titled `title` (its English title, in any language); true once it
    // shows.
    bool open_page(const QString& title);
    // Both, as a test step: a test failure when the page does not show.
    void open(const QString& title);

    QWebView* view() const;
    // What the page's main frame runs `script` to.
    QVariant js(const QString& script) const;
    // The text of the element `selector` finds (empty when there is none).
    QString text_of(const QString& selector) const;

    // The element `selector` finds, scrolled into view: its box in the view.
    QRect box_of(const QString& selector) const;
    void click(const QString& selector) const;
    // Clicks into the field, replaces its text by `text` and leaves it with Tab.
    void type(const QString& selector, const QString& text) const;
    // Chooses the option with `value` in a drop-down, as a change by the user.
    void choose(const QString& selector, const QString& value) const;
    // Drags the slider `selector` from `from` to `to` (fractions of its width), with the left
    // button, as a hand does.
    void drag(const QString& selector, double from, double to) const;

private:
    void send_mouse(QEvent::Type type, const QPoint& at, bool held) const;

    App& m_app;
};
