// The pauser, trigger, shortcut and auto clicker pages in the real web engine: what the user
// types, clicks and presses reaches the settings; what Kavo sends reaches the page as text.
#include "AppFixture.h"
#include "ForwardingPlatform.h"
#include "MainPage.h"
#include "platform/wayland/WaylandAbilities.h"

#include <QJsonArray>
#include <QWebFrame>
#include <QWebPage>
#include <QWebView>
#include <QtTest>

namespace {
// A desktop that allows Kavo nothing beyond colours: a compositor with no extra protocol and
// an empty session bus, as a bare Wayland desktop says it.
class BareWayland : public ForwardingPlatform
{
public:
    using ForwardingPlatform::ForwardingPlatform;
    QString pageNote(const QString& page) const override
    {
        const PageNote note = WaylandAbilities(WaylandOffer()).note(page);
        return note.works ? QString() : note.text;
    }
};

std::unique_ptr<AppFixture> onBareWayland()
{
    return std::make_unique<AppFixture>(AppFixture::kTwoMonitors,
                                        [](std::unique_ptr<SimDesktop> sim) {
                                            return std::make_unique<BareWayland>(std::move(sim));
                                        });
}
} // namespace

class TestDesktopPages : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> m_fixture;
    std::unique_ptr<MainPage> m_page;

    App& app() { return m_fixture->app(); }
    QWebView* view() { return m_page->view(); }
    QVariant js(const QString& script) { return m_page->js(script); }
    void click(const QString& selector) { m_page->click(selector); }

    // Kavo with its window open on `title`, its page finished.
    void open_page(const QString& title, QVariantMap settings = {})
    {
        settings.insert("UiScale", 1);
        settings.insert("KavoUpdateInterval", 10000000);
        m_fixture->start(settings);
        m_page = std::make_unique<MainPage>(app());
        m_page->open(title);
    }

    void type_list(const QString& setting, const QString& text)
    {
        js("document.querySelector('#page-host [data-setting=\"" + setting +
           "\"] textarea').value = " + "'" + QString(text).replace("\n", "\\n") + "'");
    }

    QString text_of(const QString& selector)
    {
        return js("document.querySelector('" + selector + "').textContent").toString();
    }

    // The texts of the page's desktop notes that show.
    QStringList shown_notes()
    {
        return js("Array.from(document.querySelectorAll('#page-host [data-page-note]'))"
                  ".filter((note) => !note.hidden).map((note) => note.textContent)")
            .toStringList();
    }

    QStringList hotkeys()
    {
        QStringList registered;
        for (const QJsonValue& key : m_fixture->desktop().state().value("hotkeys").toArray())
            registered << key.toString();
        return registered;
    }

private slots:
    void init() { m_fixture = std::make_unique<AppFixture>(); }
    void cleanup()
    {
        m_page.reset();
        m_fixture.reset();
    }

    void aSavedListReachesTheSettingsAndTheStore_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("key");
        QTest::newRow("colour pausers") << "Color pausers"
                                        << "color_pausers"
                                        << "ColorPausers";
        QTest::newRow("timer pausers") << "Timer pausers"
                                       << "timer_pausers"
                                       << "TimerPausers";
        QTest::newRow("mouse pausers") << "Mouse pausers"
                                       << "mouse_pausers"
                                       << "MousePausers";
        QTest::newRow("colour triggers") << "Color triggers"
                                         << "color_triggers"
                                         << "ColorTriggers";
    }

    void aSavedListReachesTheSettingsAndTheStore()
    {
        QFETCH(QString, page);
        QFETCH(QString, setting);
        QFETCH(QString, key);
        open_page(page);
        // The page shows the stored list first.
        QCOMPARE(js("document.querySelector('#page-host [data-setting=\"" + setting +
                    "\"] textarea').value")
                     .toString(),
                 app().settings_map().value(key).toString());
        type_list(setting, "painter\nvlc = 3000 80");
        click("#page-host [data-setting=\"" + setting + "\"] [data-role=save]");
        QTRY_COMPARE(app().settings_map().value(key).toString(),
                     QStringLiteral("painter\nvlc = 3000 80"));
        QCOMPARE(m_fixture->stored(key).toString(), QStringLiteral("painter\nvlc = 3000 80"));
    }

    void savingTheSettingsTakesTheListsAsShown()
    {
        open_page("Timer pausers");
        const QString colors = app().settings_map().value("ColorPausers").toString();
        type_list("timer_pausers", "player\nvlc");
        app().request_page_lists();
        QCOMPARE(app().settings_map().value("TimerPausers").toString(),
                 QStringLiteral("player\nvlc"));
        // A list whose page is not open is handed back as it was.
        QCOMPARE(app().settings_map().value("ColorPausers").toString(), colors);
    }

    void theSwitchesReachTheirSettings_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("key");
        QTest::newRow("colour pausers") << "Color pausers"
                                        << "use_color_pausers"
                                        << "UseColorPausers";
        QTest::newRow("colour full screen") << "Color pausers"
                                            << "color_pausers_fullscreen"
                                            << "ColorPausersPauseOnFullscreenApps";
        QTest::newRow("timer pausers") << "Timer pausers"
                                       << "use_timer_pausers"
                                       << "UseTimerPausers";
        QTest::newRow("timer full screen") << "Timer pausers"
                                           << "timer_pausers_fullscreen"
                                           << "TimerPausersPauseOnFullscreenApps";
        QTest::newRow("mouse pausers") << "Mouse pausers"
                                       << "use_mouse_pausers"
                                       << "UseMousePausers";
        QTest::newRow("mouse full screen") << "Mouse pausers"
                                           << "mouse_pausers_fullscreen"
                                           << "MousePausersPauseOnFullscreenApps";
        QTest::newRow("colour triggers") << "Color triggers"
                                         << "use_color_triggers"
                                         << "UseColorTriggers";
        QTest::newRow("shortcuts") << "Shortcuts"
                                   << "use_keyboard_shortcuts"
                                   << "UseKeyboardShortcuts";
    }

    void theSwitchesReachTheirSettings()
    {
        QFETCH(QString, page);
        QFETCH(QString, setting);
        QFETCH(QString, key);
        open_page(page);
        const bool before = app().settings_map().value(key).toBool();
        QCOMPARE(
            js("document.querySelector('#page-host [data-setting=\"" + setting + "\"]').checked")
                .toBool(),
            before);
        click("#page-host [data-setting=\"" + setting + "\"]");
        QTRY_COMPARE(app().settings_map().value(key).toBool(), !before);
    }

    void theProgramInFrontReachesThePageAsText()
    {
        const QString name = QStringLiteral("'); alert(1); //\\\"<b>x</b>");
        open_page("Timer pausers");
        app().set_current_active_process(name);
        QCOMPARE(text_of("#page-host [data-text=current_active_process]"), name);
        QCOMPARE(js("Kavo.errors().length").toInt(), 0);
    }

    // Named on every update, the program in front reaches the page only while the window is
    // shown, and once it shows again.
    void theProgramInFrontReachesThePageWhileShown()
    {
        const QString shown = QStringLiteral("#page-host [data-text=current_active_process]");
        open_page("Timer pausers");
        app().set_current_active_process(QStringLiteral("viewer"));
        QCOMPARE(text_of(shown), QStringLiteral("viewer"));
        app().hide();
        app().set_current_active_process(QStringLiteral("painter"));
        QCOMPARE(text_of(shown), QStringLiteral("viewer"));
        app().show();
        QTRY_COMPARE(text_of(shown), QStringLiteral("painter"));
    }

    void aBadTriggerLineIsShownOnThePage()
    {
        open_page("Color triggers");
        QCOMPARE(text_of("#page-host [data-text=set_color_triggers_message]"), QString());
        type_list("color_triggers", "vlc = 6500 120\nplayer = <i>bright</i>");
        click("#page-host [data-setting=\"color_triggers\"] [data-role=save]");
        QTRY_COMPARE(text_of("#page-host [data-text=set_color_triggers_message]"),
                     QStringLiteral("Line 2 is not \"program = temperature brightness\": "
                                    "player = <i>bright</i>"));
    }

    void theShortcutEditorRecordsAPressedCombination()
    {
        open_page("Shortcuts", {{"UseKeyboardShortcuts", true}});
        QVERIFY(hotkeys().contains("Ctrl+Alt+PgUp"));
        js("(function () { const choice = document.querySelector('[data-role=feature]');"
           " choice.value = '3'; choice.dispatchEvent(new Event('change')); })()");
        QCOMPARE(js("document.querySelector('[data-role=recorder]').value").toString(),
                 QStringLiteral("Ctrl+Alt+PgUp"));

        click("#page-host [data-role=recorder]");
        QTRY_VERIFY(hotkeys().isEmpty());   // Kavo lets go of its keys while recording
        QTest::keyClick(view(), Qt::Key_B); // a bare letter would take typing away
        QVERIFY(!text_of("#page-host [data-role=hint]").isEmpty());
        QTest::keyClick(view(), Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_COMPARE(app().settings_map().value("IncreaseBrightnessHotkey").toString(),
                     QStringLiteral("Ctrl+Shift+B"));
        QTRY_VERIFY(hotkeys().contains("Ctrl+Shift+B"));
        QCOMPARE(js("document.querySelector('[data-role=recorder]').value").toString(),
                 QStringLiteral("Ctrl+Shift+B"));
        QVERIFY(text_of("#page-host [data-role=all]").contains("Ctrl+Shift+B"));
    }

    // Each page names once, in its notice, what the desktop does not allow there; the
    // simulated desktop (as X11) allows everything and no notice shows.
    void eachPageSaysWhatTheDesktopDoesNotAllow_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("notes");
        const QStringList pausers{"pausers"};
        QTest::newRow("colour pausers") << "Color pausers" << pausers;
        QTest::newRow("timer pausers") << "Timer pausers" << pausers;
        QTest::newRow("mouse pausers") << "Mouse pausers" << pausers;
        QTest::newRow("colour triggers") << "Color triggers" << pausers;
        QTest::newRow("inactivity") << "Settings" << QStringList{"inactivity"};
        QTest::newRow("shortcuts") << "Shortcuts" << QStringList{"shortcuts"};
        QTest::newRow("overlay") << "Screen overlay" << QStringList{"overlay"};
        QTest::newRow("lightness") << "Lightness" << QStringList{"overlay"};
        QTest::newRow("strict breaks") << "Timer" << QStringList{"strict"};
        QTest::newRow("auto clicker") << "Auto clicker" << QStringList{"clicker"};
        QTest::newRow("tray and cursor") << "System" << QStringList{"tray", "cursor"};
        QTest::newRow("idle effects") << "Screen effects" << QStringList{"idle-effects"};
        QTest::newRow("a page that works everywhere") << "Location" << QStringList();
    }

    void eachPageSaysWhatTheDesktopDoesNotAllow()
    {
        QFETCH(QString, page);
        QFETCH(QStringList, notes);
        open_page(page);
        QCOMPARE(shown_notes(), QStringList());

        m_page.reset();
        m_fixture = onBareWayland();
        open_page(page);
        QStringList expected;
        for (const QString& note : notes)
            expected << WaylandAbilities(WaylandOffer()).note(note).text;
        QCOMPARE(shown_notes(), expected);
        QCOMPARE(js("Kavo.errors().length").toInt(), 0);
    }

    // The note is in the user's language, and follows a change of language on the open page.
    void aNoteFollowsTheLanguage()
    {
        m_fixture = onBareWayland();
        open_page("Timer");
        const QString english = shown_notes().value(0);
        QVERIFY(english.startsWith("This desktop lets no program take the keyboard"));
        app().language_changed_force(QStringLiteral("de"), true);
        QTRY_VERIFY(shown_notes().value(0) != english);
        QVERIFY2(shown_notes().value(0).contains(QStringLiteral("Tastatur")),
                 qPrintable(shown_notes().value(0)));
    }

    void theAutoClickerPageStartsAndStopsIt()
    {
        open_page("Auto clicker", {{"MouseClickInterval", 200}});
        QCOMPARE(text_of("#page-host [data-setting=auto_clicker_running]"),
                 QStringLiteral("Stopped"));
        click("#page-host [data-call=start_mouse_clicking]");
        QTRY_VERIFY(app().is_auto_clicker_running());
        QTRY_COMPARE(text_of("#page-host [data-setting=auto_clicker_running]"),
                     QStringLiteral("Clicking"));
        click("#page-host [data-call=stop_mouse_clicking]");
        QTRY_VERIFY(!app().is_auto_clicker_running());
        QTRY_COMPARE(text_of("#page-host [data-setting=auto_clicker_running]"),
                     QStringLiteral("Stopped"));
    }
};

QTEST_MAIN(TestDesktopPages)
#include "tst_desktop_pages.moc"
