#include "platform/x11/X11SystemParameters.h"

#include "KavoLog.h"

bool X11SystemParameters::set(int parameter, int value)
{
    log_line(QStringLiteral("System parameter %1 = %2 is not supported on X11")
                 .arg(parameter)
                 .arg(value));
    return false;
}
