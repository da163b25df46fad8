#include "KavoProcess.h"

#include <QDir>
#include <QFile>

KavoDesktop::KavoDesktop() : m_environment(QProcessEnvironment::systemEnvironment())
{
    QDir().mkpath(path(QStringLiteral("runtime")));
    QFile::setPermissions(path(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile config(path(QStringLiteral("desktop.json")));
    if (config.open(QIODevice::WriteOnly))
        config.write(R"({"monitors": [{"x": 0, "y": 0, "width": 1920, "height": 1080}]})");

    m_environment.insert(QStringLiteral("KAVO_PLATFORM"), QStringLiteral("sim"));
    m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    m_environment.insert(QStringLiteral("KAVO_SETTINGS_DIR"), path(QStringLiteral("settings")));
    m_environment.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("config")));
    m_environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), path(QStringLiteral("runtime")));
    m_environment.insert(QStringLiteral("KAVO_SIM_CONFIG"), path(QStringLiteral("desktop.json")));
    m_environment.insert(QStringLiteral("KAVO_SIM_STATE"), path(QStringLiteral("state.json")));
}

std::unique_ptr<QProcess> KavoDesktop::launch(const QStringList& arguments) const
{
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(m_environment);
    process->setProcessChannelMode(QProcess::SeparateChannels);
    process->start(QStringLiteral(KAVO_BINARY), arguments);
    return process;
}
