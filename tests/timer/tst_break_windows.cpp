// The break windows with their real pages on a simulated desktop of two monitors: rest windows
// per monitor, strict rests, the postpone offer, the productive countdown and the corner
// notifications.
#include "TimerDesktop.h"

#include "screens/IRestScreen.h"
#include "screens/NewVersionNotification.h"
#include "screens/NotificationScreen.h"
#include "screens/PostponeBreak.h"
#include "screens/ProductiveScreen.h"
#include "timer/TimerTypes.h"

#include <QApplication>
#include <QCloseEvent>
#include <QWebFrame>
#include <QWebPage>
#include <QWebView>
#include <QtTest>

namespace {
constexpr qint64 kWork = 20 * 60000;
constexpr qint64 kRest = 20000;

// The geometries of `windows` (the desktop lists them in no particular order), sorted.
QList<QRect> geometries(const QJsonArray& windows)
{
    QList<QRect> found;
    for (const QJsonValue& window : windows) {
        const QJsonObject object = window.toObject();
        found.append(QRect(object["x"].toInt(), object["y"].toInt(), object["width"].toInt(),
                           object["height"].toInt()));
    }
    std::sort(found.begin(), found.end(),
              [](const QRect& a, const QRect& b) { return a.x() < b.x(); });
    return found;
}

template <typename Window> QList<Window*> open_windows()
{
    QList<Window*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Window*>(widget); window && window->isVisible())
            found.append(window);
    }
    return found;
}

QVariant js(QWidget* window, const QString& script)
{
    auto* view = window->findChild<QWebView*>();
    return view ? view->page()->mainFrame()->evaluateJavaScript(script) : QVariant();
}
} // namespace

class TestBreakWindows : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TimerDesktop> m_desktop;

    static QByteArray monitors(int count)
    {
        QJsonArray list;
        for (int i = 0; i < count; ++i)
            list.append(QJsonObject{{"x", 1920 * i}, {"y", 0}, {"width", 1920}, {"height", 1080}});
        return QJsonDocument(QJsonObject{{"monitors", list}}).toJson();
    }

    // The rest window on the primary monitor.
    static IRestScreen* primary_rest_window()
    {
        for (IRestScreen* window : open_windows<IRestScreen>()) {
            if (window->is_primary())
                return window;
        }
        return nullptr;
    }

private slots:
    void init() { m_desktop = std::make_unique<TimerDesktop>(); }
    void cleanup()
    {
        m_desktop.reset();
        // Windows left to deferred deletion go before the next test's desktop.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void aRestCoversEachMonitorUntilItEnds()
    {
        RestTimer& timer = m_desktop->start(TimerType::Normal, kWork, kRest, 2);
        timer.start_rest();
        const QJsonArray windows = m_desktop->windows("RestScreenSimple");
        QCOMPARE(geometries(windows),
                 QList<QRect>({QRect(0, 0, 1920, 1081), QRect(1920, 0, 1920, 1081)}));
        QCOMPARE(windows.at(0).toObject()["title"].toString(), QStringLiteral("Rest screen"));
        timer.call_end_rest();
        QTRY_COMPARE(m_desktop->windows("RestScreenSimple").size(), 0);
    }

    void monitorsPluggedInDuringARestGetAWindow()
    {
        RestTimer& timer = m_desktop->start(TimerType::Normal, kWork, kRest, 1);
        timer.start_rest();
        QCOMPARE(m_desktop->windows("RestScreenLite").size(), 2);
        m_desktop->write_config(monitors(3));
        m_desktop->sim().reloadConfig();
        timer.update_rest_timer();
        QTRY_COMPARE(m_desktop->windows("RestScreenLite").size(), 3);
        QCOMPARE(geometries(m_desktop->windows("RestScreenLite")).last(),
                 QRect(3840, 0, 1920, 1081));
        m_desktop->write_config(monitors(1));
        m_desktop->sim().reloadConfig();
        timer.update_rest_timer();
        QTRY_COMPARE(m_desktop->windows("RestScreenLite").size(), 1);
        timer.end_rest();
        QTRY_COMPARE(m_desktop->windows("RestScreenLite").size(), 0);
    }

    void theRestPageCountsDownAndSkips()
    {
        RestTimer& timer = m_desktop->start(TimerType::Normal, kWork, kRest, 3);
        timer.start_rest();
        IRestScreen* window = primary_rest_window();
        QVERIFY(window);
        QTRY_VERIFY(js(window, "typeof RestScreen !== 'undefined'").toBool());
        QTRY_COMPARE(js(window, "document.getElementById('countdown').textContent").toString(),
                     QStringLiteral("0:19"));
        QVERIFY(!js(window, "document.getElementById('skip').hidden").toBool());
        // The standard page adds the clock.
        QVERIFY(!js(window, "document.getElementById('clock').hidden").toBool());
        js(window, "document.getElementById('skip').click()");
        QCOMPARE(timer.phase(), RestTimer::Phase::Work);
        QTRY_COMPARE(open_windows<IRestScreen>().size(), 0);
    }

    void aStrictRestHidesSkippingUntilItIsOver()
    {
        RestTimer& timer = m_desktop->start(TimerType::Strict, kWork, kRest, 2, false);
        timer.start_rest();
        IRestScreen* window = primary_rest_window();
        QVERIFY(window);
        QTRY_VERIFY(js(window, "typeof RestScreen !== 'undefined'").toBool());
        QTRY_VERIFY(!js(window, "document.getElementById('strict-note').hidden").toBool());
        QVERIFY(js(window, "document.getElementById('skip').hidden").toBool());
        timer.call_end_rest();
        QTRY_VERIFY(!js(window, "document.getElementById('continue').hidden").toBool());
        // Every second the page hears to offer continuing, and no longer that it is strict.
        js(window, "window.heard = []; set_strict_screen = () => heard.push('strict');"
                   "set_continue_button = () => heard.push('continue');");
        QTRY_VERIFY(js(window, "heard.length").toInt() >= 2);
        QCOMPARE(js(window, "heard.indexOf('strict')").toInt(), -1);
        js(window, "document.getElementById('continue').click()");
        QCOMPARE(timer.phase(), RestTimer::Phase::Work);
    }

    void aStrictRestHoldsTheKeyboardOnlyWhileItCounts()
    {
        m_desktop->settings.insert("UseKeyboardBlocking", true);
        RestTimer& timer = m_desktop->start(TimerType::Strict, kWork, kRest, 1, false);
        QVERIFY(!m_desktop->keyboard_grabbed());
        timer.start_rest();
        QVERIFY(m_desktop->keyboard_grabbed());

        // Neither closing nor keys get through to a window of a strict rest.
        IRestScreen* window = open_windows<IRestScreen>().value(0);
        QVERIFY(window);
        QCloseEvent close;
        QCoreApplication::sendEvent(window, &close);
        QVERIFY(window->isVisible());
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &escape);
        QVERIFY(window->isVisible());

        timer.pause_resume_timer();
        QVERIFY(!m_desktop->keyboard_grabbed());
        timer.pause_resume_timer();
        QVERIFY(m_desktop->keyboard_grabbed());
        // Over, waiting for continue: the keyboard is free again.
        timer.call_end_rest();
        QVERIFY(!m_desktop->keyboard_grabbed());
        QCOMPARE(open_windows<IRestScreen>().size(), 2);
        timer.end_rest();

        timer.start_rest();
        QVERIFY(m_desktop->keyboard_grabbed());
        timer.set_timer_type(TimerType::Normal);
        QVERIFY(!m_desktop->keyboard_grabbed());
        timer.set_timer_type(TimerType::Strict);
        QVERIFY(m_desktop->keyboard_grabbed());
        timer.stop_timer();
        QVERIFY(!m_desktop->keyboard_grabbed());
    }

    void theKeyboardIsFreeWhenTheTimerGoes()
    {
        m_desktop->settings.insert("UseKeyboardBlocking", true);
        m_desktop->start(TimerType::Strict, kWork, kRest, 1).start_rest();
        QVERIFY(m_desktop->keyboard_grabbed());
        m_desktop->start(TimerType::Normal, kWork, kRest); // the old timer is destroyed
        QVERIFY(!m_desktop->keyboard_grabbed());
    }

    void aPausedRestDoesNotCoverTheScreenForLong_data()
    {
        QTest::addColumn<bool>("autoClose");
        QTest::newRow("closing by itself") << true;
        QTest::newRow("waiting for continue") << false;
    }

    void aPausedRestDoesNotCoverTheScreenForLong()
    {
        QFETCH(bool, autoClose);
        RestTimer& timer = m_desktop->start(TimerType::Strict, kWork, 1000, 1, autoClose);
        timer.start_rest();
        timer.pause_resume_timer();
        QCOMPARE(open_windows<IRestScreen>().size(), 2);
        if (autoClose) {
            QTRY_COMPARE_WITH_TIMEOUT(open_windows<IRestScreen>().size(), 0, 10000);
            timer.pause_resume_timer();
            QCOMPARE(timer.phase(), RestTimer::Phase::Work);
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(timer.is_waiting_for_continue(), 10000);
            QCOMPARE(open_windows<IRestScreen>().size(), 2);
            QVERIFY(open_windows<IRestScreen>()
                        .first()
                        ->findChild<QWidget*>("pushButton")
                        ->isVisible());
        }
    }

    void thePostponeOfferPostpones()
    {
        RestTimer& timer = m_desktop->start(TimerType::Normal, 10900, kRest);
        timer.update_rest_timer();
        PostponeBreak* offer = open_windows<PostponeBreak>().value(0);
        QVERIFY(offer);
        QTRY_COMPARE(js(offer, "document.getElementById('countdown').textContent").toString(),
                     QStringLiteral("Break is coming in 10"));
        // Measured by its page, it sits in the primary monitor's bottom-right corner.
        QTRY_COMPARE(offer->geometry().right() + 1, 1919);
        QCOMPARE(offer->geometry().bottom() + 1, 1079);
        js(offer, "document.getElementById('postpone').click()");
        QVERIFY(timer.get_remaining_work_int() > 180000);
        QTRY_COMPARE(open_windows<PostponeBreak>().size(), 0);
    }

    void theProductiveCountdownActs()
    {
        RestTimer& timer = m_desktop->start(TimerType::Productive, 5 * 60000 + 30500, kRest);
        ProductiveScreen* countdown = timer.productive_screen();
        QVERIFY(countdown);
        QTRY_COMPARE(js(countdown, "document.getElementById('remaining').textContent").toString(),
                     QStringLiteral("05:30"));
        QTRY_COMPARE(countdown->geometry().right() + 1, 1919);

        // Alt+F4 and keys do nothing to it.
        QCloseEvent close;
        QCoreApplication::sendEvent(countdown, &close);
        QVERIFY(countdown->isVisible());

        js(countdown, "document.getElementById('rest-button').click()");
        QCOMPARE(timer.phase(), RestTimer::Phase::Rest);
        QVERIFY(js(countdown, "document.getElementById('card').classList.contains('resting')")
                    .toBool());
        QTRY_COMPARE(js(countdown, "document.getElementById('remaining').textContent").toString(),
                     QStringLiteral("0:19"));
        js(countdown, "document.getElementById('rest-button').click()");
        QCOMPARE(timer.phase(), RestTimer::Phase::Work);
        QVERIFY(!js(countdown, "document.getElementById('card').classList.contains('resting')")
                     .toBool());
    }

    void anExerciseNotificationSitsTopRight()
    {
        auto* notice = new NotificationScreen(QStringLiteral("neck_exercises"), nullptr);
        QPointer<NotificationScreen> alive(notice);
        QTRY_COMPARE(js(notice, "document.getElementById('title').textContent").toString(),
                     QStringLiteral("Neck exercises"));
        notice->setScreenSize(300, 60);
        QCOMPARE(notice->geometry(), QRect(1599, 0, 320, 80));
        notice->setScreenSize(0, 60); // not a size: ignored
        QCOMPARE(notice->geometry(), QRect(1599, 0, 320, 80));
        js(notice, "document.getElementById('done').click()");
        QTRY_VERIFY_WITH_TIMEOUT(alive.isNull(), 10000);
    }

    void theNewVersionIsShownAsText()
    {
        const QString version = QStringLiteral("2.0'); document.title = ('x");
        auto* notice = new NewVersionNotification(version);
        QTRY_COMPARE(js(notice, "document.getElementById('version').textContent").toString(),
                     version);
        QCOMPARE(js(notice, "document.title").toString(), QStringLiteral("New version available"));
        delete notice;
    }
};

QTEST_MAIN(TestBreakWindows)
#include "tst_break_windows.moc"
