#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

// "--name value", "--name=value" and "--flag" options of a kavoctl subcommand.
class Options
{
public:
    // Parses `arguments`; names in `flags` take no value. On failure `error()` says why.
    Options(const QStringList& arguments, const QStringList& valueNames,
            const QStringList& flags = {});

    bool ok() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }

    bool has(const QString& name) const { return m_values.contains(name); }
    QString text(const QString& name, const QString& fallback = {}) const;

    // The option as a number within low..high (`fallback` when absent); empty, with error()
    // set, when it is present but not such a number.
    std::optional<double> number(const QString& name, double fallback, double low, double high);
    std::optional<int> integer(const QString& name, int fallback, int low, int high);

    // The option as an instant in milliseconds since the epoch: ISO 8601 (local time when it
    // names no offset) or a number of milliseconds; `fallback` when absent.
    std::optional<qint64> instant(const QString& name, qint64 fallback);

    // Sets the error unless the option is present.
    bool require(const QString& name);

private:
    void fail(const QString& error);

    QHash<QString, QString> m_values;
    QString m_error;
};
