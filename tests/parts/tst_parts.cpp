// The part loader: where parts are looked for, what a part that cannot be loaded says, and
// that the web and sound parts bring their libraries with their first use, not before.
#include "parts/IWebView.h"
#include "parts/PartLoader.h"
#include "parts/WebViews.h"
#include "platform/linux/QtSounds.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <functional>

namespace {
// Whether this process has a library mapped whose file name starts with `prefix`.
bool is_mapped(const QString& prefix)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const int slash = line.lastIndexOf('/');
        if (slash >= 0 && line.mid(slash + 1).startsWith(prefix.toUtf8()))
            return true;
    }
    return false;
}

// An object of Kavo's side that a page calls.
class Doubler : public QObject
{
    Q_OBJECT

public slots:
    int twice(int value) { return 2 * value; }
};

// Sets KAVO_PARTS_DIR for the life of the object.
class ChosenFolder
{
public:
    explicit ChosenFolder(const QString& folder)
    {
        qputenv(PartLoader::kFolderVariable, folder.toUtf8());
    }
    ~ChosenFolder() { qunsetenv(PartLoader::kFolderVariable); }
};
} // namespace

class TestParts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qunsetenv(PartLoader::kFolderVariable); }

    void aChosenFolderIsTheOnlyOne()
    {
        ChosenFolder chosen(QStringLiteral("/nowhere/parts"));
        QCOMPARE(PartLoader::folders(), QStringList{QStringLiteral("/nowhere/parts")});
    }

    void theBuildTreeComesFirstWhenKavoRunsFromIt()
    {
        const QStringList folders = PartLoader::folders();
        QCOMPARE(folders.value(0), QStringLiteral(KAVO_PARTS_BUILD_DIR));
        // Then the installed folder beside the executable, and the one of the prefix.
        QCOMPARE(folders.size(), 3);
        QVERIFY(folders.at(1).endsWith(QStringLiteral("/kavo")));
        QVERIFY(QDir::isAbsolutePath(folders.at(2)));
    }

    void aPartThatCannotBeLoadedIsReported_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); // of the part's file; null: no file
        QTest::addColumn<QString>("reason");
        QTest::newRow("no file") << "absent" << QByteArray() << "libkavo_absent.so is in none of";
        QTest::newRow("not a library")
            << "broken" << QByteArray("not a library") << "libkavo_broken.so";
    }

    void aPartThatCannotBeLoadedIsReported()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        if (!content.isNull()) {
            QFile part(folder.filePath(QStringLiteral("libkavo_%1.so").arg(name)));
            QVERIFY(part.open(QIODevice::WriteOnly));
            part.write(content);
        }
        ChosenFolder chosen(folder.path());
        QCOMPARE(PartLoader::load(name), nullptr);
        QVERIFY2(PartLoader::error(name).contains(reason), qPrintable(PartLoader::error(name)));
        // Asked again, the part is not looked for again.
        QCOMPARE(PartLoader::load(name), nullptr);
    }

    void theWebEngineComesWithTheFirstView()
    {
        QVERIFY(!is_mapped(QStringLiteral("libQt5WebKit")));
        QWidget window;
        IWebView* view = WebViews::create(&window);
        QVERIFY(is_mapped(QStringLiteral("libQt5WebKitWidgets")));
        QVERIFY(view->shows_pages());
        QCOMPARE(view->widget()->parent(), &window);

        // The page calls an object of Kavo's and gets the answer at once, after every load.
        Doubler doubler;
        view->expose(QStringLiteral("native_object"), &doubler);
        int loads = 0;
        view->on_load_finished(&window, [&loads](bool ok) { loads += ok ? 1 : 0; });
        for (const char* page : {"data:text/html,<p>one</p>", "data:text/html,<p>two</p>"}) {
            const int before = loads;
            view->load(QUrl(QString::fromLatin1(page)));
            QTRY_COMPARE(loads, before + 1);
            QCOMPARE(view->run(QStringLiteral("native_object.twice(21)")).toInt(), 42);
        }
    }

    void theSoundLibrariesComeWithTheFirstSound()
    {
        QVERIFY(!is_mapped(QStringLiteral("libQt5Multimedia")));
        QtSounds sounds;
        QVERIFY(!sounds.isPlaying(QStringLiteral("bip")));
        QVERIFY(!is_mapped(QStringLiteral("libQt5Multimedia")));
        sounds.play(QStringLiteral("bip"), false);
        QVERIFY(is_mapped(QStringLiteral("libQt5Multimedia")));
    }
};

QTEST_MAIN(TestParts)
#include "tst_parts.moc"
