// Fuzz target: any bytes as a spell, through the whole console of a running controller on the
// simulated desktop (parser, command table, actions and the save after every spell).
#include "App.h"
#include "platform/sim/SimDesktop.h"
#include "screens/KavoMessageBox.h"
#include "settings/SaveManager.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdint>

namespace {
App* g_app = nullptr;
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("KAVO_PLATFORM", "sim");
    // Quiet Qt: the fuzzer reports on its own.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    // Built once and kept to the end of the process: the web engine cannot be torn down
    // from the exit handlers.
    new QApplication(*argc, *argv);
    QCoreApplication::setApplicationName(QStringLiteral("Kavo"));
    QCoreApplication::setOrganizationName(QStringLiteral("Velmora"));
    // Settings in memory-backed storage where there is some: every spell saves them.
    static QTemporaryDir home(QDir(QStringLiteral("/dev/shm")).exists()
                                  ? QStringLiteral("/dev/shm/kavo-fuzz-XXXXXX")
                                  : QDir::tempPath() + QStringLiteral("/kavo-fuzz-XXXXXX"));
    qputenv("KAVO_SETTINGS_DIR", home.filePath(QStringLiteral("settings")).toUtf8());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toUtf8());
    qputenv("XDG_RUNTIME_DIR", home.path().toUtf8());
    Platform::install(std::make_unique<SimDesktop>(QString(), QString()));
    KavoMessageBox::setTestAnswer(QStringLiteral("OK"));
    new SaveManager();
    g_app = new App();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray spell(reinterpret_cast<const char*>(data), int(size));
    g_app->activate_hidden_feature(QString::fromUtf8(spell.constData(), spell.size()));
    KavoMessageBox::testMessages().clear();
    // A shown window would be painted at every pass: the spell's effect is what counts.
    g_app->hide();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    return 0;
}
