#pragma once

#include "platform/IScreenCapture.h"
#include "platform/sim/SimService.h"

#include <QString>

// The screen the simulated desktop shows: the image file the config names as "screen_image"
// (a path, relative to the config's folder when not absolute). Without one, or when the file
// cannot be read, a grab fails. The state counts the grabs as "screen_grabs".
class SimScreenCapture : public IScreenCapture, public SimService
{
public:
    void setConfigFolder(const QString& folder) { m_folder = folder; }

    QImage grabPrimaryScreen() override;

    void configure(const QJsonObject& config) override;
    void addState(QJsonObject& state) const override;

private:
    QString m_folder;
    QString m_path;
    int m_grabs = 0;
};
