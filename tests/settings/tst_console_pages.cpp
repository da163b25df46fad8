#include "AppFixture.h"
#include "MainPage.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QWebFrame>
#include <QWebPage>
#include <QWebView>
#include <QtTest>

// The hidden-features page and the settings page's file controls, driven in the real web
// engine as a user would.
class TestConsolePages : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> m_fixture;
    std::unique_ptr<MainPage> m_page;

    App& app() { return m_fixture->app(); }
    QWebView* view() { return m_page->view(); }
    QVariant js(const QString& script) { return m_page->js(script); }
    void click(const QString& selector) { m_page->click(selector); }

    void open_page(const QString& title)
    {
        // At the normal display scale page and window coordinates agree.
        m_fixture->start({{"UiScale", 1}});
        m_page = std::make_unique<MainPage>(app());
        m_page->open(title);
    }

    QString lastMessageTitle()
    {
        const QJsonArray messages =
            m_fixture->desktop().state()["tray"].toObject()["messages"].toArray();
        return messages.isEmpty() ? QString() : messages.last()["title"].toString();
    }

private slots:
    void init() { m_fixture = std::make_unique<AppFixture>(); }
    void cleanup()
    {
        m_page.reset();
        m_fixture.reset();
    }

    void aTypedSpellIsCast()
    {
        open_page("Hidden features");
        QVERIFY(js("document.querySelectorAll('#page-host .spell').length").toInt() > 60);
        // A click on a listed spell copies it into the input.
        click("#page-host .spell:nth-child(5)");
        QCOMPARE(js("document.querySelector('#page-host .spell-input').value").toString(),
                 QString("type %s"));

        js("document.querySelector('#page-host .spell-input').value = 'type sunglasses'");
        click("#page-host .spell-activate");
        QTRY_COMPARE(app().settings_map().value("KavoType").toInt(), 7);

        // Quotes and markup in a spell stay text all the way to the message.
        js("document.querySelector('#page-host .spell-input').value = \"');alert(1);//<b>\"");
        QTest::keyClick(view(), Qt::Key_Return);
        QTRY_COMPARE(lastMessageTitle(), QString("Invalid spell"));
        QCOMPARE(js("Kavo.errors()").toStringList(), QStringList());
    }

    void theSettingsPageImportsExportsAndResets()
    {
        QTemporaryDir files;
        const QString exported = files.filePath("out.kavo_settings");
        QFile config(m_fixture->desktop_config());
        QVERIFY(config.open(QIODevice::WriteOnly | QIODevice::Truncate));
        config.write(QJsonDocument(QJsonObject{{"file_chooser", QJsonObject{{"save", exported},
                                                                            {"open", exported}}}})
                         .toJson());
        config.close();
        open_page("Settings");

        app().day_temperature_changed(4100, 0);
        click("#page-host [data-call=\"export_settings\"]");
        QTRY_VERIFY(QFile::exists(exported));
        app().day_temperature_changed(6000, 0);
        click("#page-host [data-call=\"import_settings\"]");
        QTRY_COMPARE(app().settings_map().value("DayTemperature").toInt(), 4100);

        // The reset asks for a second click.
        click("#page-host [data-setting=\"reset_settings_to_default\"]");
        QCOMPARE(app().settings_map().value("DayTemperature").toInt(), 4100);
        click("#page-host [data-setting=\"reset_settings_to_default\"]");
        QTRY_COMPARE(app().settings_map().value("DayTemperature").toInt(), 5000);
        QCOMPARE(js("Kavo.errors()").toStringList(), QStringList());
    }
};

QTEST_MAIN(TestConsolePages)
#include "tst_console_pages.moc"
