#include "color/Cyclops.h"

#include "KavoLog.h"
#include "platform/GammaRangeRegistry.h"
#include "platform/RegFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

using namespace GammaRangeRegistry;

namespace {
const QString kProgramPath = QStringLiteral("\"%LOCALAPPDATA%\\Kavo\\Kavo.exe\"");
}

Cyclops::Cyclops(IRegistry& registry, ShowMessage show_message)
    : m_registry(registry), m_show_message(std::move(show_message))
{
}

bool Cyclops::is_gamma_range_expanded() const
{
    return gammaRange(m_registry) == kExpanded;
}

bool Cyclops::is_gamma_range_usable() const
{
    return isUnlocked(m_registry);
}

bool Cyclops::is_restart_needed() const
{
    return isRestartNeeded(m_registry);
}

void Cyclops::set_restart_needed()
{
    m_registry.setValue(kRunOnceKey, kRestartMarker, kRestartMarker);
}

bool Cyclops::is_url_protocol_registered() const
{
    return m_registry.hasKey(kUrlCommandKey);
}

QString Cyclops::gamma_registry_text()
{
    QString arguments;
    for (int i = 1; i <= 9; ++i)
        arguments += QStringLiteral(" \"%%1\"").arg(i);
    const QStringList lines = {
        QStringLiteral("Windows Registry Editor Version 5.00"),
        QString(),
        QStringLiteral(
            "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\ICM]"),
        QStringLiteral("\"%1\"=dword:00000100").arg(kGammaRange),
        QString(),
        QStringLiteral("[HKEY_LOCAL_MACHINE\\Software\\Classes\\Kavo]"),
        QStringLiteral("@=\"URL:kavo\""),
        QStringLiteral("\"URL Protocol\"=\"\""),
        QString(),
        QStringLiteral("[HKEY_LOCAL_MACHINE\\Software\\Classes\\Kavo\\DefaultIcon]"),
        QStringLiteral("@=") + RegFile::expandableString(kProgramPath),
        QString(),
        QStringLiteral("[HKEY_LOCAL_MACHINE\\Software\\Classes\\Kavo\\shell]"),
        QStringLiteral("[HKEY_LOCAL_MACHINE\\Software\\Classes\\Kavo\\shell\\open]"),
        QStringLiteral("[HKEY_LOCAL_MACHINE\\Software\\Classes\\Kavo\\shell\\open\\command]"),
        QStringLiteral("@=") + RegFile::expandableString(kProgramPath + arguments),
    };
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString Cyclops::gamma_registry_path()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/gamma_ramp.reg");
}

bool Cyclops::import_gamma_registry()
{
    const QString path = gamma_registry_path();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        file.write(gamma_registry_text().toUtf8());
    else
        log_line(QStringLiteral("File open failed"));
    file.close();
    m_registry.importFile(path);
    return true;
}

bool Cyclops::expand_gamma_range()
{
    if (is_gamma_range_expanded())
        return false;
    import_gamma_registry();
    return is_gamma_range_expanded();
}

void Cyclops::show_restart_message()
{
    if (m_show_message)
        m_show_message(tr("Restart your PC"),
                       tr("Kavo made a small change to enable lower values. You need to restart "
                          "your PC once to unlock full functionality."));
}

void Cyclops::show_limited_message()
{
    if (m_show_message)
        m_show_message(tr("Restart your PC"),
                       tr("Some functionality is limited, because you need to Restart your PC. You "
                          "are using High-level Color API right now."));
}
