#include "Options.h"

#include <QDateTime>

#include <cmath>

namespace {
// The instants QDateTime can show: the years 1 to 9999.
constexpr qint64 kEarliestMs = -62135596800000LL;
constexpr qint64 kLatestMs = 253402300799999LL;

QString shown(double value)
{
    return QString::number(value, 'g', 10);
}
} // namespace

Options::Options(const QStringList& arguments, const QStringList& valueNames,
                 const QStringList& flags)
{
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        const int equals = argument.indexOf(QLatin1Char('='));
        const QString name = argument.mid(2, equals < 0 ? -1 : equals - 2);
        if (!argument.startsWith(QLatin1String("--")) ||
            (!valueNames.contains(name) && !flags.contains(name))) {
            m_error = QStringLiteral("unknown argument: ") + argument;
            return;
        }
        if (flags.contains(name)) {
            if (equals >= 0) {
                m_error = QStringLiteral("--%1 takes no value").arg(name);
                return;
            }
            m_values.insert(name, QStringLiteral("1"));
            continue;
        }
        if (equals >= 0) {
            m_values.insert(name, argument.mid(equals + 1));
            continue;
        }
        if (i + 1 >= arguments.size()) {
            m_error = QStringLiteral("missing value for ") + argument;
            return;
        }
        m_values.insert(name, arguments.at(++i));
    }
}

void Options::fail(const QString& error)
{
    if (m_error.isEmpty())
        m_error = error;
}

QString Options::text(const QString& name, const QString& fallback) const
{
    return m_values.value(name, fallback);
}

std::optional<double> Options::number(const QString& name, double fallback, double low, double high)
{
    if (!has(name))
        return fallback;
    bool converted = false;
    const double value = m_values.value(name).toDouble(&converted);
    if (!converted || !std::isfinite(value) || value < low || value > high) {
        fail(QStringLiteral("--%1 must be a number within %2..%3, not \"%4\"")
                 .arg(name, shown(low), shown(high), m_values.value(name)));
        return std::nullopt;
    }
    return value;
}

std::optional<int> Options::integer(const QString& name, int fallback, int low, int high)
{
    if (!has(name))
        return fallback;
    bool converted = false;
    const qint64 value = m_values.value(name).toLongLong(&converted);
    if (!converted || value < low || value > high) {
        fail(QStringLiteral("--%1 must be a whole number within %2..%3, not \"%4\"")
                 .arg(name)
                 .arg(low)
                 .arg(high)
                 .arg(m_values.value(name)));
        return std::nullopt;
    }
    return static_cast<int>(value);
}

std::optional<qint64> Options::instant(const QString& name, qint64 fallback)
{
    if (!has(name))
        return fallback;
    const QString text = m_values.value(name);
    bool converted = false;
    qint64 ms = text.toLongLong(&converted);
    if (!converted) {
        const QDateTime time = QDateTime::fromString(text, Qt::ISODateWithMs);
        converted = time.isValid();
        ms = time.toMSecsSinceEpoch();
    }
    if (!converted || ms < kEarliestMs || ms > kLatestMs) {
        fail(QStringLiteral("--%1 must be an ISO 8601 time (2026-06-10T21:45:00+02:00) or "
                            "milliseconds since 1970, not \"%2\"")
                 .arg(name, text));
        return std::nullopt;
    }
    return ms;
}

bool Options::require(const QString& name)
{
    if (!has(name))
        fail(QStringLiteral("missing --") + name);
    return has(name);
}
