#include "platform/linux/UnsupportedSystemParameters.h"

#include "KavoLog.h"

bool UnsupportedSystemParameters::set(int parameter, int value)
{
    log_line(QStringLiteral("System parameter %1 = %2 is not supported on Linux desktops")
                 .arg(parameter)
                 .arg(value));
    return false;
}
