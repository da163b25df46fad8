#include "network/Updater.h"

#include "App.h"
#include "Edition.h"
#include "KavoLog.h"
#include "network/NetworkEndpoints.h"
#include "network/VersionFile.h"
#include "platform/Platform.h"
#include "settings/SaveManager.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>

#ifndef KAVO_BUILD_NUMBER
#define KAVO_BUILD_NUMBER "0"
#endif

namespace {
constexpr int kHourMs = 3600 * 1000;
constexpr qint64 kDayMs = 24LL * kHourMs;

const char kNoServer[] =
    QT_TRANSLATE_NOOP("Translator", "This build of Kavo names no update server");
const char kNoAnswer[] = QT_TRANSLATE_NOOP("Translator", "No answer from the update server");
const char kUnreadable[] =
    QT_TRANSLATE_NOOP("Translator", "The update server's answer could not be read");
const char kUpToDate[] = QT_TRANSLATE_NOOP("Translator", "Kavo is up to date");
const char kAvailable[] = QT_TRANSLATE_NOOP("Translator", "Kavo %1 is available");
} // namespace

Updater::Updater(const QUrl& server, const QString& current_version, int timeoutMs)
    : m_server(server), m_current_version(current_version), m_timeout_ms(timeoutMs)
{
    m_periodic.setInterval(kHourMs);
    connect(&m_periodic, &QTimer::timeout, this, &Updater::check_if_due);
}

Updater::~Updater() = default;

QUrl Updater::default_server()
{
    return NetworkEndpoints::update_server();
}

void Updater::check_periodically(std::function<int()> days)
{
    m_interval_days = std::move(days);
    m_periodic.start();
}

void Updater::check_if_due()
{
    if (!m_interval_days)
        return;
    const qint64 interval = qMax(1, m_interval_days()) * kDayMs;
    const qint64 now = Platform::current().clock().nowMs();
    if (m_last_check_ms < 0 || now - m_last_check_ms >= interval)
        check_for_new_version();
}

void Updater::check_for_new_version()
{
    SaveManager* save_manager = SaveManager::instance();
    if (!save_manager || !save_manager->is_check_for_updates_enabled())
        return;
    request_version_file();
}

void Updater::check_now()
{
    request_version_file();
}

void Updater::request_version_file()
{
    m_last_check_ms = Platform::current().clock().nowMs();
    if (m_server.isEmpty()) {
        if (!m_logged_off)
            log_line(QStringLiteral("Update checks are off: this build names no update server"));
        m_logged_off = true;
        report_status(kNoServer);
        return;
    }
    version_manager().get(NetworkRequest::make(
        NetworkEndpoints::with_path(m_server, QStringLiteral("/version.txt")), m_timeout_ms));
}

// Made with the first request: Qt's network manager loads its bearer plugins and starts a
// thread for them, which a Kavo that never checks for updates does without.
QNetworkAccessManager& Updater::version_manager()
{
    if (!m_version_manager) {
        m_version_manager = new QNetworkAccessManager(this);
        connect(m_version_manager, &QNetworkAccessManager::finished, this,
                &Updater::reply_finished);
    }
    return *m_version_manager;
}

void Updater::reply_finished(QNetworkReply* reply)
{
    reply->deleteLater();
    if (reply->error() != QNetworkReply::NoError) {
        log_line(QStringLiteral("Update check failed: ") + reply->errorString());
        report_status(kNoAnswer);
        return;
    }
    const VersionFile file = VersionFile::read(reply->readAll(), get_full_current_version());
    for (const QString& line : file.log)
        log_line(line);
    switch (file.verdict) {
    case VersionFile::Verdict::UpToDate:
    case VersionFile::Verdict::NotNewer:
        report_status(kUpToDate);
        break;
    case VersionFile::Verdict::NewVersion:
        m_download_address = file.downloadAddress;
        report_status(kAvailable, file.serverVersion);
        emit new_version_available(file.serverVersion);
        break;
    case VersionFile::Verdict::Invalid:
    case VersionFile::Verdict::InvalidDownloadLine:
        report_status(kUnreadable);
        break;
    }
}

void Updater::report_status(const char* text, const QString& argument)
{
    QString status = QCoreApplication::translate("Translator", text);
    if (!argument.isEmpty())
        status = status.arg(argument);
    emit update_status(status);
}

void Updater::download_new_version()
{
    if (m_download_address.isEmpty()) {
        log_line(QStringLiteral("No download address: the update server named no new version"));
        return;
    }
    if (App* app = App::instance())
        app->open_url(m_download_address);
    else
        QDesktopServices::openUrl(QUrl(m_download_address));
}

void Updater::start_new_version_installer(const QString& new_version_exe)
{
    if (!QFileInfo(new_version_exe).isFile()) {
        log_line(QStringLiteral("No installer to start: ") + new_version_exe);
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(new_version_exe));
}

void Updater::on_download_progress(qlonglong bytesReceived, qlonglong bytesTotal)
{
    m_downloading = true;
    // A size the server does not tell is -1: no percentage then, rather than a negative one.
    m_download_percent =
        bytesTotal > 0 ? static_cast<int>(qBound(0LL, bytesReceived * 100 / bytesTotal, 100LL)) : 0;
    if (bytesReceived == bytesTotal) {
        m_downloading = false;
        m_download_percent = 0;
    }
    emit download_progress_changed();
}

QString Updater::get_current_application_name()
{
    return Edition::application_name();
}

QString Updater::get_current_version()
{
    return Edition::version();
}

QString Updater::full_version_of_this_build()
{
    const QString build = QStringLiteral(KAVO_BUILD_NUMBER);
    return build == QLatin1String("0") ? Edition::version()
                                       : Edition::version() + QLatin1Char('.') + build;
}

QString Updater::get_full_current_version()
{
    return m_current_version;
}

QString Updater::get_current_version_url()
{
    return Edition::version_url();
}

QString Updater::get_current_publisher_name()
{
    return Edition::publisher_name();
}

QString Updater::get_current_website()
{
    return Edition::website();
}
