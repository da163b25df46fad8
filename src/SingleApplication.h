#pragma once

#include <QApplication>
#include <QSettings>

#include <memory>

class App;
class ClockPosition;
class MagnificationApi;
class SolarPosition;
class QLocalServer;
class SaveManager;
class Updater;
class Utils;

// The application object. It hands the first command-line argument to a running instance
// (and then reports that this launch should end), or becomes that instance itself: it
// listens for later launches and owns the service singletons.
class SingleApplication : public QApplication
{
    Q_OBJECT

public:
    SingleApplication(int& argc, char** argv);
    ~SingleApplication() override;

    // True when another instance is running and has been told about this launch.
    bool is_secondary() const { return m_secondary; }

    void set_app(App* app) { m_app = app; }

    // The local server's socket: in the user's runtime folder, named from the organisation
    // and application names.
    static QString server_path();

    // Normalises `argument` (or reads a native message for "-native-messaging") and stores
    // the command text as ApiArguments in the per-user store.
    void store_api_arguments(const QString& argument);

signals:
    void process_arguments();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void slotConnectionEstablished();

private:
    static QString first_argument();
    bool connect_or_listen();
    void create_services();
    void delete_services();

    std::unique_ptr<SaveManager> m_save_manager;
    std::unique_ptr<MagnificationApi> m_magnification_api; // only where the desktop has one
    std::unique_ptr<SolarPosition> m_solar_position;
    std::unique_ptr<ClockPosition> m_clock_position;
    std::unique_ptr<Updater> m_updater;
    std::unique_ptr<Utils> m_utils;
    App* m_app = nullptr;
    std::unique_ptr<QSettings> m_portable_store;
    std::unique_ptr<QSettings> m_user_store;
    QLocalServer* m_server = nullptr;
    bool m_secondary = false;
};
