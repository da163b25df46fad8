#include "platform/sim/SimScreenCapture.h"

#include <QDir>
#include <QJsonObject>
#include <QPainter>

QImage SimScreenCapture::picture()
{
    ++m_grabs;
    changed();
    if (m_path.isEmpty())
        return {};
    return QImage(QDir(m_folder).absoluteFilePath(m_path));
}

QImage SimScreenCapture::grab(const QRect& area)
{
    const QImage screen = picture();
    if (screen.isNull() || area.isEmpty())
        return {};
    QImage part(area.size(), QImage::Format_RGB32);
    part.fill(Qt::black);
    QPainter painter(&part);
    painter.drawImage(QPoint(0, 0), screen, area);
    return part;
}

QImage SimScreenCapture::grabPrimaryScreen()
{
    return picture();
}

void SimScreenCapture::configure(const QJsonObject& config)
{
    m_path = config.value(QLatin1String("screen_image")).toString();
}

void SimScreenCapture::addState(QJsonObject& state) const
{
    state.insert(QStringLiteral("screen_grabs"), m_grabs);
}
