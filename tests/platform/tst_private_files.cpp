#include "platform/FileLock.h"
#include "platform/PrivateFiles.h"
#include "platform/RuntimeFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

// What Kavo writes into and reads from its own folders, against links, FIFOs and files or
// folders that are not the user's alone.
class TestPrivateFiles : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.filePath(name); }

    static void write(const QString& path, const QByteArray& content)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

    static QByteArray read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Makes `kind` at `name`: a plain file, a link to one, a FIFO or a folder.
    void make(const QString& kind, const QString& name)
    {
        QFile::remove(path(name));
        if (kind == "file") {
            write(path(name), "0 24 3000");
        } else if (kind == "link") {
            write(path("target"), "0 24 3000");
            QVERIFY(QFile::link(path("target"), path(name)));
        } else if (kind == "fifo") {
            QCOMPARE(::mkfifo(QFile::encodeName(path(name)).constData(), 0600), 0);
        } else {
            QVERIFY(QDir().mkpath(path(name)));
        }
    }

private slots:
    void writeReplacesALinkAndNotItsTarget()
    {
        write(path("notes.txt"), "my notes\n");
        QVERIFY(QFile::link(path("notes.txt"), path("record")));
        QString error;
        QVERIFY2(PrivateFiles::write(path("record"), "{}", &error), qPrintable(error));
        QCOMPARE(read(path("notes.txt")), QByteArray("my notes\n"));
        QVERIFY(!QFileInfo(path("record")).isSymLink());
        QCOMPARE(read(path("record")), QByteArray("{}"));
        QCOMPARE(QFileInfo(path("record")).permissions() & 0x0077, QFile::Permissions());
        QCOMPARE(QDir(m_dir.path()).entryList({"*partial*"}), QStringList());
    }

    void failedWriteLeavesTheFileAlone()
    {
        QVERIFY(QDir().mkpath(path("taken/inside")));
        QString error;
        QVERIFY(!PrivateFiles::write(path("taken"), "{}", &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(QFileInfo(path("taken/inside")).isDir());
        QCOMPARE(QDir(m_dir.path()).entryList({"*partial*"}), QStringList());
    }

    void onlyPlainFilesAreOpened_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("plain file") << "file" << QString();
        QTest::newRow("link") << "link"
                              << "it is a link";
        QTest::newRow("FIFO, which would block") << "fifo"
                                                 << "it is not a plain file";
        QTest::newRow("folder") << "folder"
                                << "it is not a plain file";
    }

    void onlyPlainFilesAreOpened()
    {
        QFETCH(QString, kind);
        QFETCH(QString, refusal);
        make(kind, "rules-" + kind);
        QFile file;
        QString error;
        QCOMPARE(PrivateFiles::open_trusted(file, path("rules-" + kind), &error),
                 refusal.isEmpty());
        QCOMPARE(error, refusal);
        if (refusal.isEmpty())
            QCOMPARE(file.readAll(), QByteArray("0 24 3000"));
    }

    void anotherUsersFileIsNotOpened()
    {
        if (::geteuid() != 0)
            QSKIP("giving a file to another user needs root");
        write(path("theirs"), "0 24 1353");
        QCOMPARE(::chown(QFile::encodeName(path("theirs")).constData(), 65534, 65534), 0);
        QFile file;
        QString error;
        QVERIFY(!PrivateFiles::open_trusted(file, path("theirs"), &error));
        QCOMPARE(error, QString("it belongs to another user"));
    }

    void runtimeFolderMustBeTheUsersAlone_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("problem");
        QTest::newRow("private") << "private" << 0700 << QString();
        QTest::newRow("readable by the group") << "group" << 0750 << "is open to other users";
        QTest::newRow("open to all") << "all" << 0777 << "is open to other users";
        QTest::newRow("missing") << "" << 0 << "No such file or directory";
    }

    void runtimeFolderMustBeTheUsersAlone()
    {
        QFETCH(QString, name);
        QFETCH(int, mode);
        QFETCH(QString, problem);
        const QString folder = path("runtime-" + name);
        if (!name.isEmpty()) {
            QVERIFY(QDir().mkpath(folder));
            QCOMPARE(::chmod(QFile::encodeName(folder).constData(), mode_t(mode)), 0);
        }
        const QString found = RuntimeFolder::problem_with(folder);
        QVERIFY2(problem.isEmpty() ? found.isEmpty() : found.endsWith(problem), qPrintable(found));
    }

    void linkedLockIsRefusedNotFollowed()
    {
        QVERIFY(QFile::link(path("elsewhere.lock"), path("kavo.lock")));
        FileLock lock(path("kavo.lock"));
        QVERIFY(!lock.tryLock());
        QVERIFY(!lock.heldElsewhere());
        QCOMPARE(lock.error(), QString("it is a link"));
        QVERIFY(!QFile::exists(path("elsewhere.lock")));
    }
};

QTEST_GUILESS_MAIN(TestPrivateFiles)
#include "tst_private_files.moc"
