#pragma once

#include <QString>
#include <QVariant>

#include <utility>
#include <vector>

// The types: named presets that rewrite a group of colour, effect and overlay settings.
enum KavoType {
    kTypeCustom = 0,
    kTypeHealth,
    kTypeSleep,
    kTypeGaming,
    kTypeReading,
    kTypeProgramming,
    kTypeBiohacker,
    kTypeSunglasses,
    kTypeDark,
    kTypeMovie,
    kTypeOverlay,
};

// The modes: follow the schedule, keep the manual values, or pause.
enum KavoMode { kModeNone = 0, kModeAutomatic = 1, kModeManual = 2, kModePaused = 3 };

struct TypePreset
{
    enum class Inversion { Keep, Invert, Revert };

    // Settings written in order: the common values first, then the type's own.
    std::vector<std::pair<QString, QVariant>> values;
    Inversion inversion = Inversion::Keep;
    bool writes_overlay = false; // UseOverlayScreen is among the values
    bool writes_lightness = false;
};

// What selecting `type` writes; a type outside 0..10 writes only the common values.
TypePreset preset_for_type(int type);

// The console name of a type ("Health"), empty outside 0..10.
QString type_name(int type);

// The name of a mode for scripts: "automatic", "manual", "paused"; "none" for 0 and empty
// for values outside 0..3.
QString mode_name(int mode);

// The mode named `name` (case-insensitive: automatic, manual, paused); -1 when none is.
int mode_from_name(const QString& name);

// The type named `name` (a console name, case-insensitive); -1 when none is.
int type_from_name(const QString& name);
