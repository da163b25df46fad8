#pragma once

#include "platform/IScreenCapture.h"
#include "platform/sim/SimService.h"

#include <QString>

// The simulated desktop's picture: the image file the config names as "screen_image" (a path,
// relative to the config's folder when not absolute), lying with its top-left corner at the
// desktop's origin (what lies outside it is black); the first screen shows the whole image.
// Without one, or when the file cannot be read, a grab fails. The file is read at every grab,
// so a test may draw a new screen into it. The state counts the grabs as "screen_grabs".
class SimScreenCapture : public IScreenCapture, public SimService
{
public:
    void setConfigFolder(const QString& folder) { m_folder = folder; }

    QImage grab(const QRect& area) override;
    QImage grabPrimaryScreen() override;

    void configure(const QJsonObject& config) override;
    void addState(QJsonObject& state) const override;

private:
    QImage picture();

    QString m_folder;
    QString m_path;
    qint64 m_grabs = 0;
};
