#include "platform/x11/X11Registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextStream>

namespace {
// Desktop entry string values escape the backslash.
QString escaped(QString value)
{
    return value.replace(QLatin1String("\\"), QLatin1String("\\\\"));
}

QString unescaped(QString value)
{
    return value.replace(QLatin1String("\\\\"), QLatin1String("\\"));
}
} // namespace

QVariant X11Registry::value(const QString& key, const QString& name) const
{
    return m_values.value(key, name);
}

bool X11Registry::setValue(const QString& key, const QString& name, const QVariant& value)
{
    m_values.setValue(key, name, value);
    return true;
}

bool X11Registry::removeValue(const QString& key, const QString& name)
{
    m_values.removeValue(key, name);
    return true;
}

bool X11Registry::hasKey(const QString& key) const
{
    return m_values.hasKey(key);
}

QString X11Registry::autostartFile(const QString& name)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/") + name + QStringLiteral(".desktop");
}

QString X11Registry::startupCommand(const QString& name) const
{
    QFile file(autostartFile(name));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith(QLatin1String("Exec=")))
            return unescaped(line.mid(5));
    }
    return {};
}

bool X11Registry::setStartupCommand(const QString& name, const QString& command)
{
    const QString path = autostartFile(name);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream out(&file);
    out << "[Desktop Entry]\n"
        << "Type=Application\n"
        << "Name=" << name << "\n"
        << "Exec=" << escaped(command) << "\n"
        << "Terminal=false\n"
        << "X-GNOME-Autostart-enabled=true\n";
    out.flush();
    return file.commit();
}

bool X11Registry::removeStartupCommand(const QString& name)
{
    QFile file(autostartFile(name));
    return !file.exists() || file.remove();
}
