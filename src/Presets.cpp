#include "Presets.h"

namespace {
using Values = std::vector<std::pair<QString, QVariant>>;

Values colours(int day, int night, int sleep)
{
    return {{QStringLiteral("DayTemperature"), day},
            {QStringLiteral("NightTemperature"), night},
            {QStringLiteral("SleepLight"), sleep}};
}

Values brightnesses(int day, int night, int sleep)
{
    return {{QStringLiteral("DayBrightness"), day},
            {QStringLiteral("NightBrightness"), night},
            {QStringLiteral("SleepBrightness"), sleep}};
}

void append(Values& values, const Values& more)
{
    values.insert(values.end(), more.begin(), more.end());
}

Values common_values()
{
    Values values = colours(5000, 3400, 2700);
    append(values, brightnesses(100, 80, 75));
    values.emplace_back(QStringLiteral("ColorChangesPaused"), false);
    return values;
}

// The colour part of each type (the common values where a type has none of its own).
Values type_colours(int type)
{
    switch (type) {
    case kTypeSleep:
    case kTypeBiohacker:
        return colours(0, 0, 0);
    case kTypeGaming: {
        Values values = colours(6500, 3600, 2500);
        append(values, brightnesses(100, 95, 90));
        return values;
    }
    case kTypeSunglasses: {
        Values values = colours(6500, 6500, 6500);
        append(values, brightnesses(100, 75, 65));
        return values;
    }
    case kTypeMovie: {
        Values values = colours(6500, 6500, 6500);
        append(values, brightnesses(120, 120, 120));
        return values;
    }
    case kTypeOverlay: {
        Values values = colours(6500, 6500, 6500);
        append(values, brightnesses(100, 100, 100));
        return values;
    }
    default:
        return {};
    }
}

Values type_screens(int type)
{
    const bool overlay = type == kTypeOverlay;
    const bool lightness = type == kTypeDark;
    Values values{{QStringLiteral("UseOverlayScreen"), overlay}};
    if (overlay) {
        values.insert(values.end(), {{QStringLiteral("DayOpacity"), 5},
                                     {QStringLiteral("NightOpacity"), 40},
                                     {QStringLiteral("DayDim"), 0},
                                     {QStringLiteral("NightDim"), 10}});
    }
    values.emplace_back(QStringLiteral("UseLightnessScreen"), lightness);
    if (lightness) {
        values.insert(values.end(), {{QStringLiteral("LightnessScreenOpacity"), 30},
                                     {QStringLiteral("LightnessScreenRadius"), 30},
                                     {QStringLiteral("LightnessScreenXPosition"), 50},
                                     {QStringLiteral("LightnessScreenYPosition"), 50}});
    }
    return values;
}
} // namespace

TypePreset preset_for_type(int type)
{
    TypePreset preset;
    preset.values = common_values();
    if (type <= kTypeCustom || type > kTypeOverlay)
        return preset;

    append(preset.values, type_colours(type));
    preset.values.emplace_back(QStringLiteral("UseColorEffects"), type == kTypeReading);
    if (type == kTypeReading)
        preset.values.emplace_back(QStringLiteral("ColorEffect"), 2);
    preset.inversion = type == kTypeProgramming || type == kTypeBiohacker
                           ? TypePreset::Inversion::Invert
                           : TypePreset::Inversion::Revert;
    append(preset.values, type_screens(type));
    preset.writes_overlay = true;
    preset.writes_lightness = true;
    return preset;
}

QString type_name(int type)
{
    static const char* const names[] = {"Custom",      "Health",    "Sleep",      "Gaming",
                                        "Reading",     "Programming", "Biohacker", "Sunglasses",
                                        "Dark",        "Movie",     "Overlay"};
    if (type < 0 || type > kTypeOverlay)
        return {};
    return QLatin1String(names[type]);
}

QString mode_name(int mode)
{
    static const char* const names[] = {"none", "automatic", "manual", "paused"};
    if (mode < kModeNone || mode > kModePaused)
        return {};
    return QLatin1String(names[mode]);
}

int mode_from_name(const QString& name)
{
    for (int mode = kModeAutomatic; mode <= kModePaused; ++mode) {
        if (name.compare(mode_name(mode), Qt::CaseInsensitive) == 0)
            return mode;
    }
    return -1;
}

int type_from_name(const QString& name)
{
    for (int type = kTypeCustom; type <= kTypeOverlay; ++type) {
        if (name.compare(type_name(type), Qt::CaseInsensitive) == 0)
            return type;
    }
    return -1;
}
