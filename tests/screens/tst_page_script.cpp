// Page statements built from outside text, run in the real web engine: the text arrives as
// the same string and never runs as code.
#include "screens/PageScript.h"

#include <QWebFrame>
#include <QWebPage>
#include <QtTest>

class TestPageScript : public QObject
{
    Q_OBJECT

private:
    QWebPage m_page;

    QVariant run(const QString& script) { return m_page.mainFrame()->evaluateJavaScript(script); }

private slots:
    void initTestCase()
    {
        m_page.mainFrame()->setHtml(
            QStringLiteral("<script>var received = []; var injected = false;"
                           "function take(a, b) { received = [a, b]; }</script>"));
    }

    void outsideTextStaysData_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << "vlc.exe";
        QTest::newRow("empty") << "";
        QTest::newRow("quotes") << R"(it's "quoted")";
        QTest::newRow("breaking out") << "'); injected = true; ('";
        QTest::newRow("backslashes") << R"(C:\Games\new\x41\u0041)";
        QTest::newRow("line ends") << "one\ntwo\r\nthree";
        QTest::newRow("line separators") << QString::fromUtf8("a\u2028b\u2029c");
        QTest::newRow("control characters") << QString::fromUtf8("tab\there\x01\x1f");
        QTest::newRow("script end") << "</script><script>injected = true</script>";
        QTest::newRow("non-latin") << QString::fromUtf8("Видео — 映画 🎬");
        QTest::newRow("nul") << QString(QChar(0)) + "after";
    }

    void outsideTextStaysData()
    {
        QFETCH(QString, text);
        QCOMPARE(run(PageScript::string_literal(text)).toString(), text);
        run(PageScript::call(QStringLiteral("take"), {text, QStringLiteral("second")}));
        QCOMPARE(run(QStringLiteral("received")).toStringList(),
                 (QStringList{text, QStringLiteral("second")}));
        QCOMPARE(run(QStringLiteral("injected")).toBool(), false);
    }

    void aCallWithoutArguments()
    {
        QCOMPARE(PageScript::call(QStringLiteral("kavo_load_finished")),
                 QStringLiteral("kavo_load_finished();"));
    }
};

QTEST_MAIN(TestPageScript)
#include "tst_page_script.moc"
