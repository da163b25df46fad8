#include "platform/x11/X11Registry.h"

#include "KavoLog.h"
#include "platform/GammaRangeRegistry.h"
#include "platform/RegFile.h"

#include <QCoreApplication>

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

X11Registry::X11Registry()
{
    m_values.setValue(GammaRangeRegistry::kIcmKey, GammaRangeRegistry::kGammaRange,
                      GammaRangeRegistry::kExpanded);
}

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
    if (key.compare(GammaRangeRegistry::kUrlCommandKey, Qt::CaseInsensitive) == 0)
        return QFileInfo::exists(urlHandlerFile());
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

bool X11Registry::writeDesktopEntry(const QString& path, const QStringList& lines)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream out(&file);
    out << "[Desktop Entry]\n"
        << "Type=Application\n";
    for (const QString& line : lines)
        out << line << "\n";
    out.flush();
    return file.commit();
}

bool X11Registry::setStartupCommand(const QString& name, const QString& command)
{
    return writeDesktopEntry(
        autostartFile(name),
        {QStringLiteral("Name=") + name, QStringLiteral("Exec=") + escaped(command),
         QStringLiteral("Terminal=false"), QStringLiteral("X-GNOME-Autostart-enabled=true")});
}

bool X11Registry::removeStartupCommand(const QString& name)
{
    QFile file(autostartFile(name));
    return !file.exists() || file.remove();
}

QString X11Registry::urlHandlerFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/applications/kavo-url-handler.desktop");
}

bool X11Registry::importFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        log_line(QStringLiteral("Registry import: cannot read ") + path);
        return false;
    }
    const RegFile imported = RegFile::parse(QString::fromUtf8(file.readAll()));
    bool namesUrlCommand = false;
    for (const QString& key : imported.keys) {
        if (key.compare(GammaRangeRegistry::kUrlCommandKey, Qt::CaseInsensitive) == 0)
            namesUrlCommand = true;
        else
            m_values.createKey(key);
    }
    for (const RegFile::Value& value : imported.values) {
        if (value.key.compare(GammaRangeRegistry::kUrlCommandKey, Qt::CaseInsensitive) != 0)
            m_values.setValue(value.key, value.name, value.value);
    }
    // There is no limit to lift here: the gamma range stays expanded whatever the file says.
    m_values.setValue(GammaRangeRegistry::kIcmKey, GammaRangeRegistry::kGammaRange,
                      GammaRangeRegistry::kExpanded);
    return !namesUrlCommand || registerUrlScheme();
}

bool X11Registry::registerUrlScheme()
{
    const QString program = QStringLiteral("\"") +
                            escaped(QCoreApplication::applicationFilePath()) +
                            QStringLiteral("\" %u");
    return writeDesktopEntry(urlHandlerFile(),
                             {QStringLiteral("Name=Kavo"), QStringLiteral("Exec=") + program,
                              QStringLiteral("NoDisplay=true"),
                              QStringLiteral("MimeType=x-scheme-handler/kavo;")});
}
