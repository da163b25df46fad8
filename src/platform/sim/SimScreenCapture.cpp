#include "platform/sim/SimScreenCapture.h"

#include "KavoLog.h"

#include <QPainter>

QImage SimScreenCapture::grab(const QRect& area)
{
    ++m_grabs;
    changed();
    if (m_image.isNull() || area.isEmpty())
        return QImage();
    QImage picture(area.size(), QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    painter.drawImage(QPoint(0, 0), m_image, area);
    return picture;
}

void SimScreenCapture::configure(const QJsonObject& config)
{
    const QString path = config.value(QLatin1String("screen_image")).toString();
    if (path == m_path)
        return;
    m_path = path;
    m_image = QImage();
    if (path.isEmpty())
        return;
    if (!m_image.load(path))
        log_line(QStringLiteral("Simulated screen image not readable: ") + path);
    m_image = m_image.convertToFormat(QImage::Format_RGB32);
}

void SimScreenCapture::addState(QJsonObject& state) const
{
    state.insert(QStringLiteral("screen_grabs"), m_grabs);
}
