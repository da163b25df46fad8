// Kavo's parts in a real kavo on the simulated desktop: the Kavo in the tray maps neither the
// web engine, nor OpenCV, nor Qt Multimedia and GStreamer, nor GIO, nor Qt's image plugins;
// the window brings the web engine and the camera OpenCV; a part that cannot be loaded is
// reported and Kavo runs on without it.
#include "KavoProcess.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

namespace {
constexpr int kLong = 30000;

// The libraries of a feature, by the start of their file names.
const QStringList kWebEngine{"libQt5WebKit", "libQt5Quick", "libQt5Qml"};
const QStringList kVision{"libopencv_"};
const QStringList kSound{"libQt5Multimedia", "libgst", "libpulse"};
// GSettings, which GNOME's night light alone needs.
const QStringList kGio{"libgio-2.0", "libgobject-2.0"};
// Qt's image plugins, which Kavo's own PNG images do without.
const QStringList kImagePlugins{"libqgif", "libqico", "libqjpeg", "libqsvg", "libjpeg"};

// The file names of the shared libraries process `pid` has mapped.
QStringList mapped_libraries(qint64 pid)
{
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    if (!maps.open(QIODevice::ReadOnly))
        return {};
    QStringList names;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const int slash = line.lastIndexOf('/');
        if (slash >= 0 && line.contains(".so"))
            names.append(QString::fromUtf8(line.mid(slash + 1)));
    }
    names.removeDuplicates();
    return names;
}

// The libraries among `mapped` whose names start with one of `prefixes`.
QStringList among(const QStringList& mapped, const QStringList& prefixes)
{
    QStringList found;
    for (const QString& name : mapped) {
        for (const QString& prefix : prefixes) {
            if (name.startsWith(prefix))
                found.append(name);
        }
    }
    return found;
}

QJsonObject status(const KavoDesktop& desktop)
{
    auto process = desktop.kavoctl({"status"});
    if (process->exitCode() != 0)
        return {};
    return QJsonDocument::fromJson(process->readAllStandardOutput()).object();
}

QJsonObject main_window(const KavoDesktop& desktop)
{
    QFile file(desktop.path(QStringLiteral("state.json")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    for (const QJsonValue& window :
         QJsonDocument::fromJson(file.readAll()).object()["windows"].toArray()) {
        if (window["class"].toString() == QLatin1String("App"))
            return window.toObject();
    }
    return {};
}

// A desktop whose camera shows a grey picture.
QByteArray desktop_with_camera(const QString& folder)
{
    const QString frame = folder + QStringLiteral("/grey.png");
    QImage grey(640, 480, QImage::Format_RGB32);
    grey.fill(QColor(100, 100, 100));
    grey.save(frame);
    const QJsonObject config{
        {"monitors",
         QJsonArray{QJsonObject{{"x", 0}, {"y", 0}, {"width", 1920}, {"height", 1080}}}},
        {"camera", QJsonObject{{"frames", QJsonArray{frame}}, {"fps", 30}}}};
    return QJsonDocument(config).toJson();
}

void quit(QProcess& kavo)
{
    kavo.terminate();
    QVERIFY(kavo.waitForFinished(kLong));
    QCOMPARE(kavo.exitCode(), 0);
}
} // namespace

class TestParts : public QObject
{
    Q_OBJECT

private slots:
    void theWindowBringsTheWebEngine()
    {
        KavoDesktop desktop;
        auto kavo = desktop.launch();
        QVERIFY(kavo->waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(!status(desktop).isEmpty(), kLong);

        const QStringList in_tray = mapped_libraries(kavo->processId());
        QVERIFY(!in_tray.isEmpty());
        QCOMPARE(among(in_tray, kWebEngine + kVision + kSound + kGio + kImagePlugins),
                 QStringList());

        // A second start with --show_ui asks the first to open its window.
        auto show = desktop.launch({QStringLiteral("--show_ui")});
        QVERIFY(show->waitForFinished(kLong));
        QTRY_COMPARE_WITH_TIMEOUT(main_window(desktop)["title"].toString(), QStringLiteral("Kavo"),
                                  kLong);
        const QStringList with_window = mapped_libraries(kavo->processId());
        QVERIFY(!among(with_window, {"libQt5WebKitWidgets"}).isEmpty());
        QCOMPARE(among(with_window, kVision), QStringList());
        quit(*kavo);
    }

    void theCameraBringsOpenCV()
    {
        QTemporaryDir files;
        KavoDesktop desktop(desktop_with_camera(files.path()));
        desktop.writeSettings({{"CameraActive", true}, {"UseAutomaticBrightness", true}});
        auto kavo = desktop.launch();
        QVERIFY(kavo->waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(
            status(desktop)["camera"].toObject()["brightness_target"].toInt() > 0, kLong);

        const QStringList mapped = mapped_libraries(kavo->processId());
        QVERIFY(!among(mapped, {"libopencv_objdetect", "libopencv_videoio"}).isEmpty());
        QCOMPARE(among(mapped, kWebEngine), QStringList());
        quit(*kavo);
    }

    void aMissingPartIsReportedAndKavoRunsOn()
    {
        QTemporaryDir files;
        QTemporaryDir no_parts;
        KavoDesktop desktop(desktop_with_camera(files.path()));
        desktop.setEnvironment(QStringLiteral("KAVO_PARTS_DIR"), no_parts.path());
        desktop.writeSettings({{"CameraActive", true}});
        auto kavo = desktop.launch({QStringLiteral("--show_ui")});
        QVERIFY(kavo->waitForStarted());

        // The camera says why it does nothing; the window comes up and says why it is empty.
        QTRY_COMPARE_WITH_TIMEOUT(status(desktop)["camera"].toObject()["status"].toString(),
                                  QStringLiteral("Camera features are missing"), kLong);
        QCOMPARE(status(desktop)["camera"].toObject()["capturing"].toBool(), false);
        QTRY_COMPARE_WITH_TIMEOUT(main_window(desktop)["title"].toString(), QStringLiteral("Kavo"),
                                  kLong);
        QCOMPARE(kavo->state(), QProcess::Running);
        QCOMPARE(among(mapped_libraries(kavo->processId()), kWebEngine + kVision), QStringList());
        quit(*kavo);

        const QString log = QString::fromUtf8(kavo->readAllStandardOutput());
        for (const char* part : {"web", "sensors"}) {
            const QString line = QStringLiteral("Kavo part \"%1\" cannot be loaded: ").arg(part);
            QCOMPARE(log.count(line), 1);
            QVERIFY2(log.contains(line + QStringLiteral("libkavo_%1.so is in none of %2")
                                             .arg(part, no_parts.path())),
                     qPrintable(log));
        }
    }
};

QTEST_MAIN(TestParts)
#include "tst_parts.moc"
