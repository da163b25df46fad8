#include "SingleApplication.h"

#include "CommandText.h"
#include "KavoLog.h"
#include "KavoSockets.h"
#include "color/MagnificationApi.h"
#include "network/Updater.h"
#include "network/Utils.h"
#include "platform/FileLock.h"
#include "platform/Platform.h"
#include "platform/RuntimeFolder.h"
#include "platform/SocketOwner.h"
#include "platform/StandardStreams.h"
#include "schedule/ClockPosition.h"
#include "schedule/SolarPosition.h"
#include "sensors/Camera.h"
#include "settings/SaveManager.h"
#include "system/SystemKeyboard.h"
#include "system/SystemMouse.h"

#include <QDeadlineTimer>
#include <QFileOpenEvent>
#include <QJsonDocument>
#include <QLocalSocket>
#include <QSettings>

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
    if (!read_command(first_argument())) {
        m_role = Role::Failed;
        return;
    }
    QString problem;
    if (RuntimeFolder::path(&problem).isEmpty()) {
        report_failure(QStringLiteral("Kavo cannot start: ") + problem);
        m_role = Role::Failed;
        return;
    }
    const QSettings portable_store(SaveManager::portable_store_path(), QSettings::IniFormat);
    if (!portable_store.value(QStringLiteral("AllowMultipleInstances"), false).toBool())
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

// Normalises `argument`, or reads a native message for "-native-messaging"; false (and said
// why) when a native message is refused or does not arrive in time.
bool SingleApplication::read_command(const QString& argument)
{
    if (argument != QLatin1String("-native-messaging")) {
        m_command = argument.isEmpty() ? QString() : CommandText::normalize(argument);
        return true;
    }
    log_line(QStringLiteral("handle native things"));
    StandardInput input;
    const CommandText::NativeMessage message = CommandText::read_native_message(input);
    if (message.timed_out) {
        report_failure(QStringLiteral("No whole native message arrived on standard input "
                                      "within %1 s; nothing was handed over")
                           .arg(CommandText::kNativeMessageTimeoutMs / 1000));
        return false;
    }
    if (!message.refused.isEmpty()) {
        report_failure(QStringLiteral("The native message was refused (") + message.refused +
                       QStringLiteral("); nothing was handed over"));
        return false;
    }
    m_command = message.value;
    return true;
}

QString SingleApplication::server_path()
{
    return KavoSockets::instance_path();
}

// The instance holds the lock for its whole run, so a launch that finds it held knows a Kavo
// runs: it hands over, or gives up with a message, and never starts a second one. The system
// lets go of the lock of a process that ended, however it ended: whatever the file holds
// (nothing, another host's process, a dead one) blocks no start.
SingleApplication::Role SingleApplication::claim_instance()
{
    const QString path = server_path();
    m_lock = std::make_unique<FileLock>(path + QStringLiteral(".lock"));
    const QDeadlineTimer deadline(kHandOverTimeoutMs);
    for (int wait_ms = 0;; wait_ms = 100) {
        if (m_lock->tryLock(wait_ms)) {
            m_lock->writeHolder();
            return become_instance(path);
        }
        if (!m_lock->heldElsewhere()) {
            report_failure(QStringLiteral("Kavo cannot start: the instance lock %1.lock cannot be "
                                          "taken (%2)")
                               .arg(path, m_lock->error()));
            return Role::Failed;
        }
        switch (hand_over(path, deadline)) {
        case HandOver::Done:
            return Role::HandedOver;
        case HandOver::Failed:
            return Role::Failed;
        case HandOver::NotReached:
            break;
        }
        if (deadline.hasExpired())
            break;
    }
    report_failure(QStringLiteral("Kavo is running already (process %1) but does not answer on "
                                  "%2; not starting a second one")
                       .arg(m_lock->holder())
                       .arg(path));
    return Role::Failed;
}

SingleApplication::Role SingleApplication::become_instance(const QString& path)
{
    m_server = new InstanceServer(this);
    m_server->listen(path);
    return Role::Instance;
}

// Sends the command text and waits until the running Kavo has run it: only then has the
// launch done its part. A text Kavo has received is never sent again, so it runs only once.
SingleApplication::HandOver SingleApplication::hand_over(const QString& path,
                                                         const QDeadlineTimer& deadline) const
{
    QLocalSocket socket;
    socket.connectToServer(path, QIODevice::ReadWrite);
    if (!socket.waitForConnected(
            static_cast<int>(qBound<qint64>(100, deadline.remainingTime(), 1000))))
        return HandOver::NotReached;
    if (!SocketOwner::peer_is_user(socket.socketDescriptor())) {
        report_failure(QStringLiteral("The socket %1 belongs to another user; the command was "
                                      "not handed over")
                           .arg(path));
        return HandOver::Failed;
    }
    const QByteArray request = QJsonDocument(QJsonObject{{QStringLiteral("launch"), m_command}})
                                   .toJson(QJsonDocument::Compact) +
                               '\n';
    if (request.size() > InstanceServer::kMaxRequestBytes) {
        report_failure(QStringLiteral("The command text is too long (%1 bytes); nothing was "
                                      "handed over")
                           .arg(m_command.toUtf8().size()));
        return HandOver::Failed;
    }
    socket.write(request);
    bool received = false;
    QJsonObject answer;
    while (answer.isEmpty() && !deadline.hasExpired()) {
        if (!socket.canReadLine() &&
            !socket.waitForReadyRead(static_cast<int>(qMax<qint64>(1, deadline.remainingTime()))))
            break;
        while (socket.canReadLine() && answer.isEmpty()) {
            const QJsonObject line = QJsonDocument::fromJson(socket.readLine()).object();
            if (line.contains(QLatin1String("received")))
                received = true;
            else
                answer = line;
        }
    }
    // Closed unheard (a busy Kavo drops connections that are slow to speak): nothing ran.
    if (!received && answer.isEmpty() && socket.state() != QLocalSocket::ConnectedState)
        return HandOver::NotReached;
    if (answer.contains(QLatin1String("ran")))
        return HandOver::Done;
    if (answer.contains(QLatin1String("error")))
        report_failure(QStringLiteral("Kavo: ") + answer.value(QLatin1String("error")).toString());
    else if (socket.state() != QLocalSocket::ConnectedState)
        report_failure(QStringLiteral("Kavo ended before the command had run"));
    else
        report_failure(QStringLiteral("Kavo did not confirm the command within %1 s")
                           .arg(kHandOverTimeoutMs / 1000));
    return HandOver::Failed;
}

void SingleApplication::set_request_handler(InstanceServer::RequestHandler handler)
{
    if (m_server)
        m_server->set_request_handler(std::move(handler));
}

void SingleApplication::set_launch_handler(InstanceServer::LaunchHandler handler)
{
    m_launch_handler = handler;
    if (m_server)
        m_server->set_launch_handler(std::move(handler));
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
}

bool SingleApplication::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FileOpen) {
        auto* open = static_cast<QFileOpenEvent*>(event);
        const QString text = open->url().isEmpty() ? open->file() : open->url().toString();
        if (!text.isEmpty() && m_launch_handler)
            m_launch_handler(CommandText::normalize(text), [](const QJsonObject&) {});
    }
    return QApplication::eventFilter(watched, event);
}
