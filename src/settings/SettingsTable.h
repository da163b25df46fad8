#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <vector>

// The controller's in-memory settings: key name -> value. A lookup of a missing key through
// operator[] inserts an empty value, which reads as 0, false or the empty text.
using SettingsMap = QVariantMap;

enum class SettingType { Int, Bool, String, Double, Point, List };

// Where a key lives and how it is saved.
enum SettingFlag : unsigned {
    kPerMonitor = 1u << 0, // one value per monitor: "DayTemperature", "DayTemperature2", ...
    kNotInMap = 1u << 1,   // kept in the store only, or loaded into a controller field
    kList = 1u << 2,       // a list the page hands back on save; written by its own writer
    kState = 1u << 3,      // run state, written by the state writer only
    kTextRefused = 1u << 4, // stored text that is not a number takes the default (a code
                            // that picks from a table: another code would be a wrong one)
};

struct SettingKey
{
    const char* name;
    SettingType type;
    QVariant defaultValue; // invalid where the platform decides (see SettingsDefaults)
    unsigned flags;
    const char* signal; // the controller signal that publishes it; null when not published
};

// Defaults that depend on the desktop rather than on the table.
struct SettingsDefaults
{
    // Gamma ramps are the desktop's preferred colour path: colours go through the ramps and
    // a calibration loaded into them is preserved.
    bool gammaRampsPreferred = true;
};

// The key table: every stored setting with its type, default and flags, in table order.
class SettingsTable
{
public:
    static const QString kSaveVersion; // the layout of the store this program writes: "6"

    static const std::vector<SettingKey>& keys();

    // The key named `name`, or null.
    static const SettingKey* find(const QString& name);

    // The name of a per-monitor key for `monitor` (0: the bare name, else the number appended).
    static QString monitorKey(const QString& name, int monitor);

    // The default of `key` on a desktop described by `defaults`.
    static QVariant defaultValue(const SettingKey& key, const SettingsDefaults& defaults);

    // `stored` converted to `type` the way the settings store converts text: text that is not
    // a number reads as 0, text other than "true" or a non-zero number reads as false.
    static QVariant convert(const QVariant& stored, SettingType type);
};
