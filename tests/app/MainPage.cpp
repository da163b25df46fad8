#include "MainPage.h"

#include "App.h"
#include "parts/IWebView.h"
#include "screens/PageScript.h"

#include <QMouseEvent>
#include <QWebFrame>
#include <QWebPage>
#include <QWebView>
#include <QtTest>

bool MainPage::show()
{
    m_app.create_ui();
    m_app.set_show_ui_requested(true);
    return QTest::qWaitFor([this] { return m_app.isVisible(); }, 30000) &&
           QTest::qWaitFor(
               [this] {
                   return js("document.querySelectorAll('#menu-items .menu-item').length > 0")
                       .toBool();
               },
               30000);
}

bool MainPage::open_page(const QString& title)
{
    emit m_app.open_page(title);
    // The page's title names it in every language.
    const QString shown = QStringLiteral("(function () { const title = document.querySelector("
                                         "'#page-host .page-title'); return !!title && "
                                         "title.getAttribute('data-i18n') === %1; })()")
                              .arg(PageScript::string_literal(title));
    return QTest::qWaitFor([this, shown] { return js(shown).toBool(); }, 30000);
}

void MainPage::open(const QString& title)
{
    QVERIFY(show());
    QVERIFY2(open_page(title), qPrintable(title + " does not show"));
}

QWebView* MainPage::view() const
{
    return m_app.findChild<QWebView*>(QStringLiteral("webView"));
}

QVariant MainPage::js(const QString& script) const
{
    return m_app.main_view()->run(script);
}

QString MainPage::text_of(const QString& selector) const
{
    return js(QStringLiteral("(document.querySelector(%1) || {}).textContent")
                  .arg(PageScript::string_literal(selector)))
        .toString();
}

QRect MainPage::box_of(const QString& selector) const
{
    const QVariantList box = js(QStringLiteral("(function () { const e = document.querySelector("
                                               "%1); if (!e) return []; e.scrollIntoView();"
                                               " const r = e.getBoundingClientRect();"
                                               " return [r.left, r.top, r.width, r.height]; })()")
                                    .arg(PageScript::string_literal(selector)))
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

void MainPage::type(const QString& selector, const QString& text) const
{
    click(selector);
    QTest::keyClick(view(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(view(), text);
    QTest::keyClick(view(), Qt::Key_Tab);
}

void MainPage::choose(const QString& selector, const QString& value) const
{
    js(QStringLiteral("(function () { const box = document.querySelector(%1); box.value = %2; "
                      "box.dispatchEvent(new Event('change')); })()")
           .arg(PageScript::string_literal(selector), PageScript::string_literal(value)));
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
