// GNOME's night light through the settings daemon's real schema (Debian's
// gnome-settings-daemon-common), with GSettings' keyfile backend in a private configuration
// folder: Kavo's keys are written, and the user's own values come back after an exit and,
// after a kill -9, at the next start. The gsettings tool reads them as the daemon would. Without
// Kavo's GSettings part the route says why and leaves the user's settings alone.
#include "PrivateBus.h"
#include "platform/wayland/DesktopNightLights.h"
#include "platform/wayland/NightLightRecord.h"

#include <QDir>
#include <QFile>
#include <QJsonValue>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {
constexpr int kProcessMs = 30000;
const QString kSchema = QStringLiteral("org.gnome.settings-daemon.plugins.color");

// GLib reads its folders and backend once: they are set before anything starts.
QTemporaryDir* configFolder()
{
    static QTemporaryDir folder;
    return &folder;
}
} // namespace

class TestGnomeNightLight : public QObject
{
    Q_OBJECT

private:
    PrivateBus m_bus;
    QDBusConnection m_client{QString()};

    static QString gsettings(const QStringList& arguments)
    {
        QProcess tool;
        tool.start(QStringLiteral("gsettings"), arguments);
        if (!tool.waitForFinished(kProcessMs) || tool.exitCode() != 0)
            return QStringLiteral("(gsettings failed: %1)")
                .arg(QString::fromUtf8(tool.readAllStandardError()));
        return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
    }
    static QString get(const char* key) { return gsettings({"get", kSchema, key}); }
    static void set(const char* key, const char* value)
    {
        QCOMPARE(gsettings({"set", kSchema, key, value}), QString());
    }
    static QByteArray keyfile()
    {
        QFile file(configFolder()->filePath(QStringLiteral("glib-2.0/settings/keyfile")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The user's own night light: on at 3000 K; the schedule left at its defaults.
    void giveTheUserTheirOwn()
    {
        for (const char* key :
             {"night-light-enabled", "night-light-schedule-automatic", "night-light-schedule-from",
              "night-light-schedule-to", "night-light-temperature"})
            QCOMPARE(gsettings({"reset", kSchema, key}), QString());
        set("night-light-enabled", "true");
        set("night-light-temperature", "3000");
    }

    bool hasTheUserOwn() const
    {
        return get("night-light-enabled") == QStringLiteral("true") &&
               get("night-light-temperature") == QStringLiteral("uint32 3000") &&
               !keyfile().contains("night-light-schedule") &&
               !QFile::exists(NightLightRecord::defaultPath(QStringLiteral("gnome-night-light")));
    }

    void startHolder(QProcess& holder, QProcessEnvironment environment)
    {
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_bus.address());
        holder.setProcessEnvironment(environment);
        holder.start(QStringLiteral(NIGHT_LIGHT_HOLDER), {QStringLiteral("2900")});
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_bus.start());
        m_client = m_bus.connect(QStringLiteral("kavo"));
        QVERIFY2(!get("night-light-temperature").startsWith(QLatin1String("(")),
                 "GNOME's colour schema is missing: scripts/install-deps.sh installs "
                 "gnome-settings-daemon-common");
    }

    void init() { giveTheUserTheirOwn(); }

    void keysAreWrittenAndTheUserOwnComeBackAtExit()
    {
        const auto light = DesktopNightLights::detect(m_client);
        QVERIFY(light);
        QCOMPARE(light->route(), QStringLiteral("gnome-night-light"));
        QVERIFY(light->setTemperature(3500));
        QTRY_COMPARE(get("night-light-temperature"), QStringLiteral("uint32 3500"));
        QCOMPARE(get("night-light-enabled"), QStringLiteral("true"));
        QCOMPARE(get("night-light-schedule-automatic"), QStringLiteral("false"));
        QCOMPARE(get("night-light-schedule-from"), get("night-light-schedule-to"));

        QVERIFY(light->setTemperature(6500));
        QTRY_COMPARE(get("night-light-enabled"), QStringLiteral("false"));

        light->restore();
        QTRY_VERIFY(hasTheUserOwn());
    }

    void killedKavoLeavesTheUserOwnToTheNextStart()
    {
        QProcess holder;
        startHolder(holder, QProcessEnvironment::systemEnvironment());
        QVERIFY(holder.waitForStarted(kProcessMs));
        QTRY_VERIFY_WITH_TIMEOUT(holder.canReadLine() || holder.state() == QProcess::NotRunning,
                                 kProcessMs);
        QCOMPARE(holder.readLine().trimmed(), QByteArray("held gnome-night-light"));
        QCOMPARE(get("night-light-temperature"), QStringLiteral("uint32 2900"));

        ::kill(static_cast<pid_t>(holder.processId()), SIGKILL);
        QVERIFY(holder.waitForFinished(kProcessMs));
        QCOMPARE(get("night-light-temperature"), QStringLiteral("uint32 2900"));

        // The next start, before it changes any colour.
        DesktopNightLights::detect(m_client)->restore();
        QTRY_VERIFY(hasTheUserOwn());
    }

    // A record edited by hand (or written for a schema that changed since) with one value its
    // key does not take: the other keys are put back, that one keeps Kavo's value, and the
    // record stays for the next start to try again.
    void aRecordEditedByHandPutsBackWhatItCan_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::newRow("temperature not a number") << "night-light-temperature"
                                                  << "'warm'";
        QTest::newRow("temperature below zero") << "night-light-temperature"
                                                << "-5";
        QTest::newRow("temperature beyond 32 bits") << "night-light-temperature"
                                                    << "uint32 99999999999";
        QTest::newRow("enabled not a boolean") << "night-light-enabled"
                                               << "0.5";
        QTest::newRow("from not a value") << "night-light-schedule-from"
                                          << "twelve o'clock";
    }

    void aRecordEditedByHandPutsBackWhatItCan()
    {
        QFETCH(QString, key);
        QFETCH(QString, text);
        const auto light = DesktopNightLights::detect(m_client);
        QVERIFY(light->setTemperature(4000));
        const QHash<QString, QString> kavo{{"night-light-enabled", "true"},
                                           {"night-light-schedule-from", "12.0"},
                                           {"night-light-temperature", "uint32 4000"}};
        const QHash<QString, QString> own{{"night-light-enabled", "false"},
                                          {"night-light-schedule-from", "21.5"},
                                          {"night-light-temperature", "uint32 3000"}};
        QJsonObject recorded{{"night-light-schedule-automatic", QJsonValue()},
                             {"night-light-schedule-to", QJsonValue()}};
        for (auto value = own.cbegin(); value != own.cend(); ++value)
            recorded.insert(value.key(), value.value());
        recorded.insert(key, text);
        const QString path = NightLightRecord::defaultPath(QStringLiteral("gnome-night-light"));
        NightLightRecord record(path);
        record.setPart(QStringLiteral("night_light"), recorded);
        QVERIFY(record.save());

        light->restore();

        for (auto shown = own.cbegin(); shown != own.cend(); ++shown) {
            const QString expected = shown.key() == key ? kavo.value(key) : shown.value();
            QCOMPARE(get(shown.key().toLatin1().constData()), expected);
        }
        QVERIFY(QFile::exists(path));
        QVERIFY(QFile::remove(path));
    }

    // The part's file as a folder of parts holds it (none: the folder is empty).
    void aMissingPartIsReportedAndNothingChanges_data()
    {
        QTest::addColumn<QByteArray>("partFile");
        QTest::addColumn<QString>("why");
        QTest::newRow("no part") << QByteArray() << QStringLiteral("is in none of");
        QTest::newRow("not a library")
            << QByteArray("not a shared library\n") << QStringLiteral("libkavo_gsettings.so");
    }

    void aMissingPartIsReportedAndNothingChanges()
    {
        QFETCH(QByteArray, partFile);
        QFETCH(QString, why);
        QTemporaryDir parts;
        if (!partFile.isEmpty()) {
            QFile part(parts.filePath(QStringLiteral("libkavo_gsettings.so")));
            QVERIFY(part.open(QIODevice::WriteOnly));
            part.write(partFile);
        }
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("KAVO_PARTS_DIR"), parts.path());
        QProcess holder;
        startHolder(holder, environment);
        QVERIFY(holder.waitForFinished(kProcessMs));
        QCOMPARE(holder.exitCode(), 1);
        const QString answer = QString::fromUtf8(holder.readAllStandardOutput()).trimmed();
        QVERIFY2(answer.startsWith(QLatin1String("refused: GNOME's night light needs Kavo's part "
                                                 "\"gsettings\", which cannot be loaded: ")),
                 qPrintable(answer));
        QVERIFY2(answer.contains(why), qPrintable(answer));
        QVERIFY(hasTheUserOwn());
    }
};

int main(int argc, char** argv)
{
    QTemporaryDir* folder = configFolder();
    qputenv("XDG_CONFIG_HOME", folder->path().toUtf8());
    qputenv("GSETTINGS_BACKEND", "keyfile");
    qputenv("XDG_CURRENT_DESKTOP", "GNOME");
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Kavo"));
    QCoreApplication::setOrganizationName(QStringLiteral("Velmora"));
    TestGnomeNightLight test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_gnome_night_light.moc"
