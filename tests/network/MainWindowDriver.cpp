#include "MainWindowDriver.h"

#include "App.h"
#include "screens/PageScript.h"

#include <QWebFrame>
#include <QWebPage>
#include <QWebView>
#include <QtTest>

bool MainWindowDriver::show()
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

bool MainWindowDriver::open_page(const QString& title)
{
    emit m_app.open_page(title);
    // The page's title names it in every language.
    const QString shown = QStringLiteral("(function () { const title = document.querySelector("
                                         "'#page-host .page-title'); return !!title && "
                                         "title.getAttribute('data-i18n') === %1; })()")
                              .arg(PageScript::string_literal(title));
    return QTest::qWaitFor([this, shown] { return js(shown).toBool(); }, 30000);
}

QVariant MainWindowDriver::js(const QString& script) const
{
    return m_app.main_page()->mainFrame()->evaluateJavaScript(script);
}

QString MainWindowDriver::text_of(const QString& selector) const
{
    return js(QStringLiteral("(document.querySelector(%1) || {}).textContent")
                  .arg(PageScript::string_literal(selector)))
        .toString();
}

QWebView* MainWindowDriver::view() const
{
    return m_app.findChild<QWebView*>(QStringLiteral("webView"));
}

QPoint MainWindowDriver::centre_of(const QString& selector) const
{
    const QVariantList box =
        js(QStringLiteral(
               "(function () { const r = document.querySelector(%1)"
               ".getBoundingClientRect(); return [r.left, r.top, r.width, r.height]; })()")
               .arg(PageScript::string_literal(selector)))
            .toList();
    return QPoint(box.value(0).toInt() + box.value(2).toInt() / 2,
                  box.value(1).toInt() + box.value(3).toInt() / 2);
}

void MainWindowDriver::click(const QString& selector)
{
    QTest::mouseClick(view(), Qt::LeftButton, {}, centre_of(selector));
}

void MainWindowDriver::type(const QString& selector, const QString& text)
{
    click(selector);
    QTest::keyClick(view(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(view(), text);
    QTest::keyClick(view(), Qt::Key_Tab);
}

void MainWindowDriver::choose(const QString& selector, const QString& value)
{
    js(QStringLiteral("(function () { const box = document.querySelector(%1); box.value = %2; "
                      "box.dispatchEvent(new Event('change')); })()")
           .arg(PageScript::string_literal(selector), PageScript::string_literal(value)));
}
