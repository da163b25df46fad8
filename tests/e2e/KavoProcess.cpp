#include "KavoProcess.h"

#include <QDir>
#include <QFile>
#include <QSettings>

const QByteArray KavoDesktop::kOneMonitor =
    R"({"monitors": [{"x": 0, "y": 0, "width": 1920, "height": 1080}]})";

KavoDesktop::KavoDesktop(const QByteArray& configJson)
    : m_environment(QProcessEnvironment::systemEnvironment())
{
    QDir().mkpath(path(QStringLiteral("runtime")));
    QFile::setPermissions(path(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile config(path(QStringLiteral("desktop.json")));
    if (config.open(QIODevice::WriteOnly))
        config.write(configJson);

    m_environment.insert(QStringLiteral("KAVO_PLATFORM"), QStringLiteral("sim"));
    m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    m_environment.insert(QStringLiteral("KAVO_SETTINGS_DIR"), path(QStringLiteral("settings")));
    m_environment.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("config")));
    m_environment.insert(QStringLiteral("XDG_DATA_HOME"), path(QStringLiteral("data")));
    m_environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), path(QStringLiteral("runtime")));
    m_environment.insert(QStringLiteral("KAVO_SIM_CONFIG"), path(QStringLiteral("desktop.json")));
    m_environment.insert(QStringLiteral("KAVO_SIM_STATE"), path(QStringLiteral("state.json")));
}

std::unique_ptr<QProcess> KavoDesktop::start(const QString& program,
                                             const QStringList& arguments) const
{
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(m_environment);
    process->setProcessChannelMode(QProcess::SeparateChannels);
    if (!m_workingDirectory.isEmpty())
        process->setWorkingDirectory(m_workingDirectory);
    process->start(program, arguments);
    return process;
}

std::unique_ptr<QProcess> KavoDesktop::launch(const QStringList& arguments) const
{
    return start(QStringLiteral(KAVO_BINARY), arguments);
}

std::unique_ptr<QProcess> KavoDesktop::kavoctl(const QStringList& arguments) const
{
    auto process = startKavoctl(arguments);
    process->waitForFinished(30000);
    return process;
}

std::unique_ptr<QProcess> KavoDesktop::startKavoctl(const QStringList& arguments) const
{
    return start(kavoctlProgram(), arguments);
}

QString KavoDesktop::kavoctlProgram()
{
    return QStringLiteral(KAVOCTL_BINARY);
}

void KavoDesktop::writeSettings(const QVariantMap& settings) const
{
    QSettings store(settingsFile(), QSettings::IniFormat);
    store.setValue(QStringLiteral("SaveVersion"), QStringLiteral("6"));
    for (auto it = settings.begin(); it != settings.end(); ++it)
        store.setValue(it.key(), it.value());
}

const QStringList& OutputLines::read()
{
    // A line is taken once whole: output arrives in pieces.
    m_pending += m_process.readAllStandardOutput();
    const int end = m_pending.lastIndexOf('\n');
    if (end >= 0) {
        m_lines +=
            QString::fromUtf8(m_pending.left(end)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        m_pending.remove(0, end + 1);
    }
    return m_lines;
}

bool OutputLines::contains(const QString& text)
{
    for (const QString& line : read()) {
        if (line.contains(text))
            return true;
    }
    return false;
}
