#include "SingleApplication.h"

#include "CommandText.h"
#include "KavoLog.h"
#include "KavoSockets.h"
#include "color/MagnificationApi.h"
#include "network/Updater.h"
#include "network/Utils.h"
#include "platform/Platform.h"
#include "platform/StandardStreams.h"
#include "schedule/ClockPosition.h"
#include "schedule/SolarPosition.h"
#include "sensors/Camera.h"
#include "settings/SaveManager.h"
#include "system/SystemKeyboard.h"
#include "system/SystemMouse.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileOpenEvent>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>

namespace {
// A launch that cannot do its part says why on standard error.
void report_failure(const QString& line)
{
    std::fprintf(stderr, "%s\n", qUtf8Printable(line));
    std::fflush(stderr);
}
} // namespace

SingleApplication::SingleApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setQuitOnLastWindowClosed(false);

    log_line(QCoreApplication::applicationDirPath());
    m_portable_store =
        std::make_unique<QSettings>(SaveManager::portable_store_path(), QSettings::IniFormat);
    m_user_store = std::make_unique<QSettings>(QStringLiteral("Velmora"), QStringLiteral("Kavo"));

    if (!store_api_arguments(first_argument())) {
        m_role = Role::Failed;
        return;
    }
    if (!m_portable_store->value(QStringLiteral("AllowMultipleInstances"), false).toBool())
        m_role = claim_instance();
    if (m_role == Role::Instance)
        create_services();
}

SingleApplication::~SingleApplication()
{
    if (m_server) {
        delete m_server;
        m_server = nullptr;
        delete_services();
    }
    m_lock.reset(); // the next launch may become the instance from here on
}

QString SingleApplication::first_argument()
{
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    arguments.removeAll(QString());
    return arguments.value(0);
}

bool SingleApplication::store_api_arguments(const QString& argument)
{
    QString text = argument;
    if (text == QLatin1String("-native-messaging")) {
        log_line(QStringLiteral("handle native things"));
        StandardInput input;
        const CommandText::NativeMessage message = CommandText::read_native_message(input);
        if (message.timed_out) {
            report_failure(QStringLiteral("No whole native message arrived on standard input "
                                          "within %1 s; nothing was handed over")
                               .arg(CommandText::kNativeMessageTimeoutMs / 1000));
            return false;
        }
        text = message.value;
    } else if (!text.isEmpty()) {
        text = CommandText::normalize(text);
        log_line(text);
    }
    m_user_store->setValue(QStringLiteral("ApiArguments"), text);
    m_user_store->sync();
    return true;
}

QString SingleApplication::server_path()
{
    return KavoSockets::instance_path();
}

// The instance holds the lock file for its whole run, so a launch that finds it held knows a
// Kavo runs: it hands over, or gives up with a message, and never starts a second one.
SingleApplication::Role SingleApplication::claim_instance()
{
    const QString path = server_path();
    m_lock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    m_lock->setStaleLockTime(0); // only a lock whose process has ended is stale
    const QDeadlineTimer deadline(kHandOverTimeoutMs);
    for (int wait_ms = 0;; wait_ms = 100) {
        if (m_lock->tryLock(wait_ms))
            return become_instance(path);
        if (m_lock->error() != QLockFile::LockFailedError) {
            log_line(QStringLiteral("The instance lock %1.lock cannot be taken; starting "
                                    "without it")
                         .arg(path));
            return become_instance(path);
        }
        if (hand_over(path, static_cast<int>(qBound<qint64>(100, deadline.remainingTime(), 1000))))
            return Role::HandedOver;
        if (deadline.hasExpired())
            break;
    }
    qint64 pid = 0;
    QString host, program;
    m_lock->getLockInfo(&pid, &host, &program);
    report_failure(QStringLiteral("Kavo is running already (process %1) but does not answer on "
                                  "%2; not starting a second one")
                       .arg(pid)
                       .arg(path));
    return Role::Failed;
}

SingleApplication::Role SingleApplication::become_instance(const QString& path)
{
    m_server = new InstanceServer(this);
    m_server->listen(path);
    connect(m_server, &InstanceServer::launch_arrived, this, &SingleApplication::wake_up_soon);
    return Role::Instance;
}

// Nothing is sent: the running instance takes the command text from the per-user store.
bool SingleApplication::hand_over(const QString& path, int timeout_ms)
{
    QLocalSocket socket;
    socket.connectToServer(path, QIODevice::ReadWrite);
    if (!socket.waitForConnected(timeout_ms))
        return false;
    socket.close();
    return true;
}

void SingleApplication::set_request_handler(InstanceServer::RequestHandler handler)
{
    if (m_server)
        m_server->set_request_handler(std::move(handler));
}

// Launches that arrive together are one wake-up: each has overwritten the same store value.
void SingleApplication::wake_up_soon()
{
    if (m_wake_up_pending)
        return;
    m_wake_up_pending = true;
    QTimer::singleShot(0, this, &SingleApplication::slotConnectionEstablished);
}

void SingleApplication::create_services()
{
    Platform& platform = Platform::current();
    const bool gamma_preferred = platform.has(Capability::GammaRampsPreferred);
    m_save_manager = std::make_unique<SaveManager>(SettingsDefaults{gamma_preferred});
    m_camera = std::make_unique<Camera>();
    m_keyboard =
        std::make_unique<SystemKeyboard>(platform.input(), platform.has(Capability::Magnifier));
    m_mouse = std::make_unique<SystemMouse>(platform.input());
    if (platform.has(Capability::Magnifier))
        m_magnification_api =
            std::make_unique<MagnificationApi>(platform.magnifier(), platform.displays());
    m_solar_position = std::make_unique<SolarPosition>();
    m_clock_position = std::make_unique<ClockPosition>();
    m_updater = std::make_unique<Updater>();
    m_utils = std::make_unique<Utils>();
    installEventFilter(this);
}

void SingleApplication::delete_services()
{
    m_save_manager.reset();
    m_camera.reset();
    m_keyboard.reset();
    m_mouse.reset();
    m_magnification_api.reset();
    m_solar_position.reset();
    m_clock_position.reset();
    m_updater.reset();
    m_utils.reset();
    m_portable_store.reset();
    m_user_store.reset();
}

void SingleApplication::slotConnectionEstablished()
{
    m_wake_up_pending = false;
    m_user_store->sync();
    if (m_user_store->value(QStringLiteral("ApiArguments")).toString().isEmpty())
        m_user_store->setValue(QStringLiteral("ApiArguments"), QStringLiteral("open"));
    emit process_arguments();
}

bool SingleApplication::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FileOpen) {
        auto* open = static_cast<QFileOpenEvent*>(event);
        const QString text = open->url().isEmpty() ? open->file() : open->url().toString();
        if (!text.isEmpty()) {
            store_api_arguments(text);
            emit process_arguments();
        }
    }
    return QApplication::eventFilter(watched, event);
}
