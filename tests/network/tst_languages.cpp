// The languages of the controller and its window: switching and forcing, unknown codes, the
// first start's choice, the language through the settings' version wipe, the main page in
// Russian and Japanese, the language page, and every text a page asks for being known.
#include "AppFixture.h"
#include "KavoLogBuffer.h"
#include "MainPage.h"
#include "TranslationSource.h"
#include "network/Translator.h"
#include "screens/DebugConsole.h"
#include "screens/DebugConsoleWindow.h"

#include <QPushButton>
#include <QTranslator>
#include <QtTest>

namespace {
// Notes every text looked up in the context of the page texts. Installed last, it is asked
// first; it knows no translation, so the lookup goes on to Kavo's.
class AskedTexts : public QTranslator
{
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (qstrcmp(context, "Translator") == 0)
            asked.insert(QString::fromUtf8(source));
        return QString();
    }

    bool isEmpty() const override { return false; }

    mutable QSet<QString> asked;
};
} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> m_fixture;
    std::unique_ptr<MainPage> m_window;

    App& app() { return m_fixture->app(); }

    void start(const QVariantMap& settings = {})
    {
        m_fixture = std::make_unique<AppFixture>();
        QVariantMap with_scale = settings;
        with_scale.insert(QStringLiteral("UiScale"), 1);
        m_fixture->start(with_scale);
        m_window = std::make_unique<MainPage>(app());
    }

    QString language() { return app().settings_map().value(QStringLiteral("Language")).toString(); }

private slots:
    void cleanup()
    {
        m_window.reset();
        m_fixture.reset();
    }

    void theChosenLanguageIsLoadedOnlyWhenForced()
    {
        start({{"Language", "de"}});
        QSignalSpy translated(&app(), &App::translate);
        app().language_changed(QStringLiteral("de"));
        QCOMPARE(translated.count(), 0);
        app().language_changed_force(QStringLiteral("de"), true);
        QCOMPARE(translated.count(), 1);
        QCOMPARE(app().get_language_code(), QStringLiteral("de"));
        app().language_changed(QStringLiteral("ru"));
        QCOMPARE(translated.count(), 2);
        QCOMPARE(app().get_language_code(), QStringLiteral("ru"));
    }

    void aCodeWithoutTranslationFallsBackToEnglish_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("xx") << "xx";
        QTest::newRow("a path") << "../kavo_ru";
        QTest::newRow("upper case") << "RU";
        QTest::newRow("empty") << "";
    }

    void aCodeWithoutTranslationFallsBackToEnglish()
    {
        QFETCH(QString, code);
        start({{"Language", "jp"}});
        QSignalSpy lines(&KavoLogBuffer::instance(), &KavoLogBuffer::line_logged);
        app().language_changed(code);
        QStringList logged;
        for (const QList<QVariant>& line : lines)
            logged << line.at(0).toString();
        QCOMPARE(logged,
                 (QStringList{"LANGUAGE: " + code, "Failed to load translation file for " + code}));
        QCOMPARE(app().get_language_code(), QStringLiteral("en"));
        QCOMPARE(language(), code);
        QCOMPARE(app().GET_STRING(QStringLiteral("Automatic")), QStringLiteral("Automatic"));
    }

    void theFirstStartTakesTheCountrysLanguage_data()
    {
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Bulgaria") << "Bulgaria"
                                  << "BG"
                                  << "bg";
        QTest::newRow("Bulgaria by name") << "Bulgaria"
                                          << ""
                                          << "bg";
        QTest::newRow("Bulgaria by code") << ""
                                          << "BG"
                                          << "bg";
        QTest::newRow("Germany") << "Germany"
                                 << "DE"
                                 << "en";
        QTest::newRow("nothing known") << ""
                                       << ""
                                       << "en";
    }

    void theFirstStartTakesTheCountrysLanguage()
    {
        QFETCH(QString, country);
        QFETCH(QString, code);
        QFETCH(QString, expected);
        start();
        QVERIFY(app().is_first_start());
        app().localize_kavo(country, code);
        QCOMPARE(language(), expected);
        QCOMPARE(app().get_language_code(), expected);
        QCOMPARE(m_fixture->stored(QStringLiteral("Language")).toString(), expected);
        // Only once: a second report changes nothing.
        app().localize_kavo(QStringLiteral("Bulgaria"), QStringLiteral("BG"));
        app().localize_kavo(QStringLiteral("Germany"), QStringLiteral("DE"));
        QCOMPARE(language(), expected);
    }

    void aLaterStartKeepsTheUsersLanguage()
    {
        start({{"IsFirstStart", false}, {"Language", "ru"}});
        app().localize_kavo(QStringLiteral("Bulgaria"), QStringLiteral("BG"));
        QCOMPARE(language(), QStringLiteral("ru"));
        QCOMPARE(m_fixture->stored(QStringLiteral("Language")).toString(), QStringLiteral("ru"));
    }

    void theLanguageSurvivesTheVersionWipe_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<bool>("reset");
        QTest::newRow("a store of an older layout") << "5" << false;
        QTest::newRow("reset to defaults") << "6" << true;
    }

    void theLanguageSurvivesTheVersionWipe()
    {
        QFETCH(QString, layout);
        QFETCH(bool, reset);
        start({{"SaveVersion", layout}, {"Language", "jp"}, {"WorkTime", 45}});
        if (reset)
            app().reset_settings_to_default();
        QCOMPARE(app().settings_map().value("WorkTime").toInt(), 20);
        QCOMPARE(language(), QStringLiteral("jp"));
        QCOMPARE(app().get_language_code(), QStringLiteral("jp"));
        QCOMPARE(m_fixture->stored(QStringLiteral("Language")).toString(), QStringLiteral("jp"));
    }

    void theMainPageSpeaksTheLanguage_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("texts"); // mode, automatic, location line, save
        QTest::newRow("ru") << "ru"
                            << QStringList{"Режим", "Автоматический",
                                           "Местоположение неизвестно: укажите его вручную",
                                           "Сохранить и закрыть"};
        QTest::newRow("jp") << "jp"
                            << QStringList{"モード", "自動",
                                           "位置情報が不明です: 手動で設定してください",
                                           "保存して閉じる"};
    }

    void theMainPageSpeaksTheLanguage()
    {
        QFETCH(QString, code);
        QFETCH(QStringList, texts);
        start();
        QVERIFY(m_window->show());
        const auto shown = [this] {
            return QStringList{m_window->text_of("#simple-view .field-label"),
                               m_window->text_of("#mode-choice [data-mode='1']"),
                               m_window->text_of("#geolocation"),
                               m_window->text_of("#save-and-close")};
        };
        const QStringList english{"Mode", "Automatic", "Location unknown: set it by hand",
                                  "Save and close"};
        QTRY_COMPARE(shown(), english);
        app().language_changed(code);
        QTRY_COMPARE(shown(), texts);
        app().language_changed(QStringLiteral("en"));
        QTRY_COMPARE(shown(), english);
    }

    void theLanguagePageSwitchesTheLanguage()
    {
        start();
        QVERIFY(m_window->show());
        QVERIFY(m_window->open_page(QStringLiteral("Language")));
        const QString choice = QStringLiteral("#page-host [data-setting=language]");
        QCOMPARE(m_window->js("document.querySelector('" + choice + "').value").toString(),
                 QStringLiteral("en"));
        m_window->choose(choice, QStringLiteral("ru"));
        QCOMPARE(language(), QStringLiteral("ru"));
        QCOMPARE(app().get_language_code(), QStringLiteral("ru"));
        QTRY_COMPARE(m_window->text_of("#page-host .page-title"), QStringLiteral("Язык"));
        QCOMPARE(m_window->js("document.documentElement.lang").toString(), QStringLiteral("ru"));
        m_window->choose(choice, QStringLiteral("ae"));
        QCOMPARE(m_window->js("document.documentElement.dir").toString(), QStringLiteral("rtl"));
        QCOMPARE(m_window->js("document.documentElement.lang").toString(), QStringLiteral("ar"));
        QCOMPARE(m_window->js("Kavo.errors()").toStringList(), QStringList());
    }

    void kavosOwnTextsFollowTheLanguage()
    {
        start();
        QSignalSpy location(&app(), &App::set_geolocation_string);
        QTRY_VERIFY(!location.isEmpty() && location.last().at(0).toString() ==
                                               QLatin1String("Location unknown: set it by hand"));
        QSignalSpy times(&app(), &App::set_transition_times_info);
        app().language_changed(QStringLiteral("jp"));
        QCOMPARE(location.last().at(0).toString(),
                 QStringLiteral("位置情報が不明です: 手動で設定してください"));
        QVERIFY(!times.isEmpty());
    }

    void anOpenWindowFollowsTheLanguage()
    {
        start();
        app().start_debug_console();
        QVERIFY(app().debug_console().window());
        auto* copy = app().debug_console().window()->findChild<QPushButton*>();
        QCOMPARE(copy->text(), QStringLiteral("Copy all"));
        app().language_changed(QStringLiteral("ru"));
        QTRY_COMPARE(copy->text(), QStringLiteral("Копировать всё"));
        app().language_changed(QStringLiteral("en"));
        QTRY_COMPARE(copy->text(), QStringLiteral("Copy all"));
    }

    // Every text any page asks GET_STRING for, in every view and on every page, is in the
    // translation sources (the English translation knows it).
    void everyTextThePagesAskForIsInTheSources()
    {
        start();
        QVERIFY(m_window->show());
        AskedTexts texts;
        QCoreApplication::installTranslator(&texts);
        emit app().translate();
        m_window->click(QStringLiteral("#advanced-tab"));
        const QVariantList titles =
            m_window->js("MainScreen.PAGES.map((page) => page.title)").toList();
        for (const QVariant& title : titles)
            QVERIFY2(m_window->open_page(title.toString()), qPrintable(title.toString()));
        m_window->click(QStringLiteral("#menu-edit"));
        emit app().translate();
        QCoreApplication::removeTranslator(&texts);

        const TranslationSource english = TranslationSource::read(
            QStringLiteral(KAVO_SOURCE_DIR "/resources/translations/kavo_en.ts"));
        QVERIFY(texts.asked.size() > 100);
        QStringList asked = (texts.asked - english.sources(QStringLiteral("Translator"))).values();
        asked.sort();
        QVERIFY2(asked.isEmpty(), qPrintable(asked.join(QStringLiteral(" | "))));
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
