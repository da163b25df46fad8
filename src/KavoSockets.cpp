#include "KavoSockets.h"

#include "platform/RuntimeFolder.h"

namespace KavoSockets {
QString instance_path()
{
    return RuntimeFolder::file(QString());
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
