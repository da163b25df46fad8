#pragma once

#include <QString>

// The settings the colour output reads and writes.
namespace ColorSettingKeys {
inline const QString kColorScheme = QStringLiteral("ColorScheme");
inline const QString kLeadingColor = QStringLiteral("LeadingColor");
inline const QString kColorEffect = QStringLiteral("ColorEffect");
inline const QString kAdvancedColorEffect = QStringLiteral("AdvancedColorEffect");
inline const QString kUseColorEffects = QStringLiteral("UseColorEffects");
inline const QString kAdvancedUseColorEffects = QStringLiteral("AdvancedUseColorEffects");
inline const QString kUseSaturation = QStringLiteral("UseSaturation");
inline const QString kSaturation = QStringLiteral("Saturation");
inline const QString kUseLowLevelColorApi = QStringLiteral("UseLowLevelColorApi");
inline const QString kPreserveGamma = QStringLiteral("PreserveGamma");
inline const QString kUseGammaFixer = QStringLiteral("UseGammaFixer");
inline const QString kUseInvertedColors = QStringLiteral("UseInvertedColors");
inline const QString kAdvancedUseInvertedColors = QStringLiteral("AdvancedUseInvertedColors");
inline const QString kUsePerMonitorSettings = QStringLiteral("UsePerMonitorSettings");
} // namespace ColorSettingKeys
