#include "KavoResources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE may not be used inside a namespace.
void register_kavo_resources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(kavo);
        return true;
    }();
    Q_UNUSED(registered)
}
