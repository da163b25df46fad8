#include "InstallLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace InstallLocation {

bool is_installed(const QString& program)
{
    const QFileInfo executable(program);
    const QString resolved = executable.canonicalFilePath();
    if (resolved.isEmpty())
        return false;
    QDir folder = QFileInfo(resolved).dir();
    if (folder.dirName() != QLatin1String("bin") || !folder.cdUp())
        return false;
    return QFileInfo(folder.filePath(QStringLiteral("share/applications/")) +
                     QLatin1String(kDesktopEntryName))
        .isFile();
}

bool is_running_installed()
{
    return is_installed(QCoreApplication::applicationFilePath());
}

QString not_installed_reason(const QString& what)
{
    return QStringLiteral("Kavo runs from %1, not from an installed copy: %2 left alone "
                          "(make install registers it)")
        .arg(QCoreApplication::applicationDirPath(), what);
}

} // namespace InstallLocation
