#include "Options.h"

Options::Options(const QStringList& arguments, const QStringList& valueNames,
                 const QStringList& flags)
{
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        const QString name = argument.mid(2);
        if (!argument.startsWith(QLatin1String("--")) ||
            (!valueNames.contains(name) && !flags.contains(name))) {
            m_error = QStringLiteral("unknown argument: ") + argument;
            return;
        }
        if (flags.contains(name)) {
            m_values.insert(name, QStringLiteral("1"));
            continue;
        }
        if (i + 1 >= arguments.size()) {
            m_error = QStringLiteral("missing value for ") + argument;
            return;
        }
        m_values.insert(name, arguments.at(++i));
    }
}

QString Options::text(const QString& name, const QString& fallback) const
{
    return m_values.value(name, fallback);
}

std::optional<double> Options::number(const QString& name, double fallback)
{
    if (!has(name))
        return fallback;
    bool converted = false;
    const double value = m_values.value(name).toDouble(&converted);
    if (!converted || !qIsFinite(value)) {
        m_error = QStringLiteral("--%1 needs a number, not \"%2\"").arg(name, m_values.value(name));
        return std::nullopt;
    }
    return value;
}

std::optional<qint64> Options::integer(const QString& name, qint64 fallback)
{
    if (!has(name))
        return fallback;
    bool converted = false;
    const qint64 value = m_values.value(name).toLongLong(&converted);
    if (!converted) {
        m_error =
            QStringLiteral("--%1 needs an integer, not \"%2\"").arg(name, m_values.value(name));
        return std::nullopt;
    }
    return value;
}

bool Options::require(const QString& name)
{
    if (!has(name) && ok())
        m_error = QStringLiteral("missing --") + name;
    return has(name);
}
