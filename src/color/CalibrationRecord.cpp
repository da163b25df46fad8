#include "color/CalibrationRecord.h"

#include "platform/GammaRampJson.h"
#include "platform/PrivateFiles.h"
#include "platform/RuntimeFolder.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
bool entry_from_json(const QJsonObject& json, CalibrationRecord::Entry& entry)
{
    entry.identity.output = json.value(QLatin1String("output")).toString();
    entry.identity.edid =
        QByteArray::fromHex(json.value(QLatin1String("edid")).toString().toLatin1());
    return !entry.identity.isEmpty() && GammaRampJson::fromJson(json, entry.ramp);
}

QJsonObject entry_to_json(const CalibrationRecord::Entry& entry)
{
    QJsonObject json = GammaRampJson::toJson(entry.ramp);
    json.insert(QStringLiteral("output"), entry.identity.output);
    json.insert(QStringLiteral("edid"), QString::fromLatin1(entry.identity.edid.toHex()));
    return json;
}
} // namespace

QString CalibrationRecord::default_path()
{
    return RuntimeFolder::file(QStringLiteral(".calibration"));
}

QString CalibrationRecord::default_marker_path()
{
    return RuntimeFolder::file(QStringLiteral(".running"));
}

bool CalibrationRecord::load(const QString& path)
{
    m_entries.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    if (!document.isObject())
        return false;
    for (const QJsonValue& monitor : document.object().value(QLatin1String("monitors")).toArray()) {
        Entry entry;
        if (entry_from_json(monitor.toObject(), entry))
            insert(entry.identity, entry.ramp);
    }
    return true;
}

bool CalibrationRecord::save(const QString& path) const
{
    QJsonArray monitors;
    for (const Entry& entry : m_entries)
        monitors.append(entry_to_json(entry));
    // A link at `path` is replaced by the record, not written through.
    return PrivateFiles::write(path,
                               QJsonDocument(QJsonObject{{QStringLiteral("monitors"), monitors}})
                                   .toJson(QJsonDocument::Compact));
}

const GammaRamp* CalibrationRecord::find(const MonitorIdentity& identity) const
{
    for (const Entry& entry : m_entries) {
        if (entry.identity == identity)
            return &entry.ramp;
    }
    return nullptr;
}

void CalibrationRecord::insert(const MonitorIdentity& identity, const GammaRamp& ramp)
{
    for (Entry& entry : m_entries) {
        if (entry.identity == identity) {
            entry.ramp = ramp;
            return;
        }
    }
    m_entries.append({identity, ramp});
}

QVector<CalibrationRecord::Restored> CalibrationRecord::restore(IDisplays& displays,
                                                                const GammaRamp* fallback) const
{
    QVector<Restored> written;
    const int count = displays.monitorCount();
    for (int i = 0; i < count; ++i) {
        const MonitorIdentity identity = displays.monitorIdentity(i);
        const GammaRamp* recorded = identity.isEmpty() ? nullptr : find(identity);
        const GammaRamp* ramp = recorded ? recorded : fallback;
        if (ramp && displays.writeRamp(i, *ramp))
            written.append({identity.output, recorded != nullptr});
    }
    return written;
}
