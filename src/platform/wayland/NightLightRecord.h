#pragma once

#include <QJsonObject>
#include <QString>

// The user's own night light and backlight settings as they were before Kavo first changed
// them, kept in a file in Kavo's settings folder so that they outlive Kavo (and a logout: the
// desktop keeps the settings Kavo wrote). restore() and, after a crash, the next start put
// them back from there. Each part ("night_light", "backlight") is recorded on its own, before
// Kavo first changes it.
class NightLightRecord
{
public:
    explicit NightLightRecord(const QString& path) : m_path(path) {}

    // The record of `route` in Kavo's settings folder.
    static QString defaultPath(const QString& route);

    // Reads the file; false, leaving the record empty, when it is missing or not a record.
    bool load();
    // Replaces the file in one step; false, with `problem` set, when it cannot be written.
    bool save(QString* problem = nullptr) const;
    // Forgets the record and removes the file.
    void clear();

    bool has(const QString& part) const { return m_parts.contains(part); }
    QJsonObject part(const QString& part) const { return m_parts.value(part).toObject(); }
    void setPart(const QString& part, const QJsonObject& values) { m_parts.insert(part, values); }
    bool isEmpty() const { return m_parts.isEmpty(); }
    const QString& path() const { return m_path; }

private:
    QString m_path;
    QJsonObject m_parts;
};
