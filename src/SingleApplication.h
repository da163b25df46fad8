#pragma once

#include "InstanceServer.h"

#include <QApplication>

#include <memory>

class App;
class Camera;
class ClockPosition;
class MagnificationApi;
class SolarPosition;
class FileLock;
class QDeadlineTimer;
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
        HandedOver, // a running Kavo ran the command text; this launch ends with status 0
        Failed,     // this launch could not do its part (said why); it ends with status 1
    };

    // How long a launch tries to reach a running Kavo that holds the instance lock and waits
    // for it to run the command text.
    static constexpr int kHandOverTimeoutMs = InstanceServer::kLaunchDeadlineMs;

    SingleApplication(int& argc, char** argv);
    ~SingleApplication() override;

    Role role() const { return m_role; }
    // True when this launch should end at once (the command text was handed over, or it failed).
    bool is_secondary() const { return m_role != Role::Instance; }

    void set_app(App* app) { m_app = app; }

    // The command text of this launch, for the instance to run itself; empty for a bare start.
    const QString& own_command() const { return m_command; }

    // Answers the requests kavoctl sends over the instance socket.
    void set_request_handler(InstanceServer::RequestHandler handler);
    // Runs the command text of later launches (and of files the desktop opens with Kavo).
    void set_launch_handler(InstanceServer::LaunchHandler handler);

    // The local server's socket: in the user's private runtime folder, named from the
    // organisation and application names; empty when there is no such folder.
    static QString server_path();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class HandOver
    {
        NotReached, // no Kavo answered yet: try again
        Done,
        Failed, // said why
    };

    static QString first_argument();
    bool read_command(const QString& argument);
    Role claim_instance();
    Role become_instance(const QString& path);
    HandOver hand_over(const QString& path, const QDeadlineTimer& deadline) const;
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
    std::unique_ptr<FileLock> m_lock;
    InstanceServer* m_server = nullptr;
    InstanceServer::LaunchHandler m_launch_handler;
    QString m_command;
    Role m_role = Role::Instance;
};
