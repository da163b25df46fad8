// Usage reporting: the form bodies that reach a statistics address of the test's own, the page
// view each of Kavo's windows reports when it opens, and that nothing is sent without an
// address or without the user's consent.
#include "KavoLogBuffer.h"
#include "LocalHttpServer.h"
#include "network/Utils.h"
#include "screens/BlinkScreen.h"
#include "screens/DummyScreenEffects.h"
#include "screens/LightnessScreen.h"
#include "screens/NewVersionNotification.h"
#include "screens/NotificationScreen.h"
#include "screens/OverlayScreen.h"
#include "screens/PostponeBreak.h"
#include "screens/ProductiveScreen.h"
#include "screens/RestScreenLite.h"
#include "screens/RestScreenWeb.h"

#include <QUrlQuery>
#include <QtTest>

#include <functional>
#include <memory>

namespace {
const QString kProperty = QStringLiteral("UA-12345678-1");

// The keys of a form body, in order, and its values decoded.
QList<QPair<QString, QString>> fields_of(const QByteArray& body)
{
    QList<QPair<QString, QString>> fields;
    for (const QByteArray& field : body.split('&')) {
        const int equals = field.indexOf('=');
        fields.append({QString::fromLatin1(field.left(equals)),
                       QString::fromUtf8(QByteArray::fromPercentEncoding(field.mid(equals + 1)))});
    }
    return fields;
}

// Opens one of Kavo's windows.
using WindowOpener = std::function<QWidget*()>;

QStringList keys_of(const QList<QPair<QString, QString>>& fields)
{
    QStringList keys;
    for (const auto& field : fields)
        keys << field.first;
    return keys;
}
} // namespace

Q_DECLARE_METATYPE(WindowOpener)

class TestAnalytics : public QObject
{
    Q_OBJECT

private slots:
    void reports_data()
    {
        QTest::addColumn<bool>("event");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("values"); // after v, tid, cid
        QTest::newRow("event") << true << QStringList{"Timer", "Rest", "Strict", "1"}
                               << QStringList{"v", "tid", "cid", "t", "ec", "ea", "el", "ev"}
                               << QStringList{"event", "Timer", "Rest", "Strict", "1"};
        QTest::newRow("page view")
            << false << QStringList{"rest_screen.html", "Rest screen"}
            << QStringList{"v", "tid", "cid", "t", "dh", "dp", "dt"}
            << QStringList{"pageview", "", "rest_screen.html", "Rest screen"};
        QTest::newRow("values that need encoding")
            << true << QStringList{"a&b=c", "50% + more", "Ünïcödé 日本", ""}
            << QStringList{"v", "tid", "cid", "t", "ec", "ea", "el", "ev"}
            << QStringList{"event", "a&b=c", "50% + more", "Ünïcödé 日本", ""};
    }

    void reports()
    {
        QFETCH(bool, event);
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, keys);
        QFETCH(QStringList, values);
        LocalHttpServer server;
        QVERIFY(server.listening());
        server.answer("/collect", QByteArray());
        Utils utils(server.url(QStringLiteral("/collect")), kProperty, 2000);
        utils.set_consent([] { return true; });

        for (int i = 0; i < 2; ++i) {
            if (event)
                utils.register_analytics_event(arguments.at(0), arguments.at(1), arguments.at(2),
                                               arguments.at(3));
            else
                utils.register_analytics_page_view(arguments.at(0), arguments.at(1));
        }
        QTRY_COMPARE_WITH_TIMEOUT(server.requests().size(), 2, 20000);

        QStringList clients;
        for (const LocalHttpServer::Request& request : server.requests()) {
            QCOMPARE(request.method, QByteArray("POST"));
            QCOMPARE(request.path, QByteArray("/collect"));
            QCOMPARE(request.headers.value("content-type"),
                     QByteArray("application/x-www-form-urlencoded"));
            const auto fields = fields_of(request.body);
            QCOMPARE(keys_of(fields), keys);
            QCOMPARE(fields.at(0).second, QStringLiteral("1"));
            QCOMPARE(fields.at(1).second, kProperty);
            QStringList rest;
            for (int i = 3; i < fields.size(); ++i)
                rest << fields.at(i).second;
            QCOMPARE(rest, values);
            clients << fields.at(2).second;
        }
        // A fresh client number, braces included, for every report.
        QVERIFY(!QUuid(clients.at(0)).isNull());
        QVERIFY(clients.at(0).startsWith(QLatin1Char('{')));
        QVERIFY(clients.at(0) != clients.at(1));
    }

    void everyWindowReportsItsPageView_data()
    {
        QTest::addColumn<WindowOpener>("open");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("title");
        static const SettingsMap settings;
        const QRect screen(0, 0, 640, 480);
        QTest::newRow("overlay") << WindowOpener([screen] {
            return new OverlayScreen(-1, screen, settings, {});
        }) << "overlay_screen.html"
                                 << "Overlay screen";
        QTest::newRow("lightness")
            << WindowOpener([screen] { return new LightnessScreen(-1, screen, settings); })
            << "lightness_screen.html"
            << "Lightness screen";
        QTest::newRow("screen effects")
            << WindowOpener([] { return new DummyScreenEffects(); }) << "dummy_screen_effects.html"
            << "Dummy screen effects";
        QTest::newRow("lite break")
            << WindowOpener([screen] { return new RestScreenLite(nullptr, 0, screen, true); })
            << "rest_screen_lite.html"
            << "Rest screen lite";
        QTest::newRow("simple break")
            << WindowOpener([screen] { return new RestScreenSimple(nullptr, 0, screen, true); })
            << "rest_screen_simple.html"
            << "Rest screen simple";
        QTest::newRow("standard break")
            << WindowOpener([screen] { return new RestScreenStandard(nullptr, 0, screen, true); })
            << "rest_screen_standart.html"
            << "Rest screen standart";
        QTest::newRow("productive") << WindowOpener([] { return new ProductiveScreen(nullptr); })
                                    << "productive_screen.html"
                                    << "Productive screen";
        QTest::newRow("postpone") << WindowOpener([] {
            return new PostponeBreak(nullptr, nullptr);
        }) << "postpone_break_screen.html"
                                  << "Postpone break screen";
        QTest::newRow("notification")
            << WindowOpener([] { return new NotificationScreen("exercise", nullptr); })
            << "notification_screen.html"
            << "Notification screen";
        QTest::newRow("new version")
            << WindowOpener([] { return new NewVersionNotification("9.9.9"); })
            << "new_version_notification.html"
            << "New version notification";
        QTest::newRow("blink") << WindowOpener([] { return new BlinkScreen(nullptr, settings); })
                               << "blink_screen.html"
                               << "Blink screen";
    }

    void everyWindowReportsItsPageView()
    {
        QFETCH(WindowOpener, open);
        QFETCH(QString, page);
        QFETCH(QString, title);
        LocalHttpServer server;
        server.answer("/collect", QByteArray());
        Utils utils(server.url(QStringLiteral("/collect")), kProperty, 2000);
        utils.set_consent([] { return true; });
        const std::unique_ptr<QWidget> window(open());
        QTRY_COMPARE_WITH_TIMEOUT(server.requests().size(), 1, 20000);
        const QUrlQuery form(QString::fromUtf8(server.requests().first().body));
        QCOMPARE(form.queryItemValue("t"), QStringLiteral("pageview"));
        QCOMPARE(form.queryItemValue("dp"), page);
        QCOMPARE(form.queryItemValue("dt", QUrl::FullyDecoded), title);
    }

    // Reports made before consent never leave: the first report to arrive, and the only ones,
    // are those made after it (one network manager sends in order).
    void nothingIsSentWithoutConsent_data()
    {
        QTest::addColumn<bool>("asks");
        QTest::newRow("consent refused") << true;
        QTest::newRow("nobody to ask") << false;
    }

    void nothingIsSentWithoutConsent()
    {
        QFETCH(bool, asks);
        LocalHttpServer server;
        server.answer("/collect", QByteArray());
        Utils utils(server.url(QStringLiteral("/collect")), kProperty, 2000);
        bool consent = false;
        if (asks)
            utils.set_consent([&consent] { return consent; });
        utils.register_analytics_page_view(QStringLiteral("kavo.html"), QStringLiteral("Kavo"));
        utils.register_analytics_event(QStringLiteral("a"), QStringLiteral("b"), QString(),
                                       QString());

        consent = true;
        utils.set_consent([&consent] { return consent; });
        for (int witness = 1; witness <= 2; ++witness) {
            utils.register_analytics_page_view(QStringLiteral("witness"), QStringLiteral("W"));
            QTRY_COMPARE_WITH_TIMEOUT(server.requests().size(), witness, 20000);
        }
        for (const LocalHttpServer::Request& request : server.requests())
            QVERIFY2(request.body.contains("dp=witness"), request.body.constData());
    }

    void withoutAnAddressThatIsSaidOnce()
    {
        Utils utils(QUrl(), kProperty, 2000);
        utils.set_consent([] { return true; });
        QSignalSpy lines(&KavoLogBuffer::instance(), &KavoLogBuffer::line_logged);
        utils.register_analytics_page_view(QStringLiteral("kavo.html"), QStringLiteral("Kavo"));
        utils.register_analytics_event(QStringLiteral("a"), QStringLiteral("b"), QString(),
                                       QString());
        QCOMPARE(lines.count(), 1);
        QCOMPARE(lines.at(0).at(0).toString(),
                 QStringLiteral("Usage reporting is off: this build names no statistics address"));
    }
};

QTEST_MAIN(TestAnalytics)
#include "tst_analytics.moc"
