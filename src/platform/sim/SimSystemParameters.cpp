#include "platform/sim/SimSystemParameters.h"

bool SimSystemParameters::set(int parameter, int value)
{
    m_values.insert(parameter, value);
    changed();
    return true;
}

void SimSystemParameters::broadcastChange()
{
    ++m_broadcasts;
    changed();
}

void SimSystemParameters::addState(QJsonObject& state) const
{
    QJsonObject values;
    for (auto it = m_values.begin(); it != m_values.end(); ++it)
        values.insert(QString::number(it.key()), it.value());
    state.insert(QStringLiteral("system_parameters"), values);
    state.insert(QStringLiteral("system_parameter_broadcasts"), m_broadcasts);
}
