#include "platform/sim/SimRegistry.h"

#include "KavoLog.h"
#include "platform/RegFile.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>

const QString SimRegistry::kRunKey =
    QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");

QVariant SimRegistry::value(const QString& key, const QString& name) const
{
    return m_values.value(key, name);
}

bool SimRegistry::setValue(const QString& key, const QString& name, const QVariant& value)
{
    m_values.setValue(key, name, value);
    changed();
    return true;
}

bool SimRegistry::removeValue(const QString& key, const QString& name)
{
    m_values.removeValue(key, name);
    changed();
    return true;
}

bool SimRegistry::hasKey(const QString& key) const
{
    return m_values.hasKey(key);
}

QString SimRegistry::startupProgram(const QString& name) const
{
    QString command = value(kRunKey, name).toString();
    if (command.size() >= 2 && command.startsWith(QLatin1Char('"')) &&
        command.endsWith(QLatin1Char('"')))
        command = command.mid(1, command.size() - 2);
    return QDir::fromNativeSeparators(command);
}

bool SimRegistry::setStartupProgram(const QString& name, const QString& program)
{
    return setValue(kRunKey, name,
                    QLatin1Char('"') + QDir::toNativeSeparators(program) + QLatin1Char('"'));
}

bool SimRegistry::removeStartupProgram(const QString& name)
{
    return removeValue(kRunKey, name);
}

bool SimRegistry::importFile(const QString& path)
{
    m_commands.append(QStringLiteral("regedit /s \"%1\"").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        log_line(QStringLiteral("Registry import: cannot read ") + path);
        changed();
        return false;
    }
    const RegFile imported = RegFile::parse(QString::fromUtf8(file.readAll()));
    for (const QString& key : imported.keys)
        m_values.createKey(key);
    for (const RegFile::Value& value : imported.values)
        m_values.setValue(value.key, value.name, value.value);
    changed();
    return true;
}

void SimRegistry::configure(const QJsonObject& config)
{
    // The config seeds the registry once; later edits of the config leave what Kavo wrote.
    if (m_seeded)
        return;
    m_values.load(config.value(QLatin1String("registry")).toObject());
    m_seeded = true;
}

void SimRegistry::addState(QJsonObject& state) const
{
    state.insert(QStringLiteral("registry"), m_values.toJson());
    state.insert(QStringLiteral("commands"), QJsonArray::fromStringList(m_commands));
}
