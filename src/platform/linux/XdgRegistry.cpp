#include "platform/linux/XdgRegistry.h"

#include "InstallLocation.h"
#include "KavoLog.h"
#include "platform/GammaRangeRegistry.h"
#include "platform/RegFile.h"
#include "platform/linux/DesktopEntryExec.h"

#include <QCoreApplication>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextStream>

namespace {
// The same name as the handler make install puts in place, which is then found instead.
const char* const kUrlHandlerName = "kavo-url-handler.desktop";

// An entry is refused when the program path holds what no desktop entry can carry safely.
void report_refused_path(const QString& what, const QString& program)
{
    log_line(DesktopEntryExec::refusal(what, program));
}
} // namespace

XdgRegistry::XdgRegistry()
{
    m_values.setValue(GammaRangeRegistry::kIcmKey, GammaRangeRegistry::kGammaRange,
                      GammaRangeRegistry::kExpanded);
}

QVariant XdgRegistry::value(const QString& key, const QString& name) const
{
    return m_values.value(key, name);
}

bool XdgRegistry::setValue(const QString& key, const QString& name, const QVariant& value)
{
    m_values.setValue(key, name, value);
    return true;
}

bool XdgRegistry::removeValue(const QString& key, const QString& name)
{
    m_values.removeValue(key, name);
    return true;
}

bool XdgRegistry::hasKey(const QString& key) const
{
    if (key.compare(GammaRangeRegistry::kUrlCommandKey, Qt::CaseInsensitive) == 0)
        return QFileInfo::exists(urlHandlerFile()) ||
               !QStandardPaths::locate(QStandardPaths::ApplicationsLocation,
                                       QLatin1String(kUrlHandlerName))
                    .isEmpty();
    return m_values.hasKey(key);
}

QString XdgRegistry::autostartFile(const QString& name)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/") + name + QStringLiteral(".desktop");
}

QString XdgRegistry::startupProgram(const QString& name) const
{
    QFile file(autostartFile(name));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QTextStream in(&file);
    in.setCodec("UTF-8");
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith(QLatin1String("Exec=")))
            return DesktopEntryExec::arguments(line.mid(5)).value(0);
    }
    return {};
}

bool XdgRegistry::writeDesktopEntry(const QString& path, const QStringList& lines)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream out(&file);
    out.setCodec("UTF-8");
    out << "[Desktop Entry]\n"
        << "Type=Application\n";
    for (const QString& line : lines)
        out << line << "\n";
    out.flush();
    return file.commit();
}

bool XdgRegistry::setStartupProgram(const QString& name, const QString& program)
{
    const std::optional<QString> exec = DesktopEntryExec::value(program);
    if (!exec) {
        report_refused_path(QStringLiteral("Start with the session"), program);
        return false;
    }
    return writeDesktopEntry(autostartFile(name),
                             {QStringLiteral("Name=") + name, QStringLiteral("Exec=") + *exec,
                              QStringLiteral("Terminal=false"),
                              QStringLiteral("X-GNOME-Autostart-enabled=true")});
}

bool XdgRegistry::removeStartupProgram(const QString& name)
{
    QFile file(autostartFile(name));
    return !file.exists() || file.remove();
}

QString XdgRegistry::urlHandlerFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation) +
           QLatin1Char('/') + QLatin1String(kUrlHandlerName);
}

bool XdgRegistry::importFile(const QString& path)
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

bool XdgRegistry::registerUrlScheme()
{
    const QString program = QCoreApplication::applicationFilePath();
    if (!InstallLocation::is_installed(program)) {
        log_line(InstallLocation::not_installed_reason(QStringLiteral("the kavo: scheme")));
        return true;
    }
    return writeUrlHandler(urlHandlerFile(), program);
}

bool XdgRegistry::writeUrlHandler(const QString& path, const QString& program)
{
    const std::optional<QString> exec = DesktopEntryExec::value(program, {QStringLiteral("%u")});
    if (!exec) {
        report_refused_path(QStringLiteral("The kavo: scheme"), program);
        return false;
    }
    return writeDesktopEntry(path, {QStringLiteral("Name=Kavo"), QStringLiteral("Exec=") + *exec,
                                    QStringLiteral("NoDisplay=true"),
                                    QStringLiteral("MimeType=x-scheme-handler/kavo;")});
}
