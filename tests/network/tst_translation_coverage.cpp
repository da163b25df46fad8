// Every text Kavo shows outside its pages is in the translation sources and is looked up where
// it is stored. A marking translation turns each text of the sources into ‹text›: whatever Kavo
// then shows (console messages, message boxes, the timer's texts, the lite rest screen) must be
// made of marked texts, values aside, and Kavo must ask for no text the sources lack.
#include "AppFixture.h"
#include "TranslationSource.h"
#include "screens/KavoMessageBox.h"
#include "screens/RestScreenLite.h"
#include "settings/HiddenFeatures.h"
#include "system/ITaskManager.h"
#include "timer/BigRestMessage.h"
#include "timer/RestTimer.h"
#include "timer/TimerTypes.h"

#include <QApplication>
#include <QJsonArray>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTranslator>
#include <QtTest>

namespace {
const QChar kOpen(0x2039);  // ‹
const QChar kClose(0x203A); // ›

// Translates each text of the translation sources into ‹text›, and notes every text looked up
// in one of Kavo's contexts that the sources do not hold.
class MarkingTranslator : public QTranslator
{
public:
    MarkingTranslator()
        : m_keys(TranslationSource::read(
                     QStringLiteral(KAVO_SOURCE_DIR "/resources/translations/kavo_en.ts"))
                     .keys())
    {
    }

    QString translate(const char* context, const char* source, const char*, int) const override
    {
        const QString text = QString::fromUtf8(source);
        const QString key = QString::fromUtf8(context) + QLatin1Char('|') + text;
        if (m_keys.contains(key))
            return kOpen + text + kClose;
        if (!is_qts(context))
            missing.insert(key);
        return {};
    }

    bool isEmpty() const override { return false; }

    mutable QSet<QString> missing;

private:
    // Qt's own classes (QWebPage, QLineEdit, ...) ask for their texts too.
    static bool is_qts(const char* context)
    {
        return context[0] == 'Q' && QChar::fromLatin1(context[1]).isUpper();
    }

    QSet<QString> m_keys;
};

// Whether `text` is made of marked texts only: no letter outside ‹...›, values (numbers, the
// spell the user typed) inside them.
bool is_marked(const QString& text)
{
    static const QRegularExpression innermost(QStringLiteral("\u2039[^\u2039\u203A]*\u203A"));
    static const QRegularExpression letter(QStringLiteral("\\p{L}"));
    QString rest = text;
    for (QString shorter = QString(rest).remove(innermost); shorter != rest;
         shorter = QString(rest).remove(innermost))
        rest = shorter;
    return !rest.contains(letter);
}

// Each command of the console once, and with both values where it switches something.
QStringList every_spell()
{
    QStringList spells;
    for (const QString& line : HiddenFeatures::spell_list()) {
        QString spell = line.split(QStringLiteral(" or ")).first();
        if (spell == QLatin1String("exit")) // ends Kavo
            continue;
        spell.replace(QStringLiteral("%d"), QStringLiteral("2"))
            .replace(QStringLiteral("%f"), QStringLiteral("1.5"))
            .replace(QStringLiteral("%s"), QStringLiteral("dark"));
        if (spell.contains(QStringLiteral("%b"))) {
            spells << QString(spell).replace(QStringLiteral("%b"), QStringLiteral("enable"))
                   << QString(spell).replace(QStringLiteral("%b"), QStringLiteral("disable"));
        } else {
            spells << spell;
        }
    }
    // Values out of range, and no spell at all.
    spells << QStringLiteral("st 20000") << QStringLiteral("set night end time to 30")
           << QStringLiteral("no such spell");
    return spells;
}
} // namespace

class TestTranslationCoverage : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> m_fixture;
    MarkingTranslator m_marking;
    QStringList m_unmarked;

    App& app() { return m_fixture->app(); }

    // Kavo installs its own translation when the language changes: the marking one goes first.
    void mark()
    {
        QCoreApplication::removeTranslator(&m_marking);
        QCoreApplication::installTranslator(&m_marking);
    }

    void expect_marked(const QString& where, const QString& text)
    {
        if (!is_marked(text))
            m_unmarked << where + QStringLiteral(": ") + text;
    }

    QJsonArray tray_messages()
    {
        return m_fixture->desktop().state()["tray"].toObject()["messages"].toArray();
    }

    // The titles and messages of the message boxes built since the last call.
    void check_message_boxes(const QString& where)
    {
        for (const QString& text : KavoMessageBox::testMessages())
            expect_marked(where, text);
        KavoMessageBox::testMessages().clear();
    }

private slots:
    void init()
    {
        KavoMessageBox::setTestAnswer(QStringLiteral("OK"));
        KavoMessageBox::testMessages().clear();
        m_fixture = std::make_unique<AppFixture>();
        m_unmarked.clear();
        m_marking.missing.clear();
    }

    void cleanup()
    {
        QCoreApplication::removeTranslator(&m_marking);
        m_fixture.reset();
        KavoMessageBox::setTestAnswer(std::nullopt);
    }

    void everyConsoleMessageIsTranslated()
    {
        m_fixture->start();
        const QStringList spells = every_spell();
        QVERIFY(spells.size() > 100);
        for (const QString& spell : spells) {
            app().settings_map().insert(QStringLiteral("UseHiddenFeaturesNotifications"), true);
            mark();
            const int before = tray_messages().size();
            app().activate_hidden_feature(spell);
            const QJsonArray messages = tray_messages();
            for (int i = before; i < messages.size(); ++i) {
                expect_marked(spell, messages.at(i).toObject()["title"].toString());
                expect_marked(spell, messages.at(i).toObject()["body"].toString());
            }
            check_message_boxes(spell);
        }
        // The spells showed messages at all: the check above checked something.
        QVERIFY(tray_messages().size() > 80);
        QVERIFY2(m_unmarked.isEmpty(), qPrintable(m_unmarked.join(QLatin1Char('\n'))));
        QVERIFY2(m_marking.missing.isEmpty(), qPrintable(m_marking.missing.values().join('\n')));
    }

    void theConflictingApplicationMessageIsTranslated()
    {
        m_fixture->start();
        mark();
        m_fixture->set_desktop(R"({"monitors": [{"x": 0, "y": 0, "width": 1920, "height": 1080}],
                                   "processes": [{"pid": 100, "name": "flux.exe"}]})");
        app().task_manager()->update(true);
        QVERIFY(!KavoMessageBox::testMessages().isEmpty());
        check_message_boxes(QStringLiteral("conflicting application"));
        QVERIFY2(m_unmarked.isEmpty(), qPrintable(m_unmarked.join(QLatin1Char('\n'))));
        QVERIFY2(m_marking.missing.isEmpty(), qPrintable(m_marking.missing.values().join('\n')));
    }

    void theTimersTextsAreTranslated()
    {
        m_fixture->start({{"TimerType", TimerType::Normal},
                          {"TimerPaused", false},
                          {"RestScreenType", RestScreenType::Lite}});
        mark();
        RestTimer* timer = app().rest_timer();
        QVERIFY(timer);
        timer->update_timer_ui();
        QVERIFY(app().tray_tooltip_text().contains(QStringLiteral(" / ")));
        expect_marked(QStringLiteral("tray tooltip"),
                      app().tray_tooltip_text().section(QStringLiteral(" / "), 1));
        for (const QString& text : timer->get_timer_strings())
            expect_marked(QStringLiteral("main window"), text);
        expect_marked(QStringLiteral("big rest in minutes"),
                      big_rest_message(TimerType::Normal, 360000, 3600000).value_or(QString()));
        expect_marked(QStringLiteral("big rest in seconds"),
                      big_rest_message(TimerType::Normal, 30000, 3600000).value_or(QString()));

        timer->start_rest();
        timer->update_timer_ui();
        expect_marked(QStringLiteral("resting tooltip"),
                      app().tray_tooltip_text().section(QStringLiteral(" / "), 1));
        int screens = 0;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* screen = qobject_cast<RestScreenLite*>(window);
            if (!screen)
                continue;
            ++screens;
            screen->set_continue_button();
            expect_marked(QStringLiteral("rest screen"), screen->windowTitle());
            expect_marked(QStringLiteral("rest screen"),
                          screen->findChild<QLabel*>(QStringLiteral("label"))->text());
            expect_marked(QStringLiteral("rest screen"),
                          screen->findChild<QPushButton*>(QStringLiteral("pushButton"))->text());
        }
        QVERIFY(screens > 0);
        QVERIFY2(m_unmarked.isEmpty(), qPrintable(m_unmarked.join(QLatin1Char('\n'))));
        QVERIFY2(m_marking.missing.isEmpty(), qPrintable(m_marking.missing.values().join('\n')));
    }

    // The check itself: an unmarked word or a text the sources lack is found.
    void theCheckFindsWhatIsNotTranslated()
    {
        QVERIFY(is_marked(QStringLiteral("‹Monitor 2 disabled›")));
        QVERIFY(is_marked(QStringLiteral("‹20 ‹min› 5 ‹sec› until rest›")));
        QVERIFY(!is_marked(QStringLiteral("‹until rest› 3400K")));
        QVERIFY(is_marked(QStringLiteral("‹%1 settings imported›‹, 2 unknown keys ignored›")));
        QVERIFY(!is_marked(QStringLiteral("Monitor ‹2› ‹disabled›")));
        QVERIFY(!is_marked(QStringLiteral("‹Step› 1 / 4 Шаг")));
        mark();
        QCOMPARE(QCoreApplication::translate("Translator", "until"), QStringLiteral("‹until›"));
        QCOMPARE(QCoreApplication::translate("RestTimer", "until"), QStringLiteral("until"));
        QVERIFY(m_marking.missing.contains(QStringLiteral("RestTimer|until")));
    }
};

QTEST_MAIN(TestTranslationCoverage)
#include "tst_translation_coverage.moc"
