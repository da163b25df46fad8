#include "CommandText.h"
#include "KavoLog.h"

#include <QBuffer>
#include <QtEndian>
#include <QtTest>

#include <cstdio>
#include <unistd.h>

namespace {
QByteArray lengthPrefix(qint32 length)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian<qint32>(length, bytes.data());
    return bytes;
}

QByteArray message(const QByteArray& json)
{
    return lengthPrefix(json.size()) + json;
}

// Collects what the program writes on standard output while it lives.
class StdoutCapture
{
public:
    StdoutCapture()
    {
        std::fflush(stdout);
        m_saved = ::dup(STDOUT_FILENO);
        m_file = std::tmpfile();
        ::dup2(::fileno(m_file), STDOUT_FILENO);
    }

    ~StdoutCapture() { restore(); }

    QString text()
    {
        restore();
        std::rewind(m_file);
        QByteArray bytes;
        char buffer[4096];
        size_t read = 0;
        while ((read = std::fread(buffer, 1, sizeof buffer, m_file)) > 0)
            bytes.append(buffer, static_cast<int>(read));
        return QString::fromUtf8(bytes);
    }

private:
    void restore()
    {
        if (m_saved < 0)
            return;
        std::fflush(stdout);
        ::dup2(m_saved, STDOUT_FILENO);
        ::close(m_saved);
        m_saved = -1;
    }

    int m_saved = -1;
    FILE* m_file = nullptr;
};
} // namespace

class TestCommandText : public QObject
{
    Q_OBJECT

private slots:
    void normalizes_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("text");
        QTest::newRow("url scheme") << "kavo:open-settings-page" << "open settings page";
        QTest::newRow("escaped blank") << "a%20b" << "a b";
        QTest::newRow("slash removed") << "x/y" << "xy";
        QTest::newRow("url with slashes") << "kavo://type%20Health/" << "type Health";
        QTest::newRow("show ui flag") << "--show_ui" << "  show_ui";
        QTest::newRow("plain words") << "open+type Health" << "open+type Health";
        QTest::newRow("scheme is case sensitive") << "KAVO:open" << "KAVO:open";
    }

    void normalizes()
    {
        QFETCH(QString, argument);
        QFETCH(QString, text);
        QCOMPARE(CommandText::normalize(argument), text);
    }

    void readsNativeMessages_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("text");
        QTest::newRow("normal") << message(R"({"value": "open settings page"})")
                                << "open settings page";
        QTest::newRow("number value") << message(R"({"value": 42})") << "42";
        QTest::newRow("no value") << message(R"({"other": "open"})") << "";
        QTest::newRow("not json") << message("open") << "";
        QTest::newRow("zero length") << lengthPrefix(0) + QByteArray("{}") << "";
        QTest::newRow("negative length") << lengthPrefix(-5) + QByteArray("{}") << "";
        QTest::newRow("oversized length")
            << lengthPrefix(CommandText::kMaxNativeMessageSize + 1) + QByteArray("{}") << "";
        QTest::newRow("largest accepted length")
            << message("{\"value\": \"" +
                       QByteArray(CommandText::kMaxNativeMessageSize - 14, 'a') + "\"}")
            << QString(CommandText::kMaxNativeMessageSize - 14, 'a');
        QTest::newRow("truncated body")
            << lengthPrefix(100) + QByteArray(R"({"value": "open"})") << "";
        QTest::newRow("truncated length") << QByteArray("\x05\x00", 2) << "";
        QTest::newRow("empty input") << QByteArray() << "";
    }

    void readsNativeMessages()
    {
        QFETCH(QByteArray, input);
        QFETCH(QString, text);
        QBuffer buffer(&input);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        StdoutCapture capture;
        const CommandText::NativeMessage message = CommandText::read_native_message(buffer);
        QCOMPARE(message.value, text);
        QVERIFY(!message.timed_out);
        QVERIFY(capture.text().startsWith("bufSize = "));
    }

    void failedCheckPrintsThreeLines()
    {
        StdoutCapture capture;
        QVERIFY(kavo_check_failed(false, "m_host != nullptr", "REQUIRE", 42, "src/App"));
        QVERIFY(!kavo_check_failed(true, "true", "REQUIRE", 43, "src/App"));
        QCOMPARE(capture.text(), QString("Condition failed: REQUIRE\n"
                                         "Expected:\tm_host != nullptr\n"
                                         "Source:\t\tsrc/App, line 42\n"));
    }
};

QTEST_GUILESS_MAIN(TestCommandText)
#include "tst_command_text.moc"
