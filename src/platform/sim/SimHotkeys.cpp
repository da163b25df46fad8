#include "platform/sim/SimHotkeys.h"

#include <QJsonArray>
#include <QKeySequence>

QString SimHotkeys::text(const HotkeyChord& chord)
{
    return QKeySequence(static_cast<int>(chord.key) | static_cast<int>(chord.modifiers))
        .toString(QKeySequence::PortableText);
}

IHotkeys::Grab SimHotkeys::grab(const HotkeyChord& chord, std::function<void()> activated)
{
    if (chord.key == Qt::Key_unknown || chord.key == 0)
        return Grab::Unsupported;
    if (!m_offered)
        return Grab::NotOffered;
    const QString name = text(chord);
    if (m_taken.contains(name))
        return Grab::Taken;
    if (m_grabbed.contains(name))
        return Grab::TakenByKavo;
    m_grabbed.insert(name, std::move(activated));
    changed();
    return Grab::Done;
}

void SimHotkeys::release(const HotkeyChord& chord)
{
    if (m_grabbed.remove(text(chord)) > 0)
        changed();
}

bool SimHotkeys::activate(const HotkeyChord& chord)
{
    const auto held = m_grabbed.constFind(text(chord));
    if (held == m_grabbed.constEnd())
        return false;
    // The shortcut may release itself (a new key sequence): run a copy.
    const std::function<void()> activated = held.value();
    activated();
    return true;
}

void SimHotkeys::configure(const QJsonObject& config)
{
    // A desktop that keeps keys to itself, as a Wayland compositor without the portal does.
    m_offered = config.value(QLatin1String("hotkeys_offered")).toBool(true);
    m_taken.clear();
    for (const QJsonValue& value : config.value(QLatin1String("taken_hotkeys")).toArray()) {
        const QKeySequence sequence =
            QKeySequence::fromString(value.toString(), QKeySequence::PortableText);
        if (!sequence.isEmpty())
            m_taken.insert(sequence.toString(QKeySequence::PortableText));
    }
}

void SimHotkeys::addState(QJsonObject& state) const
{
    state.insert(QStringLiteral("hotkeys"), QJsonArray::fromStringList(m_grabbed.keys()));
}
