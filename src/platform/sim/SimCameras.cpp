#include "platform/sim/SimCameras.h"

#include "KavoLog.h"
#include "parts/ISensorPart.h"
#include "parts/PartLoader.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QMutexLocker>

void SimCameras::setConfigFolder(const QString& folder)
{
    QMutexLocker lock(&m_mutex);
    m_folder = folder;
}

void SimCameras::configure(const QJsonObject& config)
{
    const QJsonValue camera = config.value(QLatin1String("camera"));
    Description described;
    if (camera.isObject()) {
        const QJsonObject object = camera.toObject();
        described.present = true;
        described.busy = object.value(QLatin1String("busy")).toBool();
        for (const QJsonValue& frame : object.value(QLatin1String("frames")).toArray())
            described.frames.append(frame.toString());
        described.video = object.value(QLatin1String("video")).toString();
        described.fps = object.value(QLatin1String("fps")).toInt(30);
        described.fail_after = object.value(QLatin1String("fail_after")).toInt(-1);
    }
    QMutexLocker lock(&m_mutex);
    m_description = described;
}

SimCameras::Description SimCameras::description() const
{
    QMutexLocker lock(&m_mutex);
    Description described = m_description;
    for (QString& frame : described.frames)
        frame = QDir(m_folder).absoluteFilePath(frame);
    if (!described.video.isEmpty())
        described.video = QDir(m_folder).absoluteFilePath(described.video);
    return described;
}

std::unique_ptr<ICameraSource> SimCameras::open(int device)
{
    const Description described = description();
    if (device != 0 || !described.present || described.busy)
        return nullptr;
    std::unique_ptr<ICameraSource> source = openDescribed(described);
    if (source)
        reportOpen(true);
    return source;
}

std::unique_ptr<ICameraSource> SimCameras::openDescribed(const Description& described)
{
    auto* part = PartLoader::load<ISensorPart>(QStringLiteral("sensors"));
    if (!part)
        return nullptr;
    ISensorPart::SimulatedCamera camera;
    camera.video = described.video;
    camera.frames = described.frames;
    camera.fps = described.fps;
    camera.fail_after = described.fail_after;
    camera.on_release = [this] { reportOpen(false); };
    QStringList unreadable;
    std::unique_ptr<ICameraSource> source = part->open_simulated(camera, &unreadable);
    const QString what =
        described.video.isEmpty() ? QStringLiteral("frame") : QStringLiteral("video");
    for (const QString& path : unreadable)
        log_line(QStringLiteral("Simulated camera %1 not readable: %2").arg(what, path));
    return source;
}

void SimCameras::reportOpen(bool open)
{
    m_open = open;
    if (open)
        ++m_opened;
    QMetaObject::invokeMethod(
        this, [this] { changed(); }, Qt::QueuedConnection);
}

void SimCameras::addState(QJsonObject& state) const
{
    state.insert(QStringLiteral("camera"),
                 QJsonObject{{QStringLiteral("open"), m_open.load()},
                             {QStringLiteral("opened"), m_opened.load()}});
}
