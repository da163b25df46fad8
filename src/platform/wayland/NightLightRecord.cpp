#include "platform/wayland/NightLightRecord.h"

#include "platform/wayland/SafeFileWrite.h"

#include <QDir>
#include <QJsonDocument>
#include <QStandardPaths>

namespace {
const QString kFormat = QStringLiteral("kavo-night-light-record");
}

QString NightLightRecord::defaultPath(const QString& route)
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
        .filePath(QStringLiteral("own-") + route + QStringLiteral(".json"));
}

bool NightLightRecord::load()
{
    m_parts = {};
    QByteArray bytes;
    if (!SafeFileWrite::read(m_path, bytes) || bytes.isEmpty())
        return false;
    const QJsonObject json = QJsonDocument::fromJson(bytes).object();
    if (json.value(QLatin1String("format")).toString() != kFormat)
        return false;
    m_parts = json.value(QLatin1String("parts")).toObject();
    return true;
}

bool NightLightRecord::save(QString* problem) const
{
    const QJsonObject json{{QStringLiteral("format"), kFormat}, {QStringLiteral("parts"), m_parts}};
    return SafeFileWrite::replace(m_path, QJsonDocument(json).toJson(QJsonDocument::Indented),
                                  problem);
}

void NightLightRecord::clear()
{
    m_parts = {};
    SafeFileWrite::remove(m_path);
}
