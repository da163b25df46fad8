#include "RemoteCommand.h"

#include "Presets.h"

#include <cmath>

namespace {
struct ColorSetting
{
    const char* quantity;
    const char* period;
    const char* key;
};

const ColorSetting kColorSettings[] = {
    {"temperature", "day", "DayTemperature"},
    {"temperature", "night", "NightTemperature"},
    {"brightness", "day", "DayBrightness"},
    {"brightness", "night", "NightBrightness"},
};

// In the order of the shortcuts page.
const char* const kShortcutNames[] = {
    "increase-temperature",
    "decrease-temperature",
    "increase-brightness",
    "decrease-brightness",
    "start-overlay",
    "end-overlay",
    "effects",
    "pause-resume",
    "manual-automatic",
    "start-break",
    "pause-resume-timer",
    "quit",
    "zoom-in",
    "zoom-out",
};
constexpr int kShortcutCount = int(sizeof(kShortcutNames) / sizeof(kShortcutNames[0]));

std::optional<RemoteCommand> failure(QString& error, const QString& text)
{
    error = text;
    return std::nullopt;
}

QString usage_of(const QString& name)
{
    const QString command = QStringLiteral("kavoctl ") + name;
    for (const QString& line : RemoteCommand::usage()) {
        if (line == command || line.startsWith(command + QLatin1Char(' ')))
            return line;
    }
    return command;
}

bool has_arguments(const QStringList& words, int count, QString& error)
{
    if (words.size() == count + 1)
        return true;
    error = QStringLiteral("usage: ") + usage_of(words.first());
    return false;
}

std::optional<double> coordinate(const QString& text, const char* name, double limit,
                                 QString& error)
{
    bool converted = false;
    const double value = text.toDouble(&converted);
    if (!converted || !std::isfinite(value) || std::fabs(value) > limit) {
        error = QStringLiteral("%1 must be a number within -%2..%2, not \"%3\"")
                    .arg(QLatin1String(name))
                    .arg(limit)
                    .arg(text);
        return std::nullopt;
    }
    return value;
}

std::optional<RemoteCommand> parse_set(const QStringList& words, QString& error)
{
    if (!has_arguments(words, 3, error))
        return std::nullopt;
    for (const ColorSetting& setting : kColorSettings) {
        if (words.at(1) != QLatin1String(setting.quantity) ||
            words.at(2) != QLatin1String(setting.period))
            continue;
        const bool temperature = words.at(1) == QLatin1String("temperature");
        const int low =
            temperature ? RemoteCommand::kMinTemperature : RemoteCommand::kMinBrightness;
        const int high =
            temperature ? RemoteCommand::kMaxTemperature : RemoteCommand::kMaxBrightness;
        bool converted = false;
        const int value = words.at(3).toInt(&converted);
        if (!converted || value < low || value > high)
            return failure(error,
                           QStringLiteral("%1 must be a whole number within %2..%3%4, "
                                          "not \"%5\"")
                               .arg(words.at(1))
                               .arg(low)
                               .arg(high)
                               .arg(temperature ? QStringLiteral(" K") : QStringLiteral(" %"))
                               .arg(words.at(3)));
        RemoteCommand command;
        command.action = RemoteCommand::Action::SetColor;
        command.setting_key = QLatin1String(setting.key);
        command.value = value;
        return command;
    }
    return failure(error, QStringLiteral("set takes temperature|brightness day|night VALUE"));
}
} // namespace

std::optional<RemoteCommand> RemoteCommand::parse(const QStringList& words, QString& error)
{
    if (words.isEmpty())
        return failure(error, QStringLiteral("no command"));
    const QString& name = words.first();
    RemoteCommand command;
    if (name == QLatin1String("pause") || name == QLatin1String("resume")) {
        if (!has_arguments(words, 0, error))
            return std::nullopt;
        command.action = name == QLatin1String("pause") ? Action::Pause : Action::Resume;
        return command;
    }
    if (name == QLatin1String("mode")) {
        if (!has_arguments(words, 1, error))
            return std::nullopt;
        command.action = Action::Mode;
        command.value = mode_from_name(words.at(1));
        if (command.value < 0)
            return failure(
                error,
                QStringLiteral("mode is automatic, manual or paused, not \"%1\"").arg(words.at(1)));
        return command;
    }
    if (name == QLatin1String("type")) {
        if (!has_arguments(words, 1, error))
            return std::nullopt;
        command.action = Action::Type;
        command.value = type_from_name(words.at(1));
        if (command.value < 0)
            return failure(
                error, QStringLiteral("unknown type \"%1\" (see kavoctl help)").arg(words.at(1)));
        return command;
    }
    if (name == QLatin1String("location")) {
        if (!has_arguments(words, 2, error))
            return std::nullopt;
        const auto latitude = coordinate(words.at(1), "latitude", 90.0, error);
        const auto longitude =
            latitude ? coordinate(words.at(2), "longitude", 180.0, error) : std::nullopt;
        if (!latitude || !longitude)
            return std::nullopt;
        command.action = Action::Location;
        command.latitude = *latitude;
        command.longitude = *longitude;
        return command;
    }
    if (name == QLatin1String("set"))
        return parse_set(words, error);
    if (name == QLatin1String("shortcut")) {
        if (!has_arguments(words, 1, error))
            return std::nullopt;
        for (int index = 1; index <= kShortcutCount; ++index) {
            if (words.at(1) == shortcut_name(index)) {
                command.action = Action::Shortcut;
                command.value = index;
                return command;
            }
        }
        return failure(
            error, QStringLiteral("unknown shortcut \"%1\" (see kavoctl help)").arg(words.at(1)));
    }
    return failure(error, QStringLiteral("unknown command: ") + name);
}

QString RemoteCommand::shortcut_name(int index)
{
    if (index < 1 || index > kShortcutCount)
        return {};
    return QLatin1String(kShortcutNames[index - 1]);
}

QStringList RemoteCommand::usage()
{
    QStringList shortcuts;
    for (int index = 1; index <= kShortcutCount; ++index)
        shortcuts << shortcut_name(index);
    QStringList types;
    for (int type = kTypeCustom; type <= kTypeOverlay; ++type)
        types << type_name(type).toLower();
    return {
        QStringLiteral("kavoctl pause"),
        QStringLiteral("kavoctl resume"),
        QStringLiteral("kavoctl mode automatic|manual|paused"),
        QStringLiteral("kavoctl type ") + types.join(QLatin1Char('|')),
        QStringLiteral("kavoctl location LAT LON"),
        QStringLiteral("kavoctl set temperature day|night K"),
        QStringLiteral("kavoctl set brightness day|night PERCENT"),
        QStringLiteral("kavoctl shortcut ") + shortcuts.join(QLatin1Char('|')),
    };
}
