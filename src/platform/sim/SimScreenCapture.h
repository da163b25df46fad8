#pragma once

#include "platform/IScreenCapture.h"
#include "platform/sim/SimService.h"

#include <QImage>
#include <QString>

// The simulated desktop's picture: the image file the config names as "screen_image", lying
// with its top-left corner at the desktop's origin (what lies outside it is black). Without
// one, or when it cannot be read, there is no picture. The state counts the grabs as
// "screen_grabs".
class SimScreenCapture : public IScreenCapture, public SimService
{
public:
    QImage grab(const QRect& area) override;

    void configure(const QJsonObject& config) override;
    void addState(QJsonObject& state) const override;

private:
    QString m_path;
    QImage m_image;
    qint64 m_grabs = 0;
};
