#include "SimCameraDesktop.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>

#include <opencv2/imgcodecs.hpp>

SimCameraDesktop::SimCameraDesktop()
{
    write_config();
    auto sim = std::make_unique<SimDesktop>(path(QStringLiteral("desktop.json")),
                                            path(QStringLiteral("state.json")));
    m_sim = sim.get();
    Platform::install(std::move(sim));
}

SimCameraDesktop::~SimCameraDesktop()
{
    Platform::uninstall();
}

void SimCameraDesktop::write_config()
{
    QFile file(path(QStringLiteral("desktop.json")));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(QJsonDocument(m_config).toJson());
    file.close();
    if (m_sim)
        m_sim->reloadConfig();
}

void SimCameraDesktop::set(const QString& key, const QJsonValue& value)
{
    m_config.insert(key, value);
    write_config();
}

void SimCameraDesktop::set_camera(const QJsonValue& camera)
{
    if (camera.isNull())
        m_config.remove(QStringLiteral("camera"));
    else
        m_config.insert(QStringLiteral("camera"), camera);
    write_config();
}

void SimCameraDesktop::set_camera_frames(const std::vector<cv::Mat>& frames, int fps,
                                         const QJsonObject& extra)
{
    QJsonArray names;
    for (const cv::Mat& frame : frames) {
        // Each set of frames under new names: a camera still open keeps reading its own.
        const QString name = QStringLiteral("frame%1.png").arg(m_written++);
        cv::imwrite(path(name).toStdString(), frame);
        names.append(name);
    }
    QJsonObject camera = extra;
    camera.insert(QStringLiteral("frames"), names);
    camera.insert(QStringLiteral("fps"), fps);
    set_camera(camera);
}

void SimCameraDesktop::set_screen(int grey)
{
    const QString name = QStringLiteral("screen%1.png").arg(m_written++);
    QImage screen(192, 108, QImage::Format_RGB32);
    screen.fill(QColor(grey, grey, grey));
    screen.save(path(name));
    set(QStringLiteral("screen_image"), name);
}

QJsonObject SimCameraDesktop::camera_state() const
{
    return m_sim->state().value(QStringLiteral("camera")).toObject();
}
