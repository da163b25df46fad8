#include "system/ColorTriggers.h"

#include "system/ProcessNames.h"

#include <QtGlobal>

namespace {
constexpr int kLowestTemperature = 0;
constexpr int kHighestTemperature = 10000;
constexpr int kLowestBrightness = 10;
constexpr int kHighestBrightness = 150;

bool to_number(const QString& text, qint64& number)
{
    bool ok = false;
    number = text.toLongLong(&ok);
    return ok;
}
} // namespace

ColorTriggers::ColorTriggers(QObject* parent) : QObject(parent)
{
}

void ColorTriggers::refresh(const QStringList& lines)
{
    m_triggers.clear();
    m_problems.clear();
    for (int i = 0; i < lines.size(); ++i)
        parse(lines.at(i), i + 1);
    // A trigger in force whose line is still there applies again, with its new colours.
    if (find(m_applied))
        m_applied.clear();
}

bool ColorTriggers::parse(const QString& line, int number)
{
    if (line.trimmed().isEmpty())
        return false;
    const int equals = line.indexOf(QLatin1Char('='));
    const QString name = line.left(equals).trimmed();
    const QStringList values =
        line.mid(equals + 1).simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    qint64 temperature = 0;
    qint64 brightness = 0;
    if (equals <= 0 || name.isEmpty() || values.size() != 2 ||
        !to_number(values.at(0), temperature) || !to_number(values.at(1), brightness)) {
        m_problems.append(tr("Line %1 is not \"program = temperature brightness\": %2")
                              .arg(number)
                              .arg(line.trimmed()));
        return false;
    }
    ColorTrigger trigger;
    trigger.temperature =
        static_cast<int>(qBound<qint64>(kLowestTemperature, temperature, kHighestTemperature));
    trigger.brightness =
        static_cast<int>(qBound<qint64>(kLowestBrightness, brightness, kHighestBrightness));
    trigger.valid = true;
    m_triggers.insert(name, trigger);
    return true;
}

std::optional<ColorTrigger> ColorTriggers::find(const QString& process) const
{
    const auto exact = m_triggers.constFind(process);
    if (exact != m_triggers.constEnd())
        return exact.value();
    for (auto it = m_triggers.constBegin(); it != m_triggers.constEnd(); ++it) {
        if (ProcessNames::same(it.key(), process))
            return it.value();
    }
    return std::nullopt;
}

TriggerStep ColorTriggers::next_step(bool use_triggers, bool paused)
{
    TriggerStep step;
    if (paused) {
        // The pause takes the colours; the trigger is applied again once they come back.
        m_applied.clear();
        return step;
    }
    if (!use_triggers || m_current.isEmpty() || !find(m_current)) {
        // Triggers off, nothing in front or a program without a trigger: a trigger still in
        // force ends.
        if (m_applied.isEmpty())
            return step;
        m_applied.clear();
        step.kind = TriggerStep::Restore;
        return step;
    }
    if (m_current == m_applied) {
        step.kind = TriggerStep::Keep;
        return step;
    }
    m_applied = m_current;
    step.kind = TriggerStep::Apply;
    step.trigger = *find(m_current);
    return step;
}
