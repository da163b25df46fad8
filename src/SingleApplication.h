#pragma once

#include "InstanceServer.h"

#include <QApplication>
#include <QSettings>

#include <memory>

class App;
class Camera;
class ClockPosition;
class MagnificationApi;
class SolarPosition;
class QLockFile;
class SaveManager;
class SystemKeyboard;
class SystemMouse;
class Updater;
class Utils;

// The application object. It hands the first command-line argument to a running instance
// (and then reports that this launch should end), or becomes that instance itself: it holds
// the per-user instance lock for its whole run, listens for later launches and owns the
// service singletons.
class SingleApplication : public QApplication
{
    Q_OBJECT

public:
    enum class Role
    {
        Instance,   // this launch runs Kavo
        HandedOver, // a running Kavo took the command text; this launch ends with status 0
        Failed,     // this launch could not do its part (said why); it ends with status 1
    };

    // How long a launch tries to reach a running Kavo that holds the instance lock.
    static constexpr int kHandOverTimeoutMs = 10000;

    SingleApplication(int& argc, char** argv);
    ~SingleApplication() override;

    Role role() const { return m_role; }
    // True when this launch should end at once (the command text was handed over, or it failed).
    bool is_secondary() const { return m_role != Role::Instance; }

    void set_app(App* app) { m_app = app; }

    // Answers the requests kavoctl sends over the instance socket.
    void set_request_handler(InstanceServer::RequestHandler handler);

    // The local server's socket: in the user's runtime folder, named from the organisation
    // and application names.
    static QString server_path();

    // Normalises `argument` (or reads a native message for "-native-messaging") and stores
    // the command text as ApiArguments in the per-user store; false when a native message did
    // not arrive in time (nothing is stored then).
    bool store_api_arguments(const QString& argument);

signals:
    void process_arguments();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void slotConnectionEstablished();

private:
    static QString first_argument();
    Role claim_instance();
    Role become_instance(const QString& path);
    static bool hand_over(const QString& path, int timeout_ms);
    void wake_up_soon();
    void create_services();
    void delete_services();

    std::unique_ptr<SaveManager> m_save_manager;
    std::unique_ptr<Camera> m_camera;
    std::unique_ptr<SystemKeyboard> m_keyboard;
    std::unique_ptr<SystemMouse> m_mouse;
    std::unique_ptr<MagnificationApi> m_magnification_api; // only where the desktop has one
    std::unique_ptr<SolarPosition> m_solar_position;
    std::unique_ptr<ClockPosition> m_clock_position;
    std::unique_ptr<Updater> m_updater;
    std::unique_ptr<Utils> m_utils;
    App* m_app = nullptr;
    std::unique_ptr<QSettings> m_portable_store;
    std::unique_ptr<QSettings> m_user_store;
    std::unique_ptr<QLockFile> m_lock;
    InstanceServer* m_server = nullptr;
    Role m_role = Role::Instance;
    bool m_wake_up_pending = false;
};
