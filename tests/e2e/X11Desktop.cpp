#include "X11Desktop.h"

#include "platform/x11/X11Connection.h"

#include <QDir>
#include <QFile>

X11Desktop::X11Desktop() : m_environment(QProcessEnvironment::systemEnvironment())
{
    for (const char* folder : {"settings", "config", "runtime"})
        QDir().mkpath(m_dir.filePath(QLatin1String(folder)));
    QFile::setPermissions(m_dir.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_environment.insert(QStringLiteral("KAVO_PLATFORM"), QStringLiteral("x11"));
    m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    m_environment.insert(QStringLiteral("KAVO_SETTINGS_DIR"),
                         m_dir.filePath(QStringLiteral("settings")));
    m_environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                         m_dir.filePath(QStringLiteral("config")));
    m_environment.insert(QStringLiteral("XDG_DATA_HOME"), m_dir.filePath(QStringLiteral("data")));
    m_environment.insert(QStringLiteral("XDG_RUNTIME_DIR"),
                         m_dir.filePath(QStringLiteral("runtime")));
}

X11Desktop::~X11Desktop() = default;

bool X11Desktop::start()
{
    if (!m_xvfb.start(QStringLiteral("1024x768x24")))
        return false;
    m_environment.insert(QStringLiteral("DISPLAY"), m_xvfb.display());
    qputenv("DISPLAY", m_xvfb.display().toLatin1());
    m_observer = X11Connection::open();
    return m_observer != nullptr;
}

bool X11Desktop::loadCalibration(const QString& gamma)
{
    QProcess xrandr;
    xrandr.start(QStringLiteral("xrandr"),
                 {QStringLiteral("--display"), m_xvfb.display(), QStringLiteral("--output"),
                  QStringLiteral("screen"), QStringLiteral("--gamma"), gamma});
    return xrandr.waitForFinished(10000) && xrandr.exitCode() == 0;
}

GammaRamp X11Desktop::crtcRamp() const
{
    GammaRamp ramp;
    m_observer->displays().readRamp(0, ramp);
    return ramp;
}

void X11Desktop::writeSettings(const QByteArray& lines) const
{
    QFile file(m_dir.filePath(QStringLiteral("settings/kavo_settings.ini")));
    if (file.open(QIODevice::WriteOnly))
        file.write("[General]\nSaveVersion=6\nIsFirstStart=false\n" + lines);
}

QString X11Desktop::runtimeFile(const QString& name) const
{
    return m_dir.filePath(QStringLiteral("runtime/") + name);
}

std::unique_ptr<QProcess> X11Desktop::launchKavo(const QStringList& arguments,
                                                 QProcess* output) const
{
    auto kavo = std::make_unique<QProcess>();
    kavo->setProcessEnvironment(m_environment);
    if (output)
        kavo->setStandardOutputProcess(output);
    kavo->start(QStringLiteral(KAVO_BINARY), arguments);
    return kavo;
}

std::unique_ptr<QProcess> X11Desktop::kavoctl(const QStringList& arguments) const
{
    auto kavoctl = std::make_unique<QProcess>();
    kavoctl->setProcessEnvironment(m_environment);
    kavoctl->start(QStringLiteral(KAVOCTL_BINARY), arguments);
    kavoctl->waitForFinished(30000);
    return kavoctl;
}

qint64 X11Desktop::childPid(qint64 parent, const QString& name)
{
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString& entry : entries) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (name) state ppid ...": the name may hold spaces, the last ")" ends it.
        const QString line = QString::fromLocal8Bit(stat.readAll());
        const int open = line.indexOf(QLatin1Char('('));
        const int close = line.lastIndexOf(QLatin1Char(')'));
        const QStringList rest = line.mid(close + 2).split(QLatin1Char(' '));
        if (open > 0 && close > open && line.mid(open + 1, close - open - 1) == name &&
            rest.value(1).toLongLong() == parent)
            return entry.toLongLong();
    }
    return 0;
}

bool X11Desktop::hasEnded(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray line = stat.readAll();
    return line.mid(line.lastIndexOf(')') + 2, 1) == "Z";
}
