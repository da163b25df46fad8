#pragma once

#include <QMap>
#include <QObject>
#include <QStringList>

#include <optional>

// The colours a program gets while it is in front.
struct ColorTrigger
{
    int temperature = 6500; // kelvin, 0 ... 10000
    int brightness = 100;   // percent, 10 ... 150
    bool valid = false;
};

// What the colour update does about triggers (see ColorTriggers::next_step).
struct TriggerStep
{
    enum Kind
    {
        None,    // no trigger governs the colours: the schedule does
        Keep,    // the trigger in force stays: nothing to do
        Apply,   // glide to the trigger's colours
        Restore, // the trigger ended: glide back to the schedule
    };
    Kind kind = None;
    ColorTrigger trigger;
};

// The colour trigger table, parsed from lines "name = temperature brightness", and which
// trigger is in force: the program in front and the trigger last applied.
class ColorTriggers : public QObject
{
    Q_OBJECT

public:
    explicit ColorTriggers(QObject* parent = nullptr);

    // Rebuilds the table from `lines`. Lines that are not of the form above are left out
    // and listed by problems(); later lines for the same name replace earlier ones. A trigger
    // in force that is still listed is applied again at the next step.
    void refresh(const QStringList& lines);

    // One text per line left out, naming its number and its text; empty when none.
    QStringList problems() const { return m_problems; }

    // The trigger of `process` (a trailing ".exe" on either side does not matter).
    std::optional<ColorTrigger> find(const QString& process) const;
    int size() const { return m_triggers.size(); }

    void set_current_process(const QString& process) { m_current = process; }
    QString current_process() const { return m_current; }
    QString applied_process() const { return m_applied; }
    void forget_applied() { m_applied.clear(); }

    // The colour update's step for the program in front. `paused`: colours are paused (by the
    // user, a pauser or Kavo's pause); the pause is in charge and a trigger in force is
    // forgotten, to be applied again afterwards.
    TriggerStep next_step(bool use_triggers, bool paused);

private:
    // The trigger on line `line`, or nothing (with a problem noted) when it is not one.
    bool parse(const QString& line, int number);

    QMap<QString, ColorTrigger> m_triggers;
    QStringList m_problems;
    QString m_current;
    QString m_applied;
};
