#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

// "--name value" and "--flag" options of a kavoctl subcommand.
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

    // The option as a number; empty (and error() set) when it is present but not a number.
    std::optional<double> number(const QString& name, double fallback);
    std::optional<qint64> integer(const QString& name, qint64 fallback);

    // Sets the error unless the option is present.
    bool require(const QString& name);

private:
    QHash<QString, QString> m_values;
    QString m_error;
};
