#include "platform/sim/SimSounds.h"

#include <QJsonArray>

void SimSounds::play(const QString& name, bool loop)
{
    m_played.append(name);
    if (m_played.size() > kKept)
        m_played.removeFirst();
    if (loop)
        m_looping.insert(name);
    changed();
}

void SimSounds::stop(const QString& name)
{
    m_looping.remove(name);
}

void SimSounds::addState(QJsonObject& state) const
{
    state.insert(QStringLiteral("sounds"), QJsonArray::fromStringList(m_played));
}
