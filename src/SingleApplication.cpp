#include "SingleApplication.h"

#include "CommandText.h"
#include "KavoLog.h"
#include "color/MagnificationApi.h"
#include "network/Updater.h"
#include "network/Utils.h"
#include "platform/Platform.h"
#include "schedule/ClockPosition.h"
#include "schedule/SolarPosition.h"
#include "settings/SaveManager.h"

#include <QDir>
#include <QFile>
#include <QFileOpenEvent>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

#include <cstdio>

SingleApplication::SingleApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setQuitOnLastWindowClosed(false);
    Platform::current();

    log_line(QCoreApplication::applicationDirPath());
    m_portable_store =
        std::make_unique<QSettings>(SaveManager::portable_store_path(), QSettings::IniFormat);
    m_user_store = std::make_unique<QSettings>(QStringLiteral("Velmora"), QStringLiteral("Kavo"));

    store_api_arguments(first_argument());

    if (!m_portable_store->value(QStringLiteral("AllowMultipleInstances"), false).toBool() &&
        !connect_or_listen()) {
        m_secondary = true;
        return;
    }
    create_services();
}

SingleApplication::~SingleApplication()
{
    if (m_server) {
        m_server->close();
        delete_services();
    }
}

QString SingleApplication::first_argument()
{
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    arguments.removeAll(QString());
    return arguments.value(0);
}

void SingleApplication::store_api_arguments(const QString& argument)
{
    QString text = argument;
    if (text == QLatin1String("-native-messaging")) {
        log_line(QStringLiteral("handle native things"));
        QFile input;
        text = input.open(stdin, QIODevice::ReadOnly) ? CommandText::read_native_message(input)
                                                      : QString();
    } else if (!text.isEmpty()) {
        text = CommandText::normalize(text);
        log_line(text);
    }
    m_user_store->setValue(QStringLiteral("ApiArguments"), text);
    m_user_store->sync();
}

QString SingleApplication::server_path()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return QDir(folder).filePath(organizationName() + applicationName());
}

// Returns false when a running instance answered. The lock makes probing and listening one
// step, so launches at the same moment end with exactly one listening instance.
bool SingleApplication::connect_or_listen()
{
    const QString path = server_path();
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.lock();

    QLocalSocket socket;
    socket.connectToServer(path, QIODevice::ReadWrite);
    if (socket.waitForConnected(1000)) {
        socket.close();
        return false;
    }

    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(path);
    if (!m_server->listen(path))
        log_line(QStringLiteral("Unable to listen on ") + path + QStringLiteral(": ") +
                 m_server->errorString());
    connect(m_server, &QLocalServer::newConnection, this,
            &SingleApplication::slotConnectionEstablished);
    return true;
}

void SingleApplication::create_services()
{
    Platform& platform = Platform::current();
    const bool gamma_preferred = platform.has(Capability::GammaRampsPreferred);
    m_save_manager = std::make_unique<SaveManager>(SettingsDefaults{gamma_preferred});
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
    QLocalSocket* connection = m_server->nextPendingConnection();
    if (connection)
        connect(connection, &QLocalSocket::disconnected, connection, &QObject::deleteLater);
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
