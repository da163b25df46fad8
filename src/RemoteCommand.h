#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// A command that changes the running Kavo, as kavoctl sends it over the instance socket:
// its words ("mode manual", "set temperature night 3400"). Both ends check them the same way:
// kavoctl before it sends, Kavo before it obeys.
struct RemoteCommand
{
    enum class Action
    {
        Pause,
        Resume,
        Mode,
        Type,
        Location,
        SetColor,
        // One of the fourteen shortcut actions, for desktops that keep keys to themselves:
        // the compositor's own key binding runs "kavoctl shortcut NAME".
        Shortcut
    };

    Action action = Action::Pause;
    int value = 0;       // the mode, the type, the colour value (K or %), or the shortcut (1 to 14)
    QString setting_key; // SetColor: DayTemperature, NightTemperature, DayBrightness, ...
    double latitude = 0.0;
    double longitude = 0.0;

    // The ranges the settings allow.
    static constexpr int kMinTemperature = 0;
    static constexpr int kMaxTemperature = 10000;
    static constexpr int kMinBrightness = 10;
    static constexpr int kMaxBrightness = 150;

    // The command `words` name; empty, with `error` saying why, when they name none or a value
    // is out of range.
    static std::optional<RemoteCommand> parse(const QStringList& words, QString& error);

    // The word kavoctl's shortcut command takes for shortcut `index` (1 to 14, as the
    // shortcuts page numbers them: "start-break"); empty for any other index.
    static QString shortcut_name(int index);

    // One usage line per command, for kavoctl's help.
    static QStringList usage();
};
