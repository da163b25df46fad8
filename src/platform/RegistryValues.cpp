#include "RegistryValues.h"

#include <QJsonValue>

QString RegistryValues::normalized(const QString& key)
{
    QString result = key.toLower();
    while (result.endsWith(QLatin1Char('\\')))
        result.chop(1);
    return result;
}

QVariant RegistryValues::value(const QString& key, const QString& name) const
{
    return m_values.value(normalized(key)).value(name);
}

void RegistryValues::setValue(const QString& key, const QString& name, const QVariant& value)
{
    createKey(key);
    m_values[normalized(key)].insert(name, value);
}

void RegistryValues::removeValue(const QString& key, const QString& name)
{
    auto it = m_values.find(normalized(key));
    if (it != m_values.end())
        it->remove(name);
}

bool RegistryValues::hasKey(const QString& key) const
{
    return m_values.contains(normalized(key));
}

void RegistryValues::createKey(const QString& key)
{
    const QString id = normalized(key);
    if (!m_keyNames.contains(id)) {
        m_keyNames.insert(id, key);
        m_values.insert(id, {});
    }
}

void RegistryValues::load(const QJsonObject& keys)
{
    m_keyNames.clear();
    m_values.clear();
    for (auto it = keys.begin(); it != keys.end(); ++it) {
        createKey(it.key());
        const QJsonObject values = it.value().toObject();
        for (auto value = values.begin(); value != values.end(); ++value)
            setValue(it.key(), value.key(), value.value().toVariant());
    }
}

QJsonObject RegistryValues::toJson() const
{
    QJsonObject keys;
    for (auto it = m_values.begin(); it != m_values.end(); ++it)
        keys.insert(m_keyNames.value(it.key()), QJsonObject::fromVariantMap(it.value()));
    return keys;
}
