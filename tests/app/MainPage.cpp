#include "MainPage.h"

#include "App.h"

#include <QMouseEvent>
#include <QWebFrame>
#include <QWebPage>
#include <QWebView>
#include <QtTest>

void MainPage::open(const QString& title)
{
    m_app.create_ui();
    m_app.set_show_ui_requested(true);
    QTRY_VERIFY(js("document.querySelectorAll('#menu-items .menu-item').length > 0").toBool());
    emit m_app.open_page(title);
    QTRY_COMPARE(
        js("(document.querySelector('#page-host .page-title') || {}).textContent").toString(),
        title);
}

QWebView* MainPage::view() const
{
    return m_app.findChild<QWebView*>(QStringLiteral("webView"));
}

QVariant MainPage::js(const QString& script) const
{
    return m_app.main_page()->mainFrame()->evaluateJavaScript(script);
}

QRect MainPage::box_of(const QString& selector) const
{
    const QVariantList box = js("(function () { const e = document.querySelector('" + selector +
                                "'); if (!e) return []; e.scrollIntoView();"
                                " const r = e.getBoundingClientRect();"
                                " return [r.left, r.top, r.width, r.height]; })()")
                                 .toList();
    return QRect(box.value(0).toInt(), box.value(1).toInt(), box.value(2).toInt(),
                 box.value(3).toInt());
}

void MainPage::click(const QString& selector) const
{
    const QRect box = box_of(selector);
    QVERIFY2(!box.isEmpty(), qPrintable(selector + " is not on the page"));
    QTest::mouseClick(view(), Qt::LeftButton, {}, box.center());
}

void MainPage::drag(const QString& selector, double from, double to) const
{
    const QRect box = box_of(selector);
    QVERIFY2(!box.isEmpty(), qPrintable(selector + " is not on the page"));
    auto at = [&box](double fraction) {
        return QPoint(box.left() + 2 + static_cast<int>((box.width() - 4) * fraction),
                      box.center().y());
    };
    send_mouse(QEvent::MouseButtonPress, at(from), true);
    send_mouse(QEvent::MouseMove, at((from + to) / 2), true);
    send_mouse(QEvent::MouseMove, at(to), true);
    send_mouse(QEvent::MouseButtonRelease, at(to), false);
}

void MainPage::send_mouse(QEvent::Type type, const QPoint& at, bool held) const
{
    QMouseEvent event(type, at, view()->mapToGlobal(at), Qt::LeftButton,
                      held ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view(), &event);
}
