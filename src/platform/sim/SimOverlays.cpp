#include "platform/sim/SimOverlays.h"

void SimOverlays::prepare(QWidget&)
{
    // The window's own flags say all the simulated desktop needs to know.
}

void SimOverlays::configure(const QJsonObject& config)
{
    m_compositing = config.value(QLatin1String("compositing")).toBool(true);
}

void SimOverlays::addState(QJsonObject& state) const
{
    state.insert(QStringLiteral("compositing"), m_compositing);
}
