#include "HeadlessSway.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>

#include <unistd.h>

namespace {
// sway needs a few seconds on a loaded machine.
constexpr int kStartMs = 60000;
constexpr uid_t kNobody = 65534;

// sway refuses to run as root: then it and its clients run as "nobody".
bool dropsRoot()
{
    return geteuid() == 0;
}
} // namespace

HeadlessSway::~HeadlessSway()
{
    if (m_keyboard.state() != QProcess::NotRunning) {
        m_keyboard.kill();
        m_keyboard.waitForFinished(10000);
    }
    if (m_sway.state() == QProcess::NotRunning)
        return;
    m_sway.terminate();
    if (!m_sway.waitForFinished(10000))
        m_sway.kill();
    m_sway.waitForFinished(10000);
}

bool HeadlessSway::start(const QString& extraConfig)
{
    const QString run = runtimeDir();
    if (!m_dir.isValid() || !QDir().mkpath(run) ||
        (dropsRoot() && chown(QFile::encodeName(run).constData(), kNobody, kNobody) != 0)) {
        m_problem = QStringLiteral("no runtime folder for sway");
        return false;
    }
    QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                            QFile::ReadOther | QFile::ExeOther);
    QFile::setPermissions(run, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile config(m_dir.filePath(QStringLiteral("config")));
    if (!config.open(QIODevice::WriteOnly)) {
        m_problem = QStringLiteral("no sway configuration");
        return false;
    }
    // sway gives its children Xwayland's display, once it runs.
    config.write("output HEADLESS-1 resolution 640x480 position 0 0\nxwayland disable\n" +
                 extraConfig.toUtf8() +
                 "\nexec sh -c 'echo \"$DISPLAY\" > \"$XDG_RUNTIME_DIR/x-display.new\" && mv "
                 "\"$XDG_RUNTIME_DIR/x-display.new\" \"$XDG_RUNTIME_DIR/x-display\"'\n");
    config.close();
    config.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);

    QProcessEnvironment environment;
    environment.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
    environment.insert(QStringLiteral("HOME"), m_dir.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), run);
    environment.insert(QStringLiteral("WLR_BACKENDS"), QStringLiteral("headless"));
    environment.insert(QStringLiteral("WLR_LIBINPUT_NO_DEVICES"), QStringLiteral("1"));
    environment.insert(QStringLiteral("WLR_RENDERER"), QStringLiteral("pixman"));
    m_sway.setProcessEnvironment(environment);
    m_sway.setWorkingDirectory(m_dir.path());
    m_sway.setStandardOutputFile(m_dir.filePath(QStringLiteral("sway.log")));
    m_sway.setStandardErrorFile(m_dir.filePath(QStringLiteral("sway.log")), QIODevice::Append);
    asUser(m_sway, QStringLiteral("sway"), {QStringLiteral("-c"), config.fileName()});
    m_sway.start();
    if (!m_sway.waitForStarted(10000)) {
        m_problem = QStringLiteral("sway or setpriv is missing (scripts/install-deps.sh)");
        return false;
    }
    // Both sockets appear once sway listens; polled, since nothing announces them.
    const QDeadlineTimer deadline(kStartMs);
    while (!deadline.hasExpired() && m_sway.state() == QProcess::Running) {
        const QDir dir(run);
        const QStringList ipc = dir.entryList({QStringLiteral("sway-ipc.*.sock")}, QDir::System);
        QFile xDisplay(dir.filePath(QStringLiteral("x-display")));
        if (QFile::exists(dir.filePath(QStringLiteral("wayland-1"))) && !ipc.isEmpty() &&
            xDisplay.open(QIODevice::ReadOnly)) {
            m_socket = dir.filePath(QStringLiteral("wayland-1"));
            m_xDisplay = QString::fromLocal8Bit(xDisplay.readAll().trimmed());
            m_ipcSocket = dir.filePath(ipc.first());
            if (!swaymsg({QStringLiteral("-t"), QStringLiteral("get_version")}).isEmpty())
                return true;
        }
        m_sway.waitForFinished(100);
    }
    QFile log(m_dir.filePath(QStringLiteral("sway.log")));
    log.open(QIODevice::ReadOnly);
    m_problem =
        QStringLiteral("sway did not come up: ") + QString::fromUtf8(log.readAll().right(2000));
    return false;
}

void HeadlessSway::asUser(QProcess& process, const QString& program, const QStringList& arguments)
{
    if (!dropsRoot()) {
        process.setProgram(program);
        process.setArguments(arguments);
        return;
    }
    process.setProgram(QStringLiteral("setpriv"));
    process.setArguments(QStringList{QStringLiteral("--reuid=%1").arg(kNobody),
                                     QStringLiteral("--regid=%1").arg(kNobody),
                                     QStringLiteral("--clear-groups"), QStringLiteral("--"),
                                     program} +
                         arguments);
}

QProcessEnvironment HeadlessSway::clientEnvironment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "KAVO_PLATFORM"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("WAYLAND_DISPLAY"), m_socket);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    environment.insert(QStringLiteral("SWAYSOCK"), m_ipcSocket);
    return environment;
}

QByteArray HeadlessSway::swaymsg(const QStringList& arguments) const
{
    QProcess message;
    message.setProcessChannelMode(QProcess::SeparateChannels);
    message.start(QStringLiteral("swaymsg"),
                  QStringList{QStringLiteral("-s"), m_ipcSocket} + arguments);
    if (!message.waitForFinished(30000) || message.exitCode() != 0)
        return {};
    return message.readAllStandardOutput();
}

QByteArray HeadlessSway::runClient(const QString& program, const QStringList& arguments) const
{
    QProcess client;
    client.setProcessEnvironment(clientEnvironment());
    client.setProcessChannelMode(QProcess::SeparateChannels);
    client.start(program, arguments);
    if (!client.waitForFinished(30000) || client.exitStatus() != QProcess::NormalExit ||
        client.exitCode() != 0) {
        qWarning("%s failed: %s", qPrintable(program), client.readAllStandardError().constData());
        return {};
    }
    return client.readAllStandardOutput();
}

QImage HeadlessSway::screenshot(const QString& output) const
{
    // PNG on standard output: grim's own compression level 0 keeps it quick.
    const QByteArray png =
        runClient(QStringLiteral("grim"), {QStringLiteral("-o"), output, QStringLiteral("-l"),
                                           QStringLiteral("0"), QStringLiteral("-")});
    return QImage::fromData(png, "PNG");
}

bool HeadlessSway::keepKeyboard()
{
    // wtype makes its virtual keyboard first, then sleeps as long as it is told.
    m_keyboard.setProcessEnvironment(clientEnvironment());
    m_keyboard.start(QStringLiteral("wtype"), {QStringLiteral("-s"), QStringLiteral("3600000")});
    if (!m_keyboard.waitForStarted(10000))
        return false;
    const QDeadlineTimer deadline(kStartMs);
    while (!deadline.hasExpired() && m_keyboard.state() == QProcess::Running) {
        if (swaymsg({QStringLiteral("-t"), QStringLiteral("get_seats")}).contains("\"keyboard\""))
            return true;
        m_keyboard.waitForFinished(100);
    }
    return false;
}

bool HeadlessSway::type(const QString& text) const
{
    QProcess wtype;
    wtype.setProcessEnvironment(clientEnvironment());
    wtype.start(QStringLiteral("wtype"), {text});
    return wtype.waitForFinished(30000) && wtype.exitStatus() == QProcess::NormalExit &&
           wtype.exitCode() == 0;
}
