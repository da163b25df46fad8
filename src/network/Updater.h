#pragma once

#include "Singleton.h"
#include "network/NetworkRequest.h"

#include <QObject>
#include <QTimer>
#include <QUrl>

#include <functional>

class QNetworkAccessManager;
class QNetworkReply;

// Asks the update server for the newest version and announces a newer one; keeps the
// download address and the progress of a download for the taskbar entry.
class Updater : public QObject, public Singleton<Updater>
{
    Q_OBJECT

public:
    // `server` is the update server (empty: no update checks); the build's one by default.
    // `current_version` is the version the server's is compared with.
    explicit Updater(const QUrl& server = default_server(),
                     const QString& current_version = full_version_of_this_build(),
                     int timeoutMs = NetworkRequest::kTimeoutMs);
    ~Updater() override;

    static QUrl default_server();
    // This build's version, followed by "." and the build number when there is one.
    static QString full_version_of_this_build();

    QString download_address() const { return m_download_address; }
    bool is_downloading() const { return m_downloading; }
    int download_percent() const { return m_download_percent; }

    // While CheckForUpdates is on, checks again once every `days()` days have passed since the
    // last check (looked at every hour).
    void check_periodically(std::function<int()> days);

public slots:
    // Asks the server when the stored settings want it (CheckForUpdates).
    void check_for_new_version();
    // Asks the server whatever the settings say: the user asked.
    void check_now();
    void reply_finished(QNetworkReply* reply);
    void download_new_version();
    void start_new_version_installer(const QString& new_version_exe);
    void on_download_progress(qlonglong bytesReceived, qlonglong bytesTotal);
    // Checks when the periodic interval has passed.
    void check_if_due();

    QString get_current_application_name();
    QString get_current_version();
    QString get_full_current_version();
    QString get_current_version_url();
    QString get_current_publisher_name();
    QString get_current_website();

signals:
    void new_version_available(QString version);
    // The outcome of a check in the user's words ("Kavo is up to date", ...).
    void update_status(QString text);
    void download_progress_changed();

private:
    void request_version_file();
    void report_status(const char* text, const QString& argument = QString());

    QNetworkAccessManager& version_manager();

    QNetworkAccessManager* m_version_manager = nullptr;
    QUrl m_server;
    QString m_current_version;
    int m_timeout_ms;
    QString m_download_address;
    bool m_downloading = false;
    int m_download_percent = 0;
    bool m_logged_off = false;
    QTimer m_periodic;
    std::function<int()> m_interval_days;
    qint64 m_last_check_ms = -1;
};
