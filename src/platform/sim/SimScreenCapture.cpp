#include "platform/sim/SimScreenCapture.h"

#include <QDir>
#include <QJsonObject>

QImage SimScreenCapture::grabPrimaryScreen()
{
    ++m_grabs;
    changed();
    if (m_path.isEmpty())
        return {};
    return QImage(QDir(m_folder).absoluteFilePath(m_path));
}

void SimScreenCapture::configure(const QJsonObject& config)
{
    m_path = config.value(QLatin1String("screen_image")).toString();
}

void SimScreenCapture::addState(QJsonObject& state) const
{
    state.insert(QStringLiteral("screen_grabs"), m_grabs);
}
