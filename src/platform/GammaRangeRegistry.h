#pragma once

#include "platform/IRegistry.h"

// Where Windows keeps the limit on how far gamma ramps may stray from the identity, and the
// marker Kavo leaves until the machine has restarted after raising it.
namespace GammaRangeRegistry {

inline const QString kIcmKey =
    QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\ICM");
inline const QString kGammaRange = QStringLiteral("GdiIcmGammaRange");
inline constexpr int kExpanded = 256;

inline const QString kRunOnceKey =
    QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce");
inline const QString kRestartMarker = QStringLiteral("KAVO_RESTART_NEEDED");

inline const QString kUrlCommandKey =
    QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Classes\\Kavo\\shell\\open\\command");

// The gamma range value, 0 when it cannot be read.
inline int gammaRange(const IRegistry& registry)
{
    return registry.value(kIcmKey, kGammaRange).toInt();
}

inline bool isRestartNeeded(const IRegistry& registry)
{
    return registry.value(kRunOnceKey, kRestartMarker).isValid();
}

// Strong ramps are accepted: the range is expanded and no restart is pending.
inline bool isUnlocked(const IRegistry& registry)
{
    return gammaRange(registry) == kExpanded && !isRestartNeeded(registry);
}

} // namespace GammaRangeRegistry
