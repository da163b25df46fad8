#include "timer/TimeFormat.h"

#include "ShownText.h"

namespace {
struct Parts
{
    qint64 hours;
    qint64 minutes;
    qint64 seconds;
};

Parts split(qint64 ms)
{
    return {ms / 3600000, (ms / 60000) % 60, (ms / 1000) % 60};
}

QString two_digits(qint64 number)
{
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}
} // namespace

namespace TimeFormat {

QString long_text(qint64 ms)
{
    const Parts parts = split(ms);
    const QString seconds =
        QString::number(parts.seconds) + QLatin1Char(' ') + ShownText::tr("sec");
    if (parts.hours < 1 && parts.minutes < 1)
        return seconds;
    const QString minutes =
        QString::number(parts.minutes) + QLatin1Char(' ') + ShownText::tr("min");
    if (parts.hours < 1)
        return minutes + QLatin1Char(' ') + seconds;
    return QString::number(parts.hours) + QLatin1Char(' ') + ShownText::tr("hour") +
           QLatin1Char(' ') + minutes + QLatin1Char(' ') + seconds;
}

QString short_text(qint64 ms)
{
    const Parts parts = split(ms);
    if (parts.hours < 1 && parts.minutes < 1) {
        return (parts.seconds < 10 ? QStringLiteral("0:0") : QStringLiteral("0:")) +
               QString::number(parts.seconds);
    }
    const QString minutes_seconds =
        two_digits(parts.minutes) + QLatin1Char(':') + two_digits(parts.seconds);
    if (parts.hours < 1)
        return minutes_seconds;
    return two_digits(parts.hours) + QLatin1Char(':') + minutes_seconds;
}

} // namespace TimeFormat
