#pragma once

#include "parts/IGSettingsPart.h"

#include <QHash>
#include <QObject>

typedef struct _GSettings GSettings;

// GSettings through GIO, one settings object per schema, kept until the part is unloaded.
class GSettingsPart : public QObject, public IGSettingsPart
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID IGSettingsPart_iid)
    Q_INTERFACES(IGSettingsPart)

public:
    GSettingsPart() = default;
    ~GSettingsPart() override;
    GSettingsPart(const GSettingsPart&) = delete;
    GSettingsPart& operator=(const GSettingsPart&) = delete;

    bool hasKeys(const QString& schema, const QStringList& keys) override;
    QString userValue(const QString& schema, const QString& key) override;
    QStringList write(const QString& schema, const QVector<KeyValue>& values) override;

private:
    // The settings of `schema` with `key`; null when the schema or the key is not installed.
    GSettings* settings(const QString& schema, const QString& key);

    QHash<QString, GSettings*> m_settings;
};
