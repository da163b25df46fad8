#include "KavoSockets.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace KavoSockets {
QString instance_path()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return QDir(folder).filePath(QCoreApplication::organizationName() +
                                 QCoreApplication::applicationName());
}

QString status_path()
{
    return instance_path() + QStringLiteral(".status");
}

QString status_follow_path()
{
    return status_path() + QStringLiteral(".follow");
}
} // namespace KavoSockets
