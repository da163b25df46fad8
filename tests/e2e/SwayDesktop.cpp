#include "SwayDesktop.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr uid_t kNobody = 65534;
constexpr int kStartMs = 30000;

const char kConfig[] = R"(# sway for Kavo's tests: no bar, Xwayland on first use, the session's
# displays written where the test reads them.
xwayland enable
exec sh -c 'echo "$WAYLAND_DISPLAY $DISPLAY" > "$XDG_RUNTIME_DIR/displays.tmp" && mv "$XDG_RUNTIME_DIR/displays.tmp" "$XDG_RUNTIME_DIR/displays"'
)";
} // namespace

SwayDesktop::SwayDesktop() : m_dropRoot(geteuid() == 0)
{
    // The folder above the session's own must let its user through.
    chmod(QFile::encodeName(m_dir.path()).constData(), 0755);
}

SwayDesktop::~SwayDesktop()
{
    if (m_sway.state() == QProcess::NotRunning)
        return;
    m_sway.terminate();
    if (!m_sway.waitForFinished(5000)) {
        m_sway.kill();
        m_sway.waitForFinished(5000);
    }
}

bool SwayDesktop::makeFolder(const QString& name) const
{
    const QByteArray folder = QFile::encodeName(path(name));
    if (!QDir().mkpath(path(name)) || chmod(folder.constData(), 0700) != 0)
        return false;
    return !m_dropRoot || chown(folder.constData(), kNobody, kNobody) == 0;
}

std::unique_ptr<QProcess> SwayDesktop::launch(const QString& program, const QStringList& arguments,
                                              const QProcessEnvironment& environment) const
{
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(environment);
    process->setWorkingDirectory(path(QStringLiteral("home")));
    if (m_dropRoot)
        process->start(QStringLiteral("setpriv"),
                       QStringList{QStringLiteral("--reuid=%1").arg(kNobody),
                                   QStringLiteral("--regid=%1").arg(kNobody),
                                   QStringLiteral("--clear-groups"), QStringLiteral("--"),
                                   program} +
                           arguments);
    else
        process->start(program, arguments);
    return process;
}

QByteArray SwayDesktop::run(const QString& program, const QStringList& arguments) const
{
    auto process = launch(program, arguments, environment());
    if (!process->waitForFinished(30000)) {
        process->kill();
        process->waitForFinished();
    }
    return process->readAllStandardOutput();
}

bool SwayDesktop::start(QString* problem)
{
    for (const char* folder : {"session", "home", "settings", "config", "data", "runtime"}) {
        if (!makeFolder(QLatin1String(folder))) {
            *problem = QStringLiteral("cannot prepare the folder ") + QLatin1String(folder);
            return false;
        }
    }
    QFile config(path(QStringLiteral("sway.config")));
    if (!config.open(QIODevice::WriteOnly) || config.write(kConfig) < 0)
        return false;
    config.close();

    QProcessEnvironment environment;
    environment.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
    environment.insert(QStringLiteral("HOME"), path(QStringLiteral("home")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), path(QStringLiteral("session")));
    environment.insert(QStringLiteral("WLR_BACKENDS"), QStringLiteral("headless"));
    environment.insert(QStringLiteral("WLR_LIBINPUT_NO_DEVICES"), QStringLiteral("1"));
    m_sway.setProcessEnvironment(environment);
    m_sway.setProcessChannelMode(QProcess::MergedChannels);
    m_sway.setWorkingDirectory(path(QStringLiteral("home")));
    const QStringList sway{QStringLiteral("sway"), QStringLiteral("-c"),
                           path(QStringLiteral("sway.config"))};
    if (m_dropRoot)
        m_sway.start(QStringLiteral("setpriv"),
                     QStringList{QStringLiteral("--reuid=%1").arg(kNobody),
                                 QStringLiteral("--regid=%1").arg(kNobody),
                                 QStringLiteral("--clear-groups"), QStringLiteral("--")} +
                         sway);
    else
        m_sway.start(sway.first(), sway.mid(1));

    // sway writes the file once its socket listens and its configuration ran.
    QFile displays(path(QStringLiteral("session/displays")));
    const QDeadlineTimer deadline(kStartMs);
    while (!displays.exists() && !deadline.hasExpired() && m_sway.state() != QProcess::NotRunning)
        m_sway.waitForReadyRead(100);
    if (!displays.open(QIODevice::ReadOnly)) {
        *problem =
            QStringLiteral("sway did not start: ") + QString::fromLocal8Bit(m_sway.readAll());
        return false;
    }
    const QStringList names = QString::fromLocal8Bit(displays.readAll()).split(QLatin1Char(' '));
    m_waylandDisplay = path(QStringLiteral("session/")) + names.value(0).trimmed();
    m_xDisplay = names.value(1).trimmed();
    return true;
}

void SwayDesktop::writeSettings(const QByteArray& lines) const
{
    const QString name = path(QStringLiteral("settings/kavo_settings.ini"));
    QFile file(name);
    if (file.open(QIODevice::WriteOnly))
        file.write("[General]\nSaveVersion=6\nIsFirstStart=false\n" + lines);
    file.close();
    if (m_dropRoot && chown(QFile::encodeName(name).constData(), kNobody, kNobody) != 0)
        qWarning("cannot give the settings file to the session's user");
}

QString SwayDesktop::kavoRuntimeFile(const QString& name) const
{
    return path(QStringLiteral("runtime/") + name);
}

QProcessEnvironment SwayDesktop::environment() const
{
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
    environment.insert(QStringLiteral("HOME"), path(QStringLiteral("home")));
    environment.insert(QStringLiteral("KAVO_SETTINGS_DIR"), path(QStringLiteral("settings")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), path(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), path(QStringLiteral("runtime")));
    environment.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
    environment.insert(QStringLiteral("WAYLAND_DISPLAY"), m_waylandDisplay);
    environment.insert(QStringLiteral("DISPLAY"), m_xDisplay);
    return environment;
}
