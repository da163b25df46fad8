#pragma once

#include <QJsonObject>
#include <QMap>
#include <QString>
#include <QVariant>

// An in-memory tree of registry keys and their named values, shared by the backends that
// have no system registry of their own.
class RegistryValues
{
public:
    QVariant value(const QString& key, const QString& name) const;
    void setValue(const QString& key, const QString& name, const QVariant& value);
    void removeValue(const QString& key, const QString& name);
    bool hasKey(const QString& key) const;
    void createKey(const QString& key);

    // {"KEY": {"name": value, ...}, ...}: keys compare case-insensitively, as on Windows.
    void load(const QJsonObject& keys);
    QJsonObject toJson() const;

private:
    static QString normalized(const QString& key);

    QMap<QString, QString> m_keyNames; // normalised key -> key as first written
    QMap<QString, QVariantMap> m_values;
};
