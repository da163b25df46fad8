#include "SwayDesktop.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr uid_t kNobody = 65534;
} // namespace

SwayDesktop::SwayDesktop() : m_dropRoot(geteuid() == 0)
{
    // The folder above the session's own must let its user through.
    chmod(QFile::encodeName(m_dir.path()).constData(), 0755);
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
    HeadlessSway::asUser(*process, program, arguments);
    process->start();
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
    for (const char* folder : {"home", "settings", "config", "data", "runtime"}) {
        if (!makeFolder(QLatin1String(folder))) {
            *problem = QStringLiteral("cannot prepare the folder ") + QLatin1String(folder);
            return false;
        }
    }
    if (!m_sway.start(QStringLiteral("xwayland enable"))) {
        *problem = m_sway.problem();
        return false;
    }
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
    environment.insert(QStringLiteral("WAYLAND_DISPLAY"), waylandDisplay());
    environment.insert(QStringLiteral("DISPLAY"), xDisplay());
    return environment;
}
