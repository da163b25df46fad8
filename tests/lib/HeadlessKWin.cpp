#include "HeadlessKWin.h"

#include <QDir>
#include <QFile>

HeadlessKWin::~HeadlessKWin()
{
    stop();
}

bool HeadlessKWin::prepare()
{
    if (!m_dir.isValid()) {
        m_problem = QStringLiteral("no temporary folder");
        return false;
    }
    for (const char* folder : {"bin", "home", "config", "runtime"})
        QDir().mkpath(path(QLatin1String(folder)));
    QFile::setPermissions(path(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // Debian's binary carries a file capability that fails in a container; a plain copy
    // (QFile::copy takes no capability along) runs, under the name KWin expects.
    const QString kwin = path(QStringLiteral("bin/kwin_wayland"));
    if (!QFile::copy(QStringLiteral("/usr/bin/kwin_wayland"), kwin)) {
        m_problem = QStringLiteral("kwin_wayland is missing: scripts/install-deps.sh installs "
                                   "kwin-wayland");
        return false;
    }
    QFile::setPermissions(kwin, QFile::ReadOwner | QFile::ExeOwner);
    if (!m_bus.start()) {
        m_problem = QStringLiteral("the private session bus did not start");
        return false;
    }
    return true;
}

bool HeadlessKWin::start()
{
    m_kwin.setProcessEnvironment(environment());
    m_kwin.setProcessChannelMode(QProcess::MergedChannels);
    m_kwin.setStandardOutputFile(path(QStringLiteral("kwin.log")));
    m_kwin.start(path(QStringLiteral("bin/kwin_wayland")),
                 {QStringLiteral("--virtual"), QStringLiteral("--socket"), m_socket,
                  QStringLiteral("--no-lockscreen"), QStringLiteral("--no-global-shortcuts"),
                  QStringLiteral("--no-kactivities")});
    if (!m_kwin.waitForStarted(30000)) {
        m_problem = QStringLiteral("kwin_wayland did not start: ") + m_kwin.errorString();
        return false;
    }
    return true;
}

void HeadlessKWin::stop()
{
    if (m_kwin.state() == QProcess::NotRunning)
        return;
    m_kwin.terminate();
    if (!m_kwin.waitForFinished(30000))
        m_kwin.kill();
    m_kwin.waitForFinished(30000);
}

QString HeadlessKWin::socketPath() const
{
    return path(QStringLiteral("runtime/")) + m_socket;
}

QProcessEnvironment HeadlessKWin::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "KAVO_PLATFORM"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_bus.address());
    environment.insert(QStringLiteral("HOME"), path(QStringLiteral("home")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), path(QStringLiteral("runtime")));
    return environment;
}

QProcessEnvironment HeadlessKWin::clientEnvironment() const
{
    QProcessEnvironment client = environment();
    client.insert(QStringLiteral("WAYLAND_DISPLAY"), m_socket);
    client.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    return client;
}
